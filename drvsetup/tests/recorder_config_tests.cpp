// Locating the recorder configuration file through the prefix's real
// WIN.INI and the current directory.
#include "RecorderConfig.h"
#include "TempDir.h"
#include "Texts.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const char* const kSections[] = {
    "Ferl for Windows NT", "Ferl f\xFCr Windows NT", "Ferl pour Windows NT", "Ferl para Windows NT",
};

// Removes the four sections before and after each test.
class WinIniFixture : public ::testing::Test {
protected:
    WinIniFixture() : withFile("cfg-with"), withoutFile("cfg-without"), cwd("cfg-cwd")
    {
        Clear();
        withFile.Write("Ferlcdr.cfg", "[drives]\n");
    }
    ~WinIniFixture() override { Clear(); }

    static void Clear()
    {
        for (const char* section : kSections)
            ::WritePrivateProfileStringA(section, nullptr, nullptr, "WIN.INI");
    }
    static void Set(int section, const std::string& value)
    {
        ::WritePrivateProfileStringA(kSections[section], "FERLDIR", value.c_str(), "WIN.INI");
    }

    TempDir withFile;
    TempDir withoutFile;
    TempDir cwd;
};

} // namespace

TEST_F(WinIniFixture, FirstAcceptedSectionWinsThenTheCurrentDirectory)
{
    const std::string found = withFile.File("Ferlcdr.cfg");
    const std::string inCwd = cwd.File("Ferlcdr.cfg");
    struct Case {
        const char* name;
        std::vector<std::pair<int, std::string>> entries;
        bool cwdHasFile;
        std::string path;
        int valid;
    };
    const Case cases[] = {
        { "no entry, file in the current directory", {}, true, inCwd, 1 },
        { "no entry anywhere", {}, false, texts::kConfigNotFound, 0 },
        { "first section names the directory", { { 0, withFile.Path() } }, false, found, 1 },
        { "trailing backslash gets no second one", { { 0, withFile.Path() + "\\" } }, false, found, 1 },
        { "fourth section alone", { { 3, withFile.Path() } }, false, found, 1 },
        { "empty first value ends the lookup", { { 0, "" }, { 1, withFile.Path() } }, true, inCwd, 1 },
        { "empty fourth value is passed over", { { 3, "" } }, true, inCwd, 1 },
        { "one character is passed over", { { 0, "C" }, { 1, withFile.Path() } }, false, found, 1 },
        { "accepted directory without the file: no later section",
          { { 0, withoutFile.Path() }, { 1, withFile.Path() } }, true, inCwd, 1 },
        { "accepted directory without the file, none in cwd",
          { { 0, withoutFile.Path() }, { 1, withFile.Path() } }, false, texts::kConfigNotFound, 0 },
        { "name that would not fit the record", { { 0, "C:\\" + std::string(250, 'x') } }, true, inCwd, 1 },
    };
    for (const Case& c : cases) {
        Clear();
        for (const auto& entry : c.entries)
            Set(entry.first, entry.second);
        if (c.cwdHasFile)
            cwd.Write("Ferlcdr.cfg", "x\n");
        else
            ::DeleteFileA(inCwd.c_str());
        ScopedCurrentDirectory inside(cwd.Path());
        std::memset(&RecorderConfig, 0x55, sizeof RecorderConfig);
        LocateRecorderConfig();
        EXPECT_EQ(c.path, RecorderConfig.path) << c.name;
        EXPECT_EQ(c.valid, RecorderConfig.valid) << c.name;
    }
}

TEST_F(WinIniFixture, ShownNameIsSpelledTheSameWhateverTheCaseOnDisk)
{
    ::DeleteFileA(withFile.File("Ferlcdr.cfg").c_str());
    withFile.Write("FERLCDR.CFG", "x\n");
    Set(0, withFile.Path());
    LocateRecorderConfig();
    EXPECT_EQ(withFile.Path() + "\\Ferlcdr.cfg", RecorderConfig.path);
    EXPECT_EQ(1, RecorderConfig.valid);
}

TEST(ProbeConfigFile, ComposesTheNameInPlace)
{
    struct Case { const char* dir; const char* composed; };
    const Case cases[] = {
        { "", "\\Ferlcdr.cfg" },
        { "C:\\Ferl", "C:\\Ferl\\Ferlcdr.cfg" },
        { "C:\\", "C:\\Ferlcdr.cfg" },
    };
    for (const Case& c : cases) {
        char buffer[256];
        std::strcpy(buffer, c.dir);
        EXPECT_EQ(-1, ProbeConfigFile(buffer)) << c.dir;   // none of them exists
        EXPECT_STREQ(c.composed, buffer);
    }
}
