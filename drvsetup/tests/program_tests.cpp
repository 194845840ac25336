// drvsetup.exe started for real: the start-up messages on each system, the
// main window, and the two-second pause before the process ends.
#include "ModalDriver.h"
#include "ProcessDriver.h"
#include "TempDir.h"
#include "Texts.h"

#include <gtest/gtest.h>

namespace {

// The program pauses 2000 ms after its last window. Timed from before the
// close is sent, so that a slow test process can only lengthen what it
// measures; the margin covers the tick's granularity.
constexpr DWORD kPauseLowerBound = 1800;

// Reads and closes every start-up box; then the process must end, two
// seconds after the last box at the earliest, with the failure status.
void ExpectBoxesThenExit(ChildProcess& program, const std::vector<std::string>& expected)
{
    std::vector<std::string> seen;
    DWORD lastClosed = 0;
    for (size_t i = 0; i < expected.size(); ++i) {
        HWND box = program.WaitForDialog(texts::kCaption);
        ASSERT_NE(nullptr, box) << "box " << i;
        EXPECT_FALSE(program.HasWindow("drvsetup"));
        seen.push_back(MessageBoxText(box));
        lastClosed = ::GetTickCount();
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        // This box must go before the next one is looked for.
        ASSERT_TRUE(WaitUntilGone(box)) << "box " << i;
    }
    EXPECT_EQ(expected, seen);
    EXPECT_EQ(1u, program.WaitForExit());
    EXPECT_GE(::GetTickCount() - lastClosed, kPauseLowerBound);
}

} // namespace

TEST(Program, WithoutTheDriverImageOnlyTheMessageAppears)
{
    TempDir dir("no-image");
    ChildProcess program("drvsetup.exe", dir.Path());
    ASSERT_TRUE(program.Started());
    ExpectBoxesThenExit(program, { texts::kImageMissing });
}

TEST(Program, OlderSystemsAreRefusedAndBothChecksRun)
{
    TempDir dir("old-system");
    struct Case { const char* version; bool image; std::vector<std::string> boxes; };
    const Case cases[] = {
        { "win95", false, { texts::kNotForWindows95, texts::kImageMissing } },
        { "nt351", true, { texts::kNotForOldNt } },
    };
    for (const Case& c : cases) {
        if (c.image)
            dir.Write("cdrom.sys", "image");
        else
            ::DeleteFileA(dir.File("cdrom.sys").c_str());
        ScopedWineVersion version(c.version);
        ChildProcess program("drvsetup.exe", dir.Path());
        ASSERT_TRUE(program.Started()) << c.version;
        ExpectBoxesThenExit(program, c.boxes);
    }
}

TEST(Program, MainWindowOpensOnNt40AndTheProcessEndsAfterThePause)
{
    TempDir dir("with-image");
    dir.Write("cdrom.sys", "image");
    ScopedWineVersion version("nt40");
    ChildProcess program("drvsetup.exe", dir.Path());
    ASSERT_TRUE(program.Started());
    HWND main = program.WaitForDialog("drvsetup");
    ASSERT_NE(nullptr, main);
    EXPECT_FALSE(program.HasWindow(texts::kCaption));
    const DWORD closed = ::GetTickCount();
    ::PostMessageA(main, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(0u, program.WaitForExit());
    EXPECT_GE(::GetTickCount() - closed, kPauseLowerBound);
}

TEST(Program, VersionResourceMatchesTheAboutBox)
{
    const std::string exe = BuildBinDirectory() + "\\drvsetup.exe";
    DWORD handle = 0;
    DWORD size = ::GetFileVersionInfoSizeA(exe.c_str(), &handle);
    ASSERT_NE(0u, size);
    std::vector<char> data(size);
    ASSERT_TRUE(::GetFileVersionInfoA(exe.c_str(), 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    ASSERT_TRUE(::VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &len));
    EXPECT_EQ(MAKELONG(0, 3), static_cast<LONG>(fixed->dwFileVersionMS));
    char* text = nullptr;
    ASSERT_TRUE(::VerQueryValueA(data.data(), "\\StringFileInfo\\040904E4\\FileVersion",
                                 reinterpret_cast<void**>(&text), &len));
    EXPECT_STREQ("3.0", text);
}
