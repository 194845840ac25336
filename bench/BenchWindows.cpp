// BenchWindows: the hidden host and its child controls.
#include "BenchWindows.h"

#include <cstdio>

BenchWindows::BenchWindows()
    : m_host(::CreateWindowExA(0, "STATIC", "bridge benchmark", WS_POPUP, 0, 0, 400, 400, nullptr, nullptr,
                               ::GetModuleHandleA(nullptr), nullptr))
{
}

BenchWindows::~BenchWindows()
{
    ::DestroyWindow(m_host);
}

HWND BenchWindows::Child(const char* cls, DWORD style) const
{
    return ::CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 300, 200, m_host, nullptr,
                             ::GetModuleHandleA(nullptr), nullptr);
}

HWND BenchWindows::Static() const
{
    return Child("STATIC", SS_LEFT);
}

HWND BenchWindows::ListBox() const
{
    return Child("LISTBOX", WS_VSCROLL | LBS_NOINTEGRALHEIGHT);
}

void BenchWindows::Fill(HWND list, int count)
{
    for (int i = 0; i < count; ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "Line %d", i);
        ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    }
}
