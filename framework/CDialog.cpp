// CDialog: the dialog procedure that binds the object at WM_INITDIALOG.
#include "CDialog.h"

#include "CWinApp.h"

namespace {
// Temporary window objects live until the outermost modal loop ends.
int g_modalDepth = 0;

// Messages whose result a dialog procedure returns directly instead of
// through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message)
{
    switch (message) {
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: case WM_COMPAREITEM: case WM_VKEYTOITEM:
    case WM_CHARTOITEM: case WM_QUERYDRAGICON: case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}
} // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

INT_PTR CDialog::DoModal()
{
    // Without a parent the dialog is owned by the application's main window,
    // so that it stays in front of it.
    HWND hOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    CWinApp* app = AfxGetApp();
    if (!hOwner && app && app->m_pMainWnd && app->m_pMainWnd != this)
        hOwner = app->m_pMainWnd->m_hWnd;

    ++g_modalDepth;
    INT_PTR result = ::DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate),
                                       hOwner, DialogProc, reinterpret_cast<LPARAM>(this));
    if (--g_modalDepth == 0)
        DeleteTempMap();
    if (m_hWnd)
        Detach();
    return result;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrA(hDlg, DWLP_USER, lParam);
        self->Attach(hDlg);
        return self->OnInitDialog();
    }
    auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hDlg, DWLP_USER));
    if (!self)
        return FALSE;
    if (message == WM_DESTROY)
        DetachChildren(hDlg);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hDlg, DWLP_USER, 0);
        self->Detach();
        return FALSE;
    }
    LRESULT result = 0;
    if (!self->OnWndMsg(message, wParam, lParam, &result))
        return FALSE;
    if (ReturnsResultDirectly(message))
        return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, result);
    return TRUE;
}
