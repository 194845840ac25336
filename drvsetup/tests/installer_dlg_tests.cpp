// The main window run for real under Wine: controls after initialisation,
// the About box, Browse and the autorun check box.
#include "InstallerDlg.h"
#include "ModalDriver.h"
#include "RecorderConfig.h"
#include "RegistryFixture.h"
#include "TempDir.h"
#include "Texts.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {

CWinApp testApp("drvsetup");

struct ControlState {
    std::string text;
    bool enabled;
    bool visible;
    LRESULT check;
};

ControlState ReadControl(HWND dlg, int id)
{
    HWND ctl = ::GetDlgItem(dlg, id);
    return { WindowText(ctl), ::IsWindowEnabled(ctl) != FALSE, ::IsWindowVisible(ctl) != FALSE,
             ::SendMessageA(ctl, BM_GETCHECK, 0, 0) };
}

const std::string kListPath = std::string(kCdromKeyPath) + "\\RegisteredCDR";

// Runs the main window with the given steps after it opened; Exit ends it.
INT_PTR RunMainWindow(std::vector<ModalDriver::Step> steps)
{
    steps.push_back([](HWND top) {
        if (WindowText(top) != "drvsetup")
            return false;
        PressButton(top, IDOK);
        return true;
    });
    ModalDriver driver(std::move(steps));
    CInstallerDlg dlg;
    INT_PTR result = dlg.DoModal();
    EXPECT_TRUE(driver.Finished()) << "steps done: " << driver.StepsDone();
    return result;
}

} // namespace

TEST(InstallerWindow, StartStateFollowsTheRegistry)
{
    TempDir dir("main-window");
    dir.Write("Ferlcdr.cfg", "x\n");
    ScopedCurrentDirectory inside(dir.Path());
    struct Case { const char* name; bool key; DWORD autorun; bool list; bool uninstall; LRESULT check; };
    const Case cases[] = {
        { "no Cdrom key", false, 0, false, false, BST_UNCHECKED },
        { "autorun on, list present", true, 1, true, true, BST_CHECKED },
        { "autorun 0, no list", true, 0, false, false, BST_UNCHECKED },
    };
    for (const Case& c : cases) {
        ScopedCdromKey fixture(c.key);
        if (c.key)
            SetDword(kCdromKeyPath, "Autorun", c.autorun);
        if (c.list)
            CreateKey(kListPath.c_str());
        std::map<int, ControlState> seen;
        HWND focus = nullptr, exitButton = nullptr;
        RunMainWindow({ [&](HWND top) {
            for (int id : { IDOK, IDC_CONFIG_PATH, IDC_INSTALL, IDC_BROWSE, IDC_UNINSTALL, IDC_AUTORUN })
                seen[id] = ReadControl(top, id);
            focus = ::GetFocus();
            exitButton = ::GetDlgItem(top, IDOK);
            return true;
        } });
        EXPECT_EQ("Exit", seen[IDOK].text) << c.name;
        EXPECT_EQ(dir.File("Ferlcdr.cfg"), seen[IDC_CONFIG_PATH].text) << c.name;
        EXPECT_EQ("Install", seen[IDC_INSTALL].text) << c.name;
        EXPECT_TRUE(seen[IDC_INSTALL].enabled) << c.name;
        EXPECT_EQ("Browse...", seen[IDC_BROWSE].text) << c.name;
        EXPECT_EQ("Uninstall", seen[IDC_UNINSTALL].text) << c.name;
        EXPECT_EQ(c.uninstall, seen[IDC_UNINSTALL].enabled) << c.name;
        EXPECT_EQ("CD autorun, auto insert notification", seen[IDC_AUTORUN].text) << c.name;
        EXPECT_FALSE(seen[IDC_AUTORUN].enabled) << c.name;
        EXPECT_EQ(c.check, seen[IDC_AUTORUN].check) << c.name;
        EXPECT_EQ(exitButton, focus) << c.name;
        EXPECT_EQ(1, RecorderConfig.valid) << c.name;
    }
}

TEST(InstallerWindow, ConfigurationNotFoundIsShownInThePathField)
{
    TempDir dir("main-window-empty");
    ScopedCurrentDirectory inside(dir.Path());
    ScopedCdromKey fixture(false);
    std::string shown;
    LRESULT limit = 0;
    RunMainWindow({ [&](HWND top) {
        shown = DlgItemText(top, IDC_CONFIG_PATH);
        limit = ::SendDlgItemMessageA(top, IDC_CONFIG_PATH, EM_GETLIMITTEXT, 0, 0);
        return true;
    } });
    EXPECT_EQ(texts::kConfigNotFound, shown);
    EXPECT_EQ(0, RecorderConfig.valid);
    EXPECT_EQ(256, limit);
}

