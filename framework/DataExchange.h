// Dialog data exchange: one routine per control kind, written once for both
// directions (loading the controls and reading them back).
#pragma once

#include "CWnd.h"

// Thrown by CDataExchange::Fail; UpdateData catches it and returns FALSE.
struct DataExchangeFailure {};

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate;   // TRUE: controls to members
    CWnd* m_pDlgWnd;

    // The control of that id, remembered for the validation that follows.
    HWND PrepareCtrl(int nID);
    // Validation failed: focus the last control and end the exchange.
    [[noreturn]] void Fail();

private:
    HWND m_hLastControl = nullptr;
    friend void DDV_MaxChars(CDataExchange*, const CString&, int);
};

void DDX_Control(CDataExchange* pDX, int nID, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nID, CString& value);
void DDX_Check(CDataExchange* pDX, int nID, int& value);
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
