// CString: formatting and the one-argument message template.
#include "CString.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

CString::CString(const char* pch, int nLength)
{
    if (pch && nLength > 0)
        m_text.assign(pch, static_cast<size_t>(nLength));
}

void CString::Format(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    va_list probe;
    va_copy(probe, args);
    int n = std::vsnprintf(nullptr, 0, pszFormat, probe);
    va_end(probe);
    if (n < 0) {
        m_text.clear();
    } else {
        std::vector<char> buf(static_cast<size_t>(n) + 1);
        std::vsnprintf(buf.data(), buf.size(), pszFormat, args);
        m_text.assign(buf.data(), static_cast<size_t>(n));
    }
    va_end(args);
}

CString FormatString1(const char* pszTemplate, const char* pszArg)
{
    std::string out;
    const std::string arg = pszArg ? pszArg : "";
    for (const char* p = pszTemplate ? pszTemplate : ""; *p; ++p) {
        if (p[0] == '%' && p[1] == '1') {
            out += arg;
            ++p;
        } else {
            out += *p;
        }
    }
    return CString(out.c_str());
}
