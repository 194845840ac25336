// Start-up checks: system version, installation directory, driver image.
#include "StartupChecks.h"

#include "Texts.h"

#include <cstring>

namespace {
// The directory may take 240 characters: with "\cdrom.sys" the name still
// fits the 256-character buffer.
constexpr DWORD kDirectoryLimit = 241;
constexpr DWORD kPauseMs = 2000;
} // namespace

bool IsWindowsNT(DWORD& majorVersion, StartupPlatform& platform)
{
    OSVERSIONINFOA info;
    std::memset(&info, 0, sizeof info);
    info.dwOSVersionInfoSize = sizeof info;   // 148
    if (!platform.QueryVersion(&info))
        return false;
    majorVersion = info.dwMajorVersion;
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

void RunStartupChecks(StartupPlatform& platform, int& startupFailed)
{
    DWORD majorVersion = 0;
    if (!IsWindowsNT(majorVersion, platform)) {
        platform.ShowMessage(texts::kNotForWindows95);
        startupFailed = 1;
    } else if (majorVersion < 4) {
        platform.ShowMessage(texts::kNotForOldNt);
        startupFailed = 1;
    }

    char imagePath[256];
    std::memset(imagePath, 0, sizeof imagePath);
    DWORD n = platform.CurrentDirectory(kDirectoryLimit, imagePath);
    if (n == 0 || n >= kDirectoryLimit) {
        platform.ShowMessage(texts::kDirectoryTooDeep);
        startupFailed = 1;
    } else {
        // No test for a trailing separator: a root directory gives "C:\\cdrom.sys".
        std::strcat(imagePath, "\\cdrom.sys");
        if (!platform.EntryExists(imagePath)) {
            platform.ShowMessage(texts::kImageMissing);
            startupFailed = 1;
        }
    }

    if (!startupFailed)
        platform.RunMainWindow();
    platform.Pause(kPauseMs);
}
