// CFileException: the report shown for a file error nobody handled.
#include "FileException.h"

#include "CWinApp.h"

int CFileException::ReportError(HWND hOwner, UINT nType) const
{
    CString text = FormatString1("An unknown error occurred while accessing %1.", m_strFileName);
    CWinApp* app = AfxGetApp();
    return ::MessageBoxA(hOwner, text, app ? app->m_pszAppName : nullptr, nType);
}
