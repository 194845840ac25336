// The prompt's catalogue texts: bounded reads and the caption format check.
#include "PromptTexts.h"

#include "ferlapi.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int kPromptGroup = 3;

// The catalogue is handed no buffer size and the prompt's own buffers hold
// 32 bytes; a longer catalogue text lands in this scratch buffer and is cut
// from there.
constexpr size_t kScratchSize = 1024;

CString Cut(const char* psz, int nMaxChars)
{
    const size_t length = std::strlen(psz);
    return CString(psz, static_cast<int>(length < static_cast<size_t>(nMaxChars) ? length : nMaxChars));
}

// "%%" prints a percent sign and takes no argument; every other conversion
// but a plain "%s" would read an argument that is not there.
bool HasOneStringConversion(const char* pszFormat)
{
    int strings = 0;
    for (const char* p = pszFormat; *p; ++p) {
        if (*p != '%')
            continue;
        ++p;
        if (*p == '%')
            continue;
        if (*p != 's')
            return false;
        ++strings;
    }
    return strings == 1;
}

} // namespace

CString PromptText(int nId)
{
    char scratch[kScratchSize] = "";
    ps_gmsg_get_string(scratch, 0, kPromptGroup, nId);
    scratch[kScratchSize - 1] = '\0';
    return Cut(scratch, kPromptTextChars);
}

CString PromptCaption(const char* pszFormat, const char* pszTitle)
{
    if (!HasOneStringConversion(pszFormat))
        return Cut(pszFormat, kPromptCaptionChars);
    char caption[kPromptCaptionChars + 1];
    std::snprintf(caption, sizeof caption, pszFormat, pszTitle);
    return caption;
}
