// CInstallerApp: the installer's application object and its start-up.
#pragma once

#include "framework.h"

class CInstallerApp : public CWinApp {
public:
    CInstallerApp() = default;
    ~CInstallerApp() override = default;

    // Runs the checks and the main window; always FALSE, so the framework
    // ends the process without a message loop of its own.
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
