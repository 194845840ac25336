// Dialog data exchange routines.
#include "DataExchange.h"

#include <cstdio>

HWND CDataExchange::PrepareCtrl(int nID)
{
    m_hLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nID);
    return m_hLastControl;
}

void CDataExchange::Fail()
{
    if (m_hLastControl)
        ::SetFocus(m_hLastControl);
    throw DataExchangeFailure();
}

void DDX_Control(CDataExchange* pDX, int nID, CWnd& rControl)
{
    HWND hCtrl = pDX->PrepareCtrl(nID);
    // The same object may serve a later run of the dialog: follow the handle.
    if (rControl.m_hWnd != hCtrl) {
        if (rControl.m_hWnd)
            rControl.Detach();
        rControl.Attach(hCtrl);
    }
}

void DDX_Text(CDataExchange* pDX, int nID, CString& value)
{
    HWND hCtrl = pDX->PrepareCtrl(nID);
    if (pDX->m_bSaveAndValidate)
        CWnd(hCtrl).GetWindowText(value);
    else
        ::SetWindowTextA(hCtrl, value);
}

void DDX_Check(CDataExchange* pDX, int nID, int& value)
{
    HWND hCtrl = pDX->PrepareCtrl(nID);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(hCtrl, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(hCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (!pDX->m_bSaveAndValidate) {
        // Loading: the edit field itself refuses longer input.
        if (pDX->m_hLastControl)
            ::SendMessageA(pDX->m_hLastControl, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
        return;
    }
    if (value.GetLength() > nChars) {
        char text[64];
        std::snprintf(text, sizeof text, "Enter no more than %d characters.", nChars);
        ::MessageBoxA(pDX->m_pDlgWnd->m_hWnd, text, nullptr, MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}
