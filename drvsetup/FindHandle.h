// Directory-entry lookup with FindFirstFileA, the find handle closed at once.
#pragma once

#include <windows.h>

// True when a directory entry of exactly that name exists, whatever its kind.
inline bool EntryExists(const char* pszPath)
{
    WIN32_FIND_DATAA data;
    HANDLE h = ::FindFirstFileA(pszPath, &data);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    ::FindClose(h);
    return true;
}
