// ChildProcess: start, find windows, wait.
#include "ProcessDriver.h"

#include "WaitUntil.h"

#include <cstring>
#include <vector>

namespace {
struct Search {
    DWORD pid;
    std::string caption;
    HWND found;
    int itemId = 0;            // 0: any dialog with the caption
    std::string itemText;
};

BOOL CALLBACK FindTopLevel(HWND hWnd, LPARAM lParam)
{
    auto* s = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != s->pid || !::IsWindowVisible(hWnd))
        return TRUE;
    char text[256] = "";
    ::GetWindowTextA(hWnd, text, sizeof text);
    if (s->caption != text)
        return TRUE;
    if (s->itemId) {
        char item[1024] = "";
        ::GetDlgItemTextA(hWnd, s->itemId, item, sizeof item);
        if (s->itemText != item)
            return TRUE;
    }
    s->found = hWnd;
    return FALSE;
}
} // namespace

std::string BuildBinDirectory()
{
    char path[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir(path, n);
    return dir.substr(0, dir.find_last_of('\\'));
}

bool WaitUntilGone(HWND hWnd, DWORD timeoutMs)
{
    return WaitUntil([hWnd] { return !::IsWindow(hWnd); }, timeoutMs);
}

ChildProcess::ChildProcess(const char* exe, const std::string& workingDirectory)
{
    const std::string program = std::strchr(exe, '\\') ? exe : BuildBinDirectory() + "\\" + exe;
    std::string command = "\"" + program + "\"";
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workingDirectory.c_str(), &si, &m_pi))
        m_pi = {};
}

ChildProcess::~ChildProcess()
{
    if (!m_pi.hProcess)
        return;
    if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT)
        ::TerminateProcess(m_pi.hProcess, 255);
    ::CloseHandle(m_pi.hThread);
    ::CloseHandle(m_pi.hProcess);
}

HWND ChildProcess::WaitForDialog(const char* caption, DWORD timeoutMs) const
{
    return WaitForDialogShowing(caption, 0, "", timeoutMs);
}

HWND ChildProcess::WaitForDialogShowing(const char* caption, int id, const char* text, DWORD timeoutMs) const
{
    const DWORD start = ::GetTickCount();
    do {
        Search s = { m_pi.dwProcessId, caption, nullptr, id, text };
        ::EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&s));
        if (s.found)
            return s.found;
        ::Sleep(20);
    } while (::GetTickCount() - start < timeoutMs);
    return nullptr;
}

bool ChildProcess::HasWindow(const char* caption) const
{
    Search s = { m_pi.dwProcessId, caption, nullptr, 0, "" };
    ::EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&s));
    return s.found != nullptr;
}

DWORD ChildProcess::WaitForExit(DWORD timeoutMs) const
{
    if (::WaitForSingleObject(m_pi.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(m_pi.hProcess, &code);
    return code;
}

ScopedWineVersion::ScopedWineVersion(const char* version)
{
    HKEY key;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                          nullptr) != ERROR_SUCCESS)
        return;
    ::RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                     static_cast<DWORD>(std::strlen(version) + 1));
    ::RegCloseKey(key);
}

ScopedWineVersion::~ScopedWineVersion()
{
    HKEY key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Wine", 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    ::RegDeleteValueA(key, "Version");
    ::RegCloseKey(key);
}
