// The Install and Uninstall commands of the main window: the platform
// operations they examine. The commands themselves are CInstallerDlg's
// OnInstall and OnUninstall.
#pragma once

#include <windows.h>

// The directory queries of the two commands, passed in so that directories a
// test machine cannot have (none at all, or too long) can be shown. The
// defaults ask the system.
class CommandPlatform {
public:
    virtual ~CommandPlatform() = default;
    virtual DWORD CurrentDirectory(DWORD nLength, char* pBuffer)   // GetCurrentDirectoryA
    { return ::GetCurrentDirectoryA(nLength, pBuffer); }
    virtual UINT WindowsDirectory(char* pBuffer, UINT nSize)       // GetWindowsDirectoryA
    { return ::GetWindowsDirectoryA(pBuffer, nSize); }
};

// The system's own directories.
CommandPlatform& SystemCommandPlatform();
