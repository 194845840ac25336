// CWnd: handle maps, message dispatch and data exchange entry.
#include "CWnd.h"

#include "CWinApp.h"
#include "DataExchange.h"
#include "FileException.h"

#include <map>
#include <memory>

namespace {

std::map<HWND, CWnd*>& PermanentMap()
{
    static std::map<HWND, CWnd*> map;
    return map;
}

std::map<HWND, std::unique_ptr<CWnd>>& TemporaryMap()
{
    static std::map<HWND, std::unique_ptr<CWnd>> map;
    return map;
}

} // namespace

CWnd::~CWnd()
{
    if (m_hWnd)
        Detach();
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd)
        return nullptr;
    auto& permanent = PermanentMap();
    auto p = permanent.find(hWnd);
    if (p != permanent.end())
        return p->second;
    auto& temporary = TemporaryMap();
    auto& slot = temporary[hWnd];
    if (!slot)
        slot = std::make_unique<CWnd>(hWnd);
    return slot.get();
}

BOOL CWnd::Attach(HWND hWnd)
{
    if (!hWnd || m_hWnd)
        return FALSE;
    m_hWnd = hWnd;
    PermanentMap()[hWnd] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    auto& permanent = PermanentMap();
    auto p = permanent.find(hWnd);
    if (p != permanent.end() && p->second == this)
        permanent.erase(p);
    m_hWnd = nullptr;
    return hWnd;
}

void CWnd::DeleteTempMap()
{
    TemporaryMap().clear();
}

void CWnd::DetachChildren(HWND hParent)
{
    auto& permanent = PermanentMap();
    for (auto it = permanent.begin(); it != permanent.end();) {
        CWnd* wnd = it->second;
        ++it;
        if (::IsChild(hParent, wnd->m_hWnd))
            wnd->Detach();
    }
}

void CWnd::GetWindowText(CString& text) const
{
    int n = ::GetWindowTextLengthA(m_hWnd);
    std::unique_ptr<char[]> buf(new char[static_cast<size_t>(n) + 1]);
    int got = ::GetWindowTextA(m_hWnd, buf.get(), n + 1);
    text = CString(buf.get(), got);
}

void CWnd::ScreenToClient(LPRECT pRect) const
{
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&pRect->left));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&pRect->right));
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const DataExchangeFailure&) {
        // The failing exchange routine has told the user and set the focus.
        return FALSE;
    }
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*)
{
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

BOOL CWnd::OnCommand(WPARAM wParam)
{
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    try {
        if (OnCmdMsg(id, code))
            return TRUE;
    } catch (const CFileException& e) {
        // A file error that a command handler did not handle is reported
        // here and the window stays open.
        e.ReportError(m_hWnd, MB_ICONSTOP);
        return TRUE;
    }
    // Commands the window does not handle go to the application object.
    CWinApp* app = AfxGetApp();
    return app ? app->OnCmdMsg(id, code) : FALSE;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    *pResult = 0;
    if (message == WM_COMMAND)
        return OnCommand(wParam);

    const MessageMapEntry* entry = FindMessageEntry(GetMessageMap(), message, 0, 0);
    if (!entry)
        return FALSE;
    const bool outer = m_bDefaultRequested;
    m_bDefaultRequested = false;
    *pResult = entry->call(this, wParam, lParam);
    const bool wantsDefault = m_bDefaultRequested;
    m_bDefaultRequested = outer;
    return wantsDefault ? FALSE : TRUE;
}
