// CFileException: a failed file operation, raised by the file classes and
// reported by the command dispatch of a window when no handler caught it.
#pragma once

#include "CString.h"

class CFileException {
public:
    enum Cause { none = 0, generic = 1, fileNotFound, badPath, accessDenied, sharingViolation, endOfFile };

    CFileException(int cause, LONG lOsError, const char* pszFileName)
        : m_cause(cause), m_lOsError(lOsError), m_strFileName(pszFileName) {}

    // The framework's report: "An unknown error occurred while accessing %1."
    // with the file's path for %1.
    int ReportError(HWND hOwner, UINT nType = MB_OK) const;

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};
