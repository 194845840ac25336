// The scripted tour of drvsetup for the run script: starts the installer in
// the current directory, presses what a user would press (About, Install,
// Uninstall, Exit), prints what each window shows and the machine's registry
// and driver directory after each command, and saves screenshots.
//
//   drvsetup_tour.exe <screens directory>
#include "ModalDriver.h"
#include "ProcessDriver.h"
#include "Screenshot.h"

#include <cstdio>
#include <cstring>
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

const char kCaption[] = "NT CD-ROM Driver installation";
const char kCdromKey[] = "SYSTEM\\CurrentControlSet\\Services\\Cdrom";

// One key and everything below it, the way "reg query /s" lists them.
void PrintKey(HKEY hParent, const std::string& path, const std::string& name)
{
    HKEY key;
    if (::RegOpenKeyExA(hParent, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        std::printf("    (no %s key)\n", name.c_str());
        return;
    }
    std::printf("    %s\n", path.c_str());
    for (DWORD i = 0;; ++i) {
        char value[256];
        BYTE data[1024];
        DWORD valueLength = sizeof value, dataLength = sizeof data - 1, type = 0;
        if (::RegEnumValueA(key, i, value, &valueLength, nullptr, &type, data, &dataLength) != ERROR_SUCCESS)
            break;
        data[dataLength] = 0;
        if (type == REG_DWORD && dataLength == 4) {
            DWORD word;
            std::memcpy(&word, data, sizeof word);
            std::printf("        %-20s REG_DWORD  0x%lx\n", value, static_cast<unsigned long>(word));
        } else if (type == REG_SZ || type == REG_EXPAND_SZ) {
            std::printf("        %-20s REG_SZ     \"%s\"\n", value, reinterpret_cast<const char*>(data));
        } else {
            std::printf("        %-20s type %lu, %lu bytes\n", value, static_cast<unsigned long>(type),
                        static_cast<unsigned long>(dataLength));
        }
    }
    for (DWORD i = 0;; ++i) {
        char sub[256];
        DWORD length = sizeof sub;
        if (::RegEnumKeyExA(key, i, sub, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        PrintKey(key, path + "\\" + sub, sub);
    }
    ::RegCloseKey(key);
}

// The Cdrom service key and the driver images, after a command.
void PrintMachineState(const char* when)
{
    std::printf("  machine state %s:\n  registry:\n", when);
    PrintKey(HKEY_LOCAL_MACHINE, std::string("HKEY_LOCAL_MACHINE\\") + kCdromKey, kCdromKey);
    std::printf("  driver directory:\n");
    char windows[MAX_PATH] = "";
    ::GetWindowsDirectoryA(windows, sizeof windows);
    const std::string drivers = std::string(windows) + "\\system32\\drivers\\";
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA((drivers + "Cdrom.*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        std::printf("    (no Cdrom image)\n");
    } else {
        do {
            char firstLine[128] = "";
            if (FILE* f = std::fopen((drivers + found.cFileName).c_str(), "rb")) {
                if (!std::fgets(firstLine, sizeof firstLine, f))
                    firstLine[0] = '\0';
                std::fclose(f);
            }
            firstLine[std::strcspn(firstLine, "\r\n")] = '\0';
            std::printf("    %-10s %5lu bytes  %s\n", found.cFileName, static_cast<unsigned long>(found.nFileSizeLow),
                        firstLine);
        } while (::FindNextFileA(find, &found));
        ::FindClose(find);
    }
    std::fflush(stdout);
}

// Presses a button of the main window, prints and photographs the summary
// box it answers with, closes it, and shows the window and the machine.
bool RunCommand(const ChildProcess& program, HWND main, int button, const char* name, const char* shot)
{
    std::printf("* %s\n", name);
    ::PostMessageA(main, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(main, button)));
    HWND box = program.WaitForDialog(kCaption, 30000);
    if (!box) {
        std::printf("  no summary appeared\n");
        return false;
    }
    ::Sleep(300);   // let the box paint before the screenshot
    std::printf("  summary box \"%s\":\n", WindowText(box).c_str());
    const std::string text = MessageBoxText(box);
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find('\n', start);
        std::printf("    | %s\n", text.substr(start, end == std::string::npos ? std::string::npos : end - start).c_str());
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    const std::string path = g_screens + "\\" + shot;
    std::printf("  screenshot %s: %s\n", shot, SaveWindowPng(box, path) ? "saved" : "FAILED");
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    for (int n = 0; n < 500 && ::IsWindow(box); ++n)
        ::Sleep(10);
    ::Sleep(200);
    PrintMachineState((std::string("after ") + name).c_str());
    return true;
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

    const int kInstall = 1004, kUninstall = 1006;
    bool commandsRan = RunCommand(program, main, kInstall, "Install", "install-summary.png");
    if (commandsRan) {
        Show(main, "main-window-installed.png");
        commandsRan = RunCommand(program, main, kUninstall, "Uninstall", "uninstall-summary.png");
        Show(main, "main-window-uninstalled.png");
    }

    std::printf("* Exit\n");
    ::Sleep(200);
    ::PostMessageA(main, WM_COMMAND, IDOK, 0);
    const DWORD code = program.WaitForExit(15000);
    std::printf("  drvsetup.exe ended with status %lu\n", static_cast<unsigned long>(code));
    return code == 0 && commandsRan ? 0 : 1;
}
