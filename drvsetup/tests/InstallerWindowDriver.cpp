// The main window driven from the test's thread: buttons, boxes, controls.
#include "InstallerWindowDriver.h"

#include "InstallerDlg.h"
#include "resource.h"

#include <string>

namespace {

Controls ReadControls(HWND main)
{
    return { ::IsWindowEnabled(::GetDlgItem(main, IDC_UNINSTALL)) != FALSE,
             ::IsWindowEnabled(::GetDlgItem(main, IDC_AUTORUN)) != FALSE,
             ::SendDlgItemMessageA(main, IDC_AUTORUN, BM_GETCHECK, 0, 0) == BST_CHECKED };
}

struct BoxSearch {
    HWND main;
    HWND found;
};

BOOL CALLBACK FindBoxProc(HWND hWnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<BoxSearch*>(lParam);
    char cls[16] = "";
    ::GetClassNameA(hWnd, cls, sizeof cls);
    if (hWnd == search->main || std::string(cls) != "#32770" || !::IsWindowVisible(hWnd))
        return TRUE;
    search->found = hWnd;
    return FALSE;
}

// Any dialog of this thread other than the main window: a message box.
HWND FindBox(HWND main)
{
    BoxSearch search = { main, nullptr };
    ::EnumThreadWindows(::GetCurrentThreadId(), FindBoxProc, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

std::ostream& operator<<(std::ostream& os, const Controls& c)
{
    return os << "{uninstall " << c.uninstallEnabled << ", autorun " << c.autorunEnabled << ", checked "
              << c.autorunChecked << "}";
}

RunResult RunCommands(const std::vector<int>& buttons, CommandPlatform& platform,
                      const std::function<void()>& beforeFirst)
{
    RunResult run;
    size_t next = 0;
    ModalDriver driver({ [&](HWND top) {
        if (!run.main && ::GetDlgItem(top, IDC_INSTALL))
            run.main = top;
        if (HWND box = FindBox(run.main)) {
            run.boxes.push_back(ReadMessageBox(box));
            run.atBox.push_back(ReadControls(run.main));
            PressButton(box, IDOK);
            return false;
        }
        if (next == 0 && beforeFirst)
            beforeFirst();
        if (next < buttons.size()) {
            PressButton(run.main, buttons[next++]);
            return false;
        }
        run.after = ReadControls(run.main);
        PressButton(run.main, IDOK);
        return true;
    } });
    CInstallerDlg dlg(nullptr, platform);
    dlg.DoModal();
    run.finished = driver.Finished() && !driver.TimedOut();
    return run;
}

