// CFileDialog: the common open/save dialog over GetOpenFileNameA.
#pragma once

#include "CWnd.h"

#include <commdlg.h>
#include <string>

class CFileDialog {
public:
    // pszFilter is "description|pattern|description|pattern||".
    CFileDialog(BOOL bOpenFileDialog, const char* pszDefExt = nullptr, const char* pszFileName = nullptr,
                DWORD dwFlags = 0, const char* pszFilter = nullptr, CWnd* pParentWnd = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK when the user chose a file, IDCANCEL otherwise.
    INT_PTR DoModal();
    CString GetPathName() const { return CString(m_szFileName); }

    OPENFILENAMEA m_ofn;

private:
    BOOL m_bOpenFileDialog;
    std::string m_filter;      // the filter with '|' turned into NUL
    std::string m_defExt;
    char m_szFileName[MAX_PATH];
};
