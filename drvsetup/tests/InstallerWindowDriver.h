// Drives the installer's main window from the test's own thread, as a user
// would: presses its buttons one after the other, reads and closes every box
// it shows, and reads the controls that the commands update.
#pragma once

#include "InstallCommands.h"
#include "MessageBoxReader.h"

#include <functional>
#include <ostream>
#include <vector>

struct Controls {
    bool uninstallEnabled;
    bool autorunEnabled;
    bool autorunChecked;
    bool operator==(const Controls& o) const
    {
        return uninstallEnabled == o.uninstallEnabled && autorunEnabled == o.autorunEnabled
               && autorunChecked == o.autorunChecked;
    }
};
std::ostream& operator<<(std::ostream& os, const Controls& c);

struct RunResult {
    std::vector<MessageBoxSeen> boxes;
    std::vector<Controls> atBox;   // the main window's controls while each box was up
    Controls after = {};
    HWND main = nullptr;
    bool finished = false;
};

// Opens the main window, runs beforeFirst, presses the buttons one after
// the other, reads and closes every box, then reads the controls and exits.
RunResult RunCommands(const std::vector<int>& buttons, CommandPlatform& platform,
                      const std::function<void()>& beforeFirst = {});
