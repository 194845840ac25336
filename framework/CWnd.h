// CWnd: a window object that owns nothing but its handle.
//
// Binary contract with front ends written in any language: an object of this
// class (and of every class derived from it) is laid out as
//     { pointer to the virtual function table, HWND m_hWnd, ... }
// m_hWnd is the first data member, directly after the vtable pointer, so a
// front end may hand the bridge a pointer to any structure that begins with a
// pointer-sized slot followed by the window handle. The layout test in
// framework/tests checks this.
#pragma once

#include "CString.h"
#include "MessageMap.h"

class CDataExchange;

class CWnd : public CCmdTarget {
public:
    HWND m_hWnd = nullptr;   // must stay the first data member (see above)

    CWnd() = default;
    explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // A permanent object attached to the handle, or a temporary one that lives
    // until the outermost modal loop of the thread ends.
    static CWnd* FromHandle(HWND hWnd);
    BOOL Attach(HWND hWnd);
    HWND Detach();
    HWND GetSafeHwnd() const { return m_hWnd; }

    CWnd* GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    void SetWindowText(const char* psz) { ::SetWindowTextA(m_hWnd, psz ? psz : ""); }
    void GetWindowText(CString& text) const;
    int GetWindowText(char* psz, int nMax) const { return ::GetWindowTextA(m_hWnd, psz, nMax); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL SetWindowPos(const CWnd* pAfter, int x, int y, int cx, int cy, UINT nFlags)
    { return ::SetWindowPos(m_hWnd, pAfter ? pAfter->m_hWnd : nullptr, x, y, cx, cy, nFlags); }
    void GetWindowRect(LPRECT pRect) const { ::GetWindowRect(m_hWnd, pRect); }
    void GetClientRect(LPRECT pRect) const { ::GetClientRect(m_hWnd, pRect); }
    void ScreenToClient(LPRECT pRect) const;
    void ScreenToClient(LPPOINT pPoint) const { ::ScreenToClient(m_hWnd, pPoint); }
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    { return ::SendMessageA(m_hWnd, msg, wParam, lParam); }
    int MessageBox(const char* pszText, const char* pszCaption = nullptr, UINT nType = MB_OK)
    { return ::MessageBoxA(m_hWnd, pszText, pszCaption, nType); }
    HICON SetIcon(HICON hIcon, BOOL bBigIcon)
    { return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon))); }
    HMENU GetSystemMenu(BOOL bRevert) const { return ::GetSystemMenu(m_hWnd, bRevert); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

    // Data exchange between the controls and the members: FALSE loads the
    // controls, TRUE reads them back (and validates).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    // Message dispatch through the message map; FALSE when no entry handled it
    // (or the handler asked for the default handling).
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // Called by the outermost modal loop of a thread when it ends.
    static void DeleteTempMap();
    // A dialog being destroyed lets go of the objects attached to its controls.
    static void DetachChildren(HWND hParent);

protected:
    // Inside a handler: let the window's default procedure handle the message.
    void Default() { m_bDefaultRequested = true; }

    DECLARE_MESSAGE_MAP()

private:
    BOOL OnCommand(WPARAM wParam);
    bool m_bDefaultRequested = false;
};
