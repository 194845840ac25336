// Joining a directory and a file name into a fixed-size path buffer.
#pragma once

#include <cstddef>
#include <cstring>

// The directory, then a backslash only when the directory does not already
// end in one (a drive's root does), then the name. pszOut may be the
// directory's own buffer. False, with pszOut untouched, when the path and its
// NUL would not fit nSize characters.
inline bool JoinPath(char* pszOut, size_t nSize, const char* pszDirectory, const char* pszName)
{
    const size_t dirLength = std::strlen(pszDirectory);
    const bool separator = dirLength == 0 || pszDirectory[dirLength - 1] != '\\';
    const size_t nameLength = std::strlen(pszName);
    const size_t total = dirLength + (separator ? 1 : 0) + nameLength;
    if (total + 1 > nSize)
        return false;
    std::memmove(pszOut, pszDirectory, dirLength + 1);
    if (separator)
        pszOut[dirLength] = '\\';
    std::memcpy(pszOut + total - nameLength, pszName, nameLength + 1);
    return true;
}
