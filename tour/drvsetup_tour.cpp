// The scripted tour of drvsetup for the run script: starts the installer in
// the current directory, presses what a user would press, prints what each
// window shows and saves screenshots.
//
//   drvsetup_tour.exe <screens directory>
#include "ModalDriver.h"
#include "ProcessDriver.h"
#include "Screenshot.h"

#include <cstdio>
#include <string>

namespace {

std::string g_screens;

BOOL CALLBACK PrintChild(HWND hWnd, LPARAM)
{
    char cls[64] = "";
    ::GetClassNameA(hWnd, cls, sizeof cls);
    const int id = ::GetDlgCtrlID(hWnd);
    std::string state = ::IsWindowEnabled(hWnd) ? "enabled" : "disabled";
    if (std::string(cls) == "Button") {
        const LONG style = ::GetWindowLongA(hWnd, GWL_STYLE) & 0x0F;
        if (style == BS_AUTOCHECKBOX || style == BS_CHECKBOX)
            state += ::SendMessageA(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? ", checked" : ", unchecked";
    }
    // WM_GETTEXT, since GetWindowText does not ask controls of another process.
    char text[512] = "";
    const LONG type = ::GetWindowLongA(hWnd, GWL_STYLE) & SS_TYPEMASK;
    if (std::string(cls) == "Static" && (type == SS_BITMAP || type == SS_ICON))
        std::snprintf(text, sizeof text, "(%s)", type == SS_BITMAP ? "bitmap" : "icon");
    else
        ::SendMessageA(hWnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    std::printf("    [%5d] %-8s %-10s \"%s\"\n", id == 0xFFFF ? -1 : id, cls, state.c_str(), text);
    return TRUE;
}

void Show(HWND hWnd, const char* shot)
{
    std::printf("  window \"%s\"\n", WindowText(hWnd).c_str());
    ::EnumChildWindows(hWnd, PrintChild, 0);
    const std::string path = g_screens + "\\" + shot;
    std::printf("  screenshot %s: %s\n", shot, SaveWindowPng(hWnd, path) ? "saved" : "FAILED");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: drvsetup_tour <screens directory>\n");
        return 2;
    }
    g_screens = argv[1];
    char cwd[MAX_PATH];
    ::GetCurrentDirectoryA(sizeof cwd, cwd);

    std::printf("* starting drvsetup.exe in %s\n", cwd);
    const std::string installer = std::string(cwd) + "\\drvsetup.exe";
    ChildProcess program(installer.c_str(), cwd);
    if (!program.Started()) {
        std::printf("  could not start drvsetup.exe\n");
        return 1;
    }
    // The first start of a new prefix takes a while.
    HWND main = program.WaitForDialog("drvsetup", 60000);
    if (!main) {
        std::printf("  no main window appeared\n");
        if (HWND box = program.WaitForDialog("NT CD-ROM Driver installation", 1000))
            std::printf("  message: \"%s\"\n", MessageBoxText(box).c_str());
        return 1;
    }
    Show(main, "main-window.png");

    std::printf("* system menu: About this installer\n");
    ::PostMessageA(main, WM_SYSCOMMAND, 0x0010, 0);
    if (HWND about = program.WaitForDialog("About drvsetup")) {
        Show(about, "about-box.png");
        ::PostMessageA(about, WM_COMMAND, IDOK, 0);
    } else {
        std::printf("  no About box appeared\n");
    }

    std::printf("* Exit\n");
    ::Sleep(200);
    ::PostMessageA(main, WM_COMMAND, IDOK, 0);
    const DWORD code = program.WaitForExit(15000);
    std::printf("  drvsetup.exe ended with status %lu\n", static_cast<unsigned long>(code));
    return code == 0 ? 0 : 1;
}
