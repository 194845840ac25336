// Message maps: static tables of (message, notification, control id, handler)
// that a class declares once; dispatch looks in the class's table, then in its
// base class's.
#pragma once

#include <windows.h>

class CCmdTarget;

// Each entry calls its handler through a small function that casts the
// target back to the class that declared the map and passes the arguments
// the handler's signature takes; the result is the message's result.
typedef LRESULT (*HandlerThunk)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
    UINT message;       // WM_...; 0 ends a table
    UINT code;          // notification code for WM_COMMAND
    UINT id;            // control or command id for WM_COMMAND
    HandlerThunk call;
};

struct MessageMap {
    const MessageMap* (*baseMap)();
    const MessageMapEntry* entries;
};

// Finds the entry for a message in the class's table or a base's table.
const MessageMapEntry* FindMessageEntry(const MessageMap* map, UINT message, UINT code, UINT id);

#define DECLARE_MESSAGE_MAP()                                   \
protected:                                                      \
    static const MessageMap* GetThisMessageMap();               \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                          \
    const MessageMap* theClass::GetMessageMap() const                   \
    { return GetThisMessageMap(); }                                     \
    const MessageMap* theClass::GetThisMessageMap()                     \
    {                                                                   \
        using ThisClass [[maybe_unused]] = theClass;                    \
        using TheBaseClass = baseClass;                                 \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                               \
            { 0, 0, 0, nullptr }                                        \
        };                                                              \
        static const MessageMap map = { &TheBaseClass::GetThisMessageMap, entries }; \
        return &map;                                                    \
    }

#define FW_TARGET (static_cast<ThisClass*>(target))

#define ON_COMMAND(id, fn) \
    { WM_COMMAND, 0, (id), [](CCmdTarget* target, WPARAM, LPARAM) -> LRESULT { FW_TARGET->fn(); return 0; } },
#define ON_BN_CLICKED(id, fn) \
    { WM_COMMAND, BN_CLICKED, (id), [](CCmdTarget* target, WPARAM, LPARAM) -> LRESULT { FW_TARGET->fn(); return 0; } },
#define ON_WM_PAINT() \
    { WM_PAINT, 0, 0, [](CCmdTarget* target, WPARAM, LPARAM) -> LRESULT { FW_TARGET->OnPaint(); return 0; } },
#define ON_WM_SYSCOMMAND() \
    { WM_SYSCOMMAND, 0, 0, [](CCmdTarget* target, WPARAM w, LPARAM l) -> LRESULT \
      { FW_TARGET->OnSysCommand(static_cast<UINT>(w), l); return 0; } },
#define ON_WM_QUERYDRAGICON() \
    { WM_QUERYDRAGICON, 0, 0, [](CCmdTarget* target, WPARAM, LPARAM) -> LRESULT \
      { return reinterpret_cast<LRESULT>(FW_TARGET->OnQueryDragIcon()); } },

// The root of every class with a message map.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the handler of a WM_COMMAND when the map has one; TRUE if it ran.
    BOOL OnCmdMsg(UINT id, UINT code);


protected:
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;
};
