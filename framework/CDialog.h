// CDialog: a modal dialog from a resource template, dispatched through the
// message maps of its class chain.
#pragma once

#include "CWnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
        : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

    // Runs the dialog; the end code, or -1 when it could not be created.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

    virtual BOOL OnInitDialog();   // loads the controls; TRUE: default focus
    virtual void OnOK();           // reads the controls back, ends with IDOK
    virtual void OnCancel();       // ends with IDCANCEL

protected:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
};