TEST(InstallerWindow, SystemMenuIconsAndTheAboutBox)
{
    ScopedCdromKey fixture(false);
    std::string menuText;
    UINT separatorState = 0;
    HICON bigIcon = nullptr, smallIcon = nullptr, dragIcon = nullptr;
    std::vector<std::string> about;
    auto openAbout = [](WPARAM command) {
        return [command](HWND top) {
            if (WindowText(top) != "drvsetup")
                return false;
            ::PostMessageA(top, WM_SYSCOMMAND, command, 0);
            return true;
        };
    };
    auto readAndCloseAbout = [&](HWND top) {
        if (WindowText(top) != "About drvsetup")
            return false;
        about.push_back(DlgItemText(top, IDC_STATIC));
        HWND first = ::GetWindow(top, GW_CHILD);
        about.push_back(WindowText(first));
        PressButton(top, IDOK);
        return true;
    };
    RunMainWindow({
        [&](HWND top) {
            HMENU menu = ::GetSystemMenu(top, FALSE);
            int count = ::GetMenuItemCount(menu);
            char text[64] = "";
            ::GetMenuStringA(menu, IDM_ABOUTBOX, text, sizeof text, MF_BYCOMMAND);
            menuText = text;
            separatorState = ::GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION);
            bigIcon = reinterpret_cast<HICON>(::SendMessageA(top, WM_GETICON, ICON_BIG, 0));
            smallIcon = reinterpret_cast<HICON>(::SendMessageA(top, WM_GETICON, ICON_SMALL, 0));
            dragIcon = reinterpret_cast<HICON>(::SendMessageA(top, WM_QUERYDRAGICON, 0, 0));
            return true;
        },
        openAbout(IDM_ABOUTBOX), readAndCloseAbout,
        // The low four bits of a system command are the system's own.
        openAbout(0x001F), readAndCloseAbout,
    });
    EXPECT_EQ("&About this installer.", menuText);
    EXPECT_TRUE(separatorState & MF_SEPARATOR);
    EXPECT_NE(nullptr, bigIcon);
    EXPECT_EQ(bigIcon, smallIcon);
    EXPECT_EQ(bigIcon, dragIcon);
    ASSERT_EQ(4u, about.size());
    EXPECT_EQ("drvsetup Version 3.0", about[1]);
    EXPECT_EQ(about[1], about[3]);
}

TEST(InstallerWindow, BrowseTakesAnyFileAndKeepsTheCurrentDirectory)
{
    ScopedCdromKey fixture(false);
    TempDir start("browse-start");
    TempDir other("browse-other");
    other.Write("recorders.txt", "x\n");
    ScopedCurrentDirectory inside(start.Path());
    const std::string chosen = other.File("recorders.txt");
    std::string shown, openCaption;
    RunMainWindow({
        [&](HWND top) { PressButton(top, IDC_BROWSE); return true; },
        [&](HWND top) {
            if (WindowText(top) == "drvsetup")
                return false;
            openCaption = WindowText(top);
            // The file name field: a combo box in the Explorer-style dialog.
            HWND name = ::GetDlgItem(top, 0x47C);
            if (!name)
                name = ::GetDlgItem(top, 0x480);
            ::SetWindowTextA(name, chosen.c_str());
            PressButton(top, IDOK);
            return true;
        },
        [&](HWND top) {
            if (WindowText(top) != "drvsetup")
                return false;
            shown = DlgItemText(top, IDC_CONFIG_PATH);
            return true;
        },
    });
    EXPECT_EQ(chosen, shown);
    EXPECT_STREQ(chosen.c_str(), RecorderConfig.path);
    EXPECT_EQ(1, RecorderConfig.valid);
    EXPECT_EQ(start.Path(), CurrentDirectory());
}

TEST(InstallerWindow, AutorunClickWritesTheFlagOnceEnabled)
{
    ScopedCdromKey fixture(true);
    std::vector<DWORD> stored;
    auto click = [&](HWND top) {
        ::EnableWindow(::GetDlgItem(top, IDC_AUTORUN), TRUE);
        ::SendDlgItemMessageA(top, IDC_AUTORUN, BM_CLICK, 0, 0);
        StoredValue v = ReadValue(kCdromKeyPath, "Autorun");
        stored.push_back(v.data.size() == 4 ? *reinterpret_cast<const DWORD*>(v.data.data()) : 99);
        return true;
    };
    RunMainWindow({ click, click });
    EXPECT_EQ((std::vector<DWORD>{ 1, 0 }), stored);
}

TEST(InstallerWindow, MinimisedIconIsCentredWithTruncatingDivision)
{
    struct Case { int client; int icon; int origin; };
    for (const Case& c : { Case{ 36, 32, 2 }, Case{ 30, 32, 0 }, Case{ 32, 32, 0 }, Case{ 20, 32, -5 }, Case{ 33, 32, 1 } })
        EXPECT_EQ(c.origin, CentredIconOrigin(c.client, c.icon)) << c.client;
}
