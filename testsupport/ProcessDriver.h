// Runs a program of the build in its own process and drives its windows from
// outside, as a user would: find a dialog by caption, read it, press buttons.
#pragma once

#include <windows.h>

#include <string>

class ChildProcess {
public:
    // Starts exe in the given directory; a name without a path is the
    // program built beside the running executable.
    ChildProcess(const char* exe, const std::string& workingDirectory);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return m_pi.hProcess != nullptr; }
    // A visible top-level dialog of this process with that caption, polled
    // until the timeout; null if none appeared.
    HWND WaitForDialog(const char* caption, DWORD timeoutMs = 10000) const;
    // The same, but only a dialog whose control of that id shows that text,
    // to tell apart dialogs that share a caption.
    HWND WaitForDialogShowing(const char* caption, int id, const char* text, DWORD timeoutMs = 10000) const;
    bool HasWindow(const char* caption) const;
    // Waits for the end; the exit code, or STILL_ACTIVE after the timeout.
    DWORD WaitForExit(DWORD timeoutMs = 10000) const;
    DWORD Id() const { return m_pi.dwProcessId; }

private:
    PROCESS_INFORMATION m_pi = {};
};

std::string BuildBinDirectory();

// Waits until the window (of any process) is destroyed; false when it is
// still there after the timeout.
bool WaitUntilGone(HWND hWnd, DWORD timeoutMs = 10000);

// Sets HKCU\Software\Wine "Version" for the programs started while it lives;
// Wine reads it at process start.
class ScopedWineVersion {
public:
    explicit ScopedWineVersion(const char* version);
    ~ScopedWineVersion();
    ScopedWineVersion(const ScopedWineVersion&) = delete;
    ScopedWineVersion& operator=(const ScopedWineVersion&) = delete;
};
