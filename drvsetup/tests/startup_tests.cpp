// Start-up checks over a scripted platform: every system version and
// directory case, the messages in order, the main window and the pause.
#include "StartupChecks.h"
#include "Texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ScriptedPlatform : public StartupPlatform {
public:
    bool versionOk = true;
    DWORD platformId = VER_PLATFORM_WIN32_NT;
    DWORD major = 4;
    std::string directory = "C:\\install";
    bool imagePresent = true;

    std::vector<std::string> events;   // messages, lookups, window and pause in order

    BOOL QueryVersion(OSVERSIONINFOA* info) override
    {
        events.push_back("version size " + std::to_string(info->dwOSVersionInfoSize));
        if (!versionOk)
            return FALSE;
        info->dwPlatformId = platformId;
        info->dwMajorVersion = major;
        return TRUE;
    }
    DWORD CurrentDirectory(DWORD limit, char* buffer) override
    {
        // GetCurrentDirectoryA: the length when it fits, else the size needed.
        if (directory.size() + 1 > limit)
            return static_cast<DWORD>(directory.size() + 1);
        directory.copy(buffer, directory.size());
        buffer[directory.size()] = '\0';
        return static_cast<DWORD>(directory.size());
    }
    bool EntryExists(const char* path) override
    {
        events.push_back(std::string("lookup ") + path);
        return imagePresent;
    }
    void ShowMessage(const char* text) override { events.push_back(std::string("box ") + text); }
    void RunMainWindow() override { events.push_back("main window"); }
    void Pause(DWORD ms) override { events.push_back("pause " + std::to_string(ms)); }
};

const std::string kBox95 = std::string("box ") + texts::kNotForWindows95;
const std::string kBoxOldNt = std::string("box ") + texts::kNotForOldNt;
const std::string kBoxDeep = std::string("box ") + texts::kDirectoryTooDeep;
const std::string kBoxMissing = std::string("box ") + texts::kImageMissing;

} // namespace

TEST(Startup, ChecksRunInOrderAndThePauseAlwaysFollows)
{
    const std::string dir240 = "C:\\" + std::string(237, 'd');
    const std::string dir241 = dir240 + "e";
    const std::string lookup = "lookup C:\\install\\cdrom.sys";
    struct Case {
        const char* name;
        bool versionOk;
        DWORD platformId;
        DWORD major;
        std::string directory;
        bool imagePresent;
        std::vector<std::string> events;   // after the version query
        int failed;
    };
    const Case cases[] = {
        { "NT 4.0", true, VER_PLATFORM_WIN32_NT, 4, "C:\\install", true,
          { lookup, "main window", "pause 2000" }, 0 },
        { "later NT", true, VER_PLATFORM_WIN32_NT, 10, "C:\\install", true,
          { lookup, "main window", "pause 2000" }, 0 },
        { "Windows 95", true, VER_PLATFORM_WIN32_WINDOWS, 4, "C:\\install", true,
          { kBox95, lookup, "pause 2000" }, 1 },
        { "version query fails", false, 0, 0, "C:\\install", true,
          { kBox95, lookup, "pause 2000" }, 1 },
        { "NT 3.51", true, VER_PLATFORM_WIN32_NT, 3, "C:\\install", true,
          { kBoxOldNt, lookup, "pause 2000" }, 1 },
        { "Windows 95 without the image: both messages", true, VER_PLATFORM_WIN32_WINDOWS, 4, "C:\\install", false,
          { kBox95, lookup, kBoxMissing, "pause 2000" }, 1 },
        { "image missing", true, VER_PLATFORM_WIN32_NT, 4, "C:\\install", false,
          { lookup, kBoxMissing, "pause 2000" }, 1 },
        { "240-character directory", true, VER_PLATFORM_WIN32_NT, 4, dir240, true,
          { "lookup " + dir240 + "\\cdrom.sys", "main window", "pause 2000" }, 0 },
        { "241-character directory: no lookup", true, VER_PLATFORM_WIN32_NT, 4, dir241, true,
          { kBoxDeep, "pause 2000" }, 1 },
        { "root directory keeps both separators", true, VER_PLATFORM_WIN32_NT, 4, "C:\\", true,
          { "lookup C:\\\\cdrom.sys", "main window", "pause 2000" }, 0 },
    };
    ASSERT_EQ(240u, dir240.size());
    for (const Case& c : cases) {
        ScriptedPlatform platform;
        platform.versionOk = c.versionOk;
        platform.platformId = c.platformId;
        platform.major = c.major;
        platform.directory = c.directory;
        platform.imagePresent = c.imagePresent;
        int failed = 0;
        RunStartupChecks(platform, failed);

        std::vector<std::string> expected = { "version size 148" };
        expected.insert(expected.end(), c.events.begin(), c.events.end());
        EXPECT_EQ(expected, platform.events) << c.name;
        EXPECT_EQ(c.failed, failed) << c.name;
    }
}

TEST(Startup, FlagSetBeforeKeepsTheWindowClosed)
{
    // The flag is only ever set: a failure recorded earlier still counts.
    ScriptedPlatform platform;
    int failed = 1;
    RunStartupChecks(platform, failed);
    EXPECT_EQ((std::vector<std::string>{ "version size 148", "lookup C:\\install\\cdrom.sys", "pause 2000" }),
              platform.events);
}

TEST(Startup, IsWindowsNTStoresTheMajorVersionOfAnyPlatform)
{
    ScriptedPlatform platform;
    platform.platformId = VER_PLATFORM_WIN32_WINDOWS;
    platform.major = 4;
    DWORD major = 0;
    EXPECT_FALSE(IsWindowsNT(major, platform));
    EXPECT_EQ(4u, major);

    platform.versionOk = false;
    major = 0;
    EXPECT_FALSE(IsWindowsNT(major, platform));
    EXPECT_EQ(0u, major);
}
