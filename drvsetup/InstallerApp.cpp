// CInstallerApp: the one application object, InitInstance over the real
// platform operations.
#include "InstallerApp.h"

#include "FindHandle.h"
#include "InstallerDlg.h"
#include "StartupChecks.h"
#include "Texts.h"

CInstallerApp theApp;

// Set by each failing start-up check; read once, after all of them.
int startupFailed = 0;

namespace {

class Win32StartupPlatform : public StartupPlatform {
public:
    explicit Win32StartupPlatform(CWinApp& app) : m_app(app) {}

    BOOL QueryVersion(OSVERSIONINFOA* pInfo) override { return ::GetVersionExA(pInfo); }
    DWORD CurrentDirectory(DWORD nLimit, char* pBuffer) override
    { return ::GetCurrentDirectoryA(nLimit, pBuffer); }
    bool EntryExists(const char* pszPath) override { return ::EntryExists(pszPath); }
    void ShowMessage(const char* pszText) override
    { ::MessageBoxA(nullptr, pszText, texts::kCaption, texts::kBoxStyle); }
    void RunMainWindow() override
    {
        CInstallerDlg dlg(nullptr);
        m_app.m_pMainWnd = &dlg;
        dlg.DoModal();
        m_app.m_pMainWnd = nullptr;
    }
    void Pause(DWORD nMilliseconds) override { ::Sleep(nMilliseconds); }

private:
    CWinApp& m_app;
};

} // namespace

BEGIN_MESSAGE_MAP(CInstallerApp, CWinApp)
    ON_COMMAND(0xE146, OnHelp)
END_MESSAGE_MAP()

BOOL CInstallerApp::InitInstance()
{
    Enable3dControlsStatic();
    m_pMainWnd = nullptr;
    Win32StartupPlatform platform(*this);
    RunStartupChecks(platform, startupFailed);
    // Exit status: 1 after a failed start-up check, 0 after the main window.
    SetExitCode(startupFailed ? 1 : 0);
    return FALSE;
}
