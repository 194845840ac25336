// FrontEnd: the host window, its child controls and the recorded messages.
#include "FrontEnd.h"

#include "uibridge.h"

#include <commctrl.h>

namespace {

const char kHostClass[] = "BridgeTestHost";
const char kFakeListClass[] = "BridgeTestFakeList";

bool IsRecorded(UINT message)
{
    return (message >= WM_APP && message < WM_APP + 0x100) || message == WM_COMMAND ||
           message == WM_KEYDOWN || message == WM_CHAR;
}

void RegisterClasses(WNDPROC hostProc, WNDPROC fakeListProc)
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA wc = {};
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpfnWndProc = hostProc;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.lpszClassName = kHostClass;
    ::RegisterClassA(&wc);
    wc.lpfnWndProc = fakeListProc;
    wc.lpszClassName = kFakeListClass;
    ::RegisterClassA(&wc);
    registered = true;
}

FrontEnd* Owner(HWND hWnd)
{
    return reinterpret_cast<FrontEnd*>(::GetWindowLongPtrA(hWnd, 0));
}

} // namespace

void UnbindAll()
{
    mf_SetActionStatusControl(nullptr);
    mf_SetSubActionStatusControl(nullptr);
    mf_SetVolumeStatusControl(nullptr);
    mf_SetTracksStatusControl(nullptr);
    mf_SetCurrentTrackStatusControl(nullptr);
    mf_SetCurrentDirStatusControl(nullptr);
    mf_SetFreeSectorsStatusControl(nullptr);
    mf_SetCurrentDeviceStatusControl(nullptr);
    mf_SetBufferPercentageControl(nullptr);
    mf_SetPercentageControl(nullptr);
    mf_SetTemporaryLineControl(nullptr);
    mf_SetWriteLineControl(nullptr);
}

FrontEnd::FrontEnd()
{
    RegisterClasses(HostProc, FakeListProc);
    m_host = ::CreateWindowExA(0, kHostClass, "bridge test", WS_POPUP, 0, 0, 400, 4000, nullptr, nullptr,
                               ::GetModuleHandleA(nullptr), nullptr);
    ::SetWindowLongPtrA(m_host, 0, reinterpret_cast<LONG_PTR>(this));

    // A permanent line through a scratch list clears the temporary-line flag.
    UnbindAll();
    CWnd scratch(::CreateWindowExA(0, "LISTBOX", "", WS_CHILD, 0, 0, 10, 10, m_host, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr));
    mf_SetWriteLineControl(&scratch);
    WriteLine("");
    mf_SetWriteLineControl(nullptr);
    ::DestroyWindow(scratch.Detach());
    ClearUserInterrupt();
    TakeQueue();
    received.clear();
}

FrontEnd::~FrontEnd()
{
    UnbindAll();
    ::SetWindowLongPtrA(m_host, 0, 0);
    ::DestroyWindow(m_host);
    TakeQueue();
}

CWnd& FrontEnd::Child(const char* cls, const char* text, DWORD style, int height)
{
    HWND hWnd = ::CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, m_nextY, 300, height, m_host,
                                  nullptr, ::GetModuleHandleA(nullptr), nullptr);
    m_nextY += height;
    m_children.push_back(std::make_unique<CWnd>(hWnd));
    return *m_children.back();
}

CWnd& FrontEnd::Static(const char* text)
{
    return Child("STATIC", text, SS_LEFT, 20);
}

CWnd& FrontEnd::ListBox()
{
    return Child("LISTBOX", "", WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 100);
}

CWnd& FrontEnd::QuietListBox()
{
    return Child("LISTBOX", "", LBS_NOREDRAW | LBS_NOINTEGRALHEIGHT, 100);
}

CWnd& FrontEnd::ProgressBar(int maximum)
{
    CWnd& bar = Child(PROGRESS_CLASSA, "", 0, 20);
    bar.SendMessage(PBM_SETRANGE32, 0, maximum);
    return bar;
}

CWnd& FrontEnd::FakeList(int count, int addResult)
{
    m_fakeCount = count;
    m_fakeAddResult = addResult;
    CWnd& fake = Child(kFakeListClass, "", 0, 20);
    ::SetWindowLongPtrA(fake.m_hWnd, 0, reinterpret_cast<LONG_PTR>(this));
    return fake;
}

void FrontEnd::Post(int n) const
{
    ::PostMessageA(m_host, WM_APP + n, static_cast<WPARAM>(n), 0);
}

void FrontEnd::PostCommand(WORD id) const
{
    ::PostMessageA(m_host, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

void FrontEnd::PostKeyDown(WPARAM key) const
{
    ::PostMessageA(m_host, WM_KEYDOWN, key, 1);
}

LRESULT CALLBACK FrontEnd::HostProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    FrontEnd* self = Owner(hWnd);
    if (self && IsRecorded(message)) {
        self->received.push_back({ message, wParam });
        if (self->onMessage)
            self->onMessage(message, wParam);
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

LRESULT CALLBACK FrontEnd::FakeListProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    FrontEnd* self = Owner(hWnd);
    if (!self || message < LB_ADDSTRING || message > LB_MSGMAX)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    self->received.push_back({ message, wParam });
    switch (message) {
    case LB_GETCOUNT: return self->m_fakeCount;
    case LB_ADDSTRING: return self->m_fakeAddResult;
    default: return 0;
    }
}

std::vector<MSG> TakeQueue()
{
    std::vector<MSG> taken;
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        taken.push_back(msg);
        if (msg.message == WM_QUIT)
            break;
    }
    return taken;
}

std::vector<std::string> Lines(HWND list)
{
    std::vector<std::string> lines;
    const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const LRESULT length = ::SendMessageA(list, LB_GETTEXTLEN, i, 0);
        std::vector<char> buf(static_cast<size_t>(length < 0 ? 0 : length) + 1);
        ::SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buf.data()));
        lines.emplace_back(buf.data());
    }
    return lines;
}

void Fill(HWND list, int count)
{
    for (int i = 0; i < count; ++i) {
        const std::string line = "old " + std::to_string(i);
        ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
}

bool LastLineVisible(HWND list)
{
    const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
    RECT item, client;
    if (count <= 0 || ::SendMessageA(list, LB_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&item)) == LB_ERR)
        return false;
    ::GetClientRect(list, &client);
    return item.top >= client.top && item.bottom <= client.bottom;
}
