// Start-up checks of the installer: the system must be Windows NT 4.0 or
// later and the working directory must hold the driver image.
#pragma once

#include <windows.h>

// The platform operations the start-up needs, passed in so that the checks
// can run against any system version and directory.
class StartupPlatform {
public:
    virtual ~StartupPlatform() = default;
    virtual BOOL QueryVersion(OSVERSIONINFOA* pInfo) = 0;         // GetVersionExA
    virtual DWORD CurrentDirectory(DWORD nLimit, char* pBuffer) = 0;  // GetCurrentDirectoryA
    virtual bool EntryExists(const char* pszPath) = 0;            // FindFirstFileA
    virtual void ShowMessage(const char* pszText) = 0;            // system-modal box, no owner
    virtual void RunMainWindow() = 0;                             // the installer window, modal
    virtual void Pause(DWORD nMilliseconds) = 0;                  // Sleep
};

// Fills the version record; false when the query fails (majorVersion then
// untouched). Otherwise stores the major version and answers whether the
// platform is Windows NT.
bool IsWindowsNT(DWORD& majorVersion, StartupPlatform& platform);

// Steps 3 to 6 of the start-up: both checks (each failure shown and recorded
// in startupFailed), the main window only when none failed, then the pause.
void RunStartupChecks(StartupPlatform& platform, int& startupFailed);
