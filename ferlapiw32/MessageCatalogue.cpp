// The message catalogue: the fixed texts the bridge asks for, by group and id.
#include "ferlapi.h"

#include <algorithm>
#include <cstring>

namespace {

struct CatalogueText {
    int group;
    int id;
    const char* text;
};

const CatalogueText kTexts[] = {
    { 3, 81, "OK" },
    { 3, 82, "Cancel" },
    { 3, 83, "Yes" },
    { 3, 84, "No" },
    { 3, 90, "Yes to All" },
    { 3, 104, "%s - Warning" },
    { 3, 105, "%s - Error" },
    { 3, 106, "%s - Information" },
    { 3, 107, "%s - Question" },
    { 5, 2, "Operation interrupted by the user." },
};

// The callers' buffers: button labels and captions (group 3) are read into
// 32 bytes, log messages (group 5) into 128. Any other group gets the empty
// text, which needs one byte.
size_t BufferSize(int group)
{
    switch (group) {
    case 3: return 32;
    case 5: return 128;
    default: return 1;
    }
}

} // namespace

extern "C" int __cdecl ps_gmsg_get_string(char* pszBuffer, int, int nGroup, int nId)
{
    if (!pszBuffer)
        return 0;
    const char* text = "";
    for (const CatalogueText& t : kTexts) {
        if (t.group == nGroup && t.id == nId)
            text = t.text;
    }
    const size_t length = std::min(std::strlen(text), BufferSize(nGroup) - 1);
    std::memcpy(pszBuffer, text, length);
    pszBuffer[length] = '\0';
    return static_cast<int>(length);
}
