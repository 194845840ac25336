// ModalDriver: the timer, the search for the top dialog and small readers.
#include "ModalDriver.h"

#include <map>

namespace {
std::map<UINT_PTR, ModalDriver*>& Drivers()
{
    static std::map<UINT_PTR, ModalDriver*> drivers;
    return drivers;
}

struct Search {
    const char* caption;
    HWND found;
};

BOOL CALLBACK FindDialogProc(HWND hWnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    char cls[32];
    ::GetClassNameA(hWnd, cls, sizeof cls);
    if (std::string(cls) != "#32770" || !::IsWindowVisible(hWnd) || !::IsWindowEnabled(hWnd))
        return TRUE;
    if (search->caption[0] && WindowText(hWnd) != search->caption)
        return TRUE;
    search->found = hWnd;
    return FALSE;
}
} // namespace

ModalDriver::ModalDriver(std::vector<Step> steps, DWORD timeoutMs)
    : m_steps(std::move(steps)), m_deadline(::GetTickCount() + timeoutMs)
{
    m_timer = ::SetTimer(nullptr, 0, 30, OnTimer);
    Drivers()[m_timer] = this;
}

ModalDriver::~ModalDriver()
{
    ::KillTimer(nullptr, m_timer);
    Drivers().erase(m_timer);
}

void CALLBACK ModalDriver::OnTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    auto it = Drivers().find(id);
    if (it != Drivers().end())
        it->second->Tick();
}

void ModalDriver::Tick()
{
    if (m_busy)
        return;
    m_busy = true;
    HWND top = FindThreadDialog();
    if (static_cast<LONG>(::GetTickCount() - m_deadline) > 0) {
        // Out of time: close what is open so the test can report.
        m_timedOut = true;
        if (top)
            ::PostMessageA(top, WM_COMMAND, IDCANCEL, 0);
    } else if (top && m_next < m_steps.size()) {
        if (m_steps[m_next](top))
            ++m_next;
    }
    m_busy = false;
}

HWND FindThreadDialog(const char* caption)
{
    Search search = { caption, nullptr };
    ::EnumThreadWindows(::GetCurrentThreadId(), FindDialogProc, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowText(HWND hWnd)
{
    char buf[4096] = "";
    ::GetWindowTextA(hWnd, buf, sizeof buf);
    return buf;
}

std::string DlgItemText(HWND hDlg, int id)
{
    char buf[4096] = "";
    ::GetDlgItemTextA(hDlg, id, buf, sizeof buf);
    return buf;
}

std::string MessageBoxText(HWND hBox)
{
    return DlgItemText(hBox, 0xFFFF);
}

void PressButton(HWND hDlg, int id)
{
    ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, id)));
}

ModalDriver::Step CloseMessageBox(const char* caption, std::vector<std::string>* texts)
{
    std::string wanted = caption;
    return [wanted, texts](HWND top) {
        if (WindowText(top) != wanted)
            return false;
        texts->push_back(MessageBoxText(top));
        PressButton(top, IDOK);
        return true;
    };
}
