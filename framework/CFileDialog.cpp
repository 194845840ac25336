// CFileDialog: filter conversion and the modal run.
#include "CFileDialog.h"

#include "CWinApp.h"

#include <cstring>

CFileDialog::CFileDialog(BOOL bOpenFileDialog, const char* pszDefExt, const char* pszFileName,
                         DWORD dwFlags, const char* pszFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog)
{
    std::memset(&m_ofn, 0, sizeof m_ofn);
    std::memset(m_szFileName, 0, sizeof m_szFileName);
    if (pszFileName)
        std::strncpy(m_szFileName, pszFileName, sizeof m_szFileName - 1);
    if (pszFilter) {
        m_filter = pszFilter;
        for (char& c : m_filter)
            if (c == '|')
                c = '\0';
        m_filter.push_back('\0');
    }
    // The dialog wants the extension without "*." in front.
    if (pszDefExt) {
        m_defExt = pszDefExt;
        size_t dot = m_defExt.find_last_of('.');
        if (dot != std::string::npos)
            m_defExt.erase(0, dot + 1);
    }
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hwndOwner = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    m_ofn.hInstance = AfxGetInstanceHandle();
    m_ofn.lpstrFilter = m_filter.empty() ? nullptr : m_filter.c_str();
    m_ofn.nFilterIndex = 1;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof m_szFileName;
    m_ofn.lpstrDefExt = m_defExt.empty() ? nullptr : m_defExt.c_str();
    m_ofn.Flags = dwFlags;
}

INT_PTR CFileDialog::DoModal()
{
    BOOL ok = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return ok ? IDOK : IDCANCEL;
}
