// Message maps: look-up through the base chain and the call of a handler.
#include "MessageMap.h"

const MessageMapEntry* FindMessageEntry(const MessageMap* map, UINT message, UINT code, UINT id)
{
    for (; map; map = map->baseMap ? map->baseMap() : nullptr) {
        for (const MessageMapEntry* e = map->entries; e->call; ++e) {
            if (e->message != message)
                continue;
            if (message == WM_COMMAND && (e->code != code || e->id != id))
                continue;
            return e;
        }
    }
    return nullptr;
}

const MessageMap* CCmdTarget::GetThisMessageMap()
{
    static const MessageMapEntry entries[] = { { 0, 0, 0, nullptr } };
    static const MessageMap map = { nullptr, entries };
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

BOOL CCmdTarget::OnCmdMsg(UINT id, UINT code)
{
    const MessageMapEntry* e = FindMessageEntry(GetMessageMap(), WM_COMMAND, code, id);
    if (!e)
        return FALSE;
    e->call(this, 0, 0);
    return TRUE;
}

