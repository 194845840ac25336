// CInstallerDlg: the installer's main window (template 102): the
// configuration file in use, Install, Browse, Uninstall, Exit and the
// driver's autorun check box.
#pragma once

#include "InstallCommands.h"
#include "framework.h"
#include "resource.h"

class CInstallerDlg : public CDialog {
public:
    // platform: the directory queries of Install and Uninstall.
    explicit CInstallerDlg(CWnd* pParent = nullptr, CommandPlatform& platform = SystemCommandPlatform());
    ~CInstallerDlg() override = default;

    enum { IDD = IDD_DRVSETUP_DIALOG };

protected:
    CButton m_autorunCheck;
    CButton m_uninstallButton;
    CString m_configPathText;
    int m_autorunChecked = 0;
    HICON m_appIcon;
    CommandPlatform& m_platform;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnInstall();     // InstallCommands.cpp
    void OnBrowse();
    void OnUninstall();   // InstallCommands.cpp
    void OnAutorunClicked();

    DECLARE_MESSAGE_MAP()
};

// Where the minimised window draws its icon: (client - icon + 1) / 2 in
// signed arithmetic, truncated toward zero.
inline int CentredIconOrigin(int clientExtent, int iconExtent)
{
    return (clientExtent - iconExtent + 1) / 2;
}
