// CString: a single-byte (ANSI) text value with the members the programs use.
#pragma once

#include <windows.h>
#include <string>

class CString {
public:
    CString() = default;
    CString(const char* psz) { Assign(psz); }
    CString(const char* pch, int nLength);
    CString(const CString&) = default;
    CString& operator=(const CString&) = default;
    CString& operator=(const char* psz) { Assign(psz); return *this; }
    CString& operator+=(const char* psz) { if (psz) m_text += psz; return *this; }
    CString& operator+=(const CString& s) { m_text += s.m_text; return *this; }

    int GetLength() const { return static_cast<int>(m_text.size()); }
    BOOL IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    operator const char*() const { return m_text.c_str(); }
    const char* GetString() const { return m_text.c_str(); }

    // printf-style formatting; the format is always the program's own text.
    void Format(const char* pszFormat, ...) __attribute__((format(printf, 2, 3)));

    bool operator==(const char* psz) const { return m_text == (psz ? psz : ""); }
    bool operator!=(const char* psz) const { return !(*this == psz); }

private:
    // A null pointer is the empty text, as the framework's callers expect.
    void Assign(const char* psz) { m_text = psz ? psz : ""; }
    std::string m_text;
};

inline CString operator+(const CString& a, const char* b) { CString r(a); r += b; return r; }

// Replaces "%1" in the template with the argument, as message texts with one
// insertion use it; the argument itself is never read as a format.
CString FormatString1(const char* pszTemplate, const char* pszArg);
