// drvsetup.exe started for real on a seeded NT 4.0 machine and driven from
// outside: Install, Uninstall, Exit; the original driver is back afterwards.
#include "Machine.h"
#include "MessageBoxReader.h"
#include "ProcessDriver.h"
#include "RegistryFixture.h"
#include "TempDir.h"
#include "Texts.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {

// Presses a button of the program's main window and returns the text of
// the summary box it answers with, after closing the box.
std::string PressAndReadSummary(ChildProcess& program, HWND main, int button)
{
    ::PostMessageA(main, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(main, button)));
    HWND box = program.WaitForDialog(texts::kCaption);
    if (!box)
        return "(no box)";
    MessageBoxSeen seen = ReadMessageBox(box);
    EXPECT_EQ(main, seen.owner);
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    // The next box is found by its caption: this one must be gone first.
    EXPECT_TRUE(WaitUntilGone(box));
    return seen.text;
}

} // namespace

TEST(InstallProgram, InstallUninstallExitLeavesTheOriginalDriver)
{
    ScopedCdromService service;
    ScopedDriverDirectory drivers;
    ASSERT_TRUE(SeedCdromService(SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, "System32\\DRIVERS\\Cdrom.sys", "Cdrom"));
    SetDword(kCdromKeyPath, "Autorun", 1);
    const std::string stock = StockImage();
    WriteFileBytes(drivers.File("Cdrom.sys"), stock);

    TempDir dir("seeded-install");
    dir.Write("cdrom.sys", "REPLACEMENT CDROM.SYS");
    dir.Write("FerlCdr.cfg", "[Recorders]\nACME CDR-4X\r\nACME CDR-8X ;eight times\r\n");
    ScopedWineVersion version("nt40");
    ChildProcess program("drvsetup.exe", dir.Path());
    ASSERT_TRUE(program.Started());
    HWND main = program.WaitForDialog("drvsetup");
    ASSERT_NE(nullptr, main);

    EXPECT_EQ(std::string(texts::kAutorunEnabled) + texts::kBackedUp + texts::kInstallComplete,
              PressAndReadSummary(program, main, IDC_INSTALL));
    EXPECT_EQ((Entries{ { "0", "ACME CDR-4X" }, { "1", "ACME CDR-8X " } }), StoredEntries());
    EXPECT_EQ("REPLACEMENT CDROM.SYS", FileBytes(drivers.File("Cdrom.sys")));
    EXPECT_EQ(static_cast<DWORD>(SERVICE_SYSTEM_START), QueryCdromService().start);

    EXPECT_EQ(std::string(texts::kAutorunDisabled) + texts::kUninstallComplete,
              PressAndReadSummary(program, main, IDC_UNINSTALL));
    EXPECT_FALSE(KeyExists(kListPath.c_str()));
    EXPECT_EQ(std::string("\0\0\0\0", 4), ReadValue(kCdromKeyPath, "Autorun").data);

    ::PostMessageA(main, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(0u, program.WaitForExit());
    EXPECT_TRUE(FileBytes(drivers.File("Cdrom.sys")) == stock) << "the original image is not back";
    EXPECT_TRUE(FileBytes(drivers.File("Cdrom.org")) == stock) << "the backup did not stay";
}
