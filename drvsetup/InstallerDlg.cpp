// CInstallerDlg: start state of the controls, the system menu's About entry,
// the minimised icon, Browse and the autorun check box.
#include "InstallerDlg.h"

#include "AboutDlg.h"
#include "CdromKey.h"
#include "RecorderConfig.h"
#include "Texts.h"

#include <cstring>

CInstallerDlg::CInstallerDlg(CWnd* pParent, CommandPlatform& platform)
    : CDialog(IDD, pParent), m_appIcon(AfxGetApp()->LoadIcon(IDR_MAINFRAME)), m_platform(platform)
{
}

void CInstallerDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_AUTORUN, m_autorunCheck);
    DDX_Control(pDX, IDC_UNINSTALL, m_uninstallButton);
    DDX_Text(pDX, IDC_CONFIG_PATH, m_configPathText);
    DDV_MaxChars(pDX, m_configPathText, 256);
    DDX_Check(pDX, IDC_AUTORUN, m_autorunChecked);
}

BEGIN_MESSAGE_MAP(CInstallerDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_INSTALL, OnInstall)
    ON_BN_CLICKED(IDC_BROWSE, OnBrowse)
    ON_BN_CLICKED(IDC_UNINSTALL, OnUninstall)
    ON_BN_CLICKED(IDC_AUTORUN, OnAutorunClicked)
END_MESSAGE_MAP()

BOOL CInstallerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    char aboutText[128] = "";
    ::LoadStringA(AfxGetResourceHandle(), IDS_ABOUTBOX, aboutText, sizeof aboutText);
    if (HMENU sysMenu = GetSystemMenu(FALSE); sysMenu && aboutText[0] != '\0') {
        ::AppendMenuA(sysMenu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(sysMenu, MF_STRING, IDM_ABOUTBOX, aboutText);
    }

    SetIcon(m_appIcon, TRUE);
    SetIcon(m_appIcon, FALSE);

    LocateRecorderConfig();
    m_configPathText = RecorderConfig.path;
    m_uninstallButton.EnableWindow(HasRegisteredCdr() == 1);
    m_autorunChecked = ReadAutorun();
    m_autorunCheck.EnableWindow(FALSE);
    UpdateData(FALSE);
    return TRUE;
}

void CInstallerDlg::OnSysCommand(UINT nID, LPARAM)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
    } else {
        Default();
    }
}

void CInstallerDlg::OnPaint()
{
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = ::GetSystemMetrics(SM_CXICON);
    const int cyIcon = ::GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(&rect);
    const int x = CentredIconOrigin(rect.right - rect.left, cxIcon);
    const int y = CentredIconOrigin(rect.bottom - rect.top, cyIcon);
    dc.DrawIcon(x, y, m_appIcon);
}

HCURSOR CInstallerDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_appIcon);
}

void CInstallerDlg::OnBrowse()
{
    // The file dialog moves the current directory to the chosen folder, and
    // Install takes the driver image from the current directory: keep it.
    char savedDirectory[MAX_PATH];
    DWORD n = ::GetCurrentDirectoryA(sizeof savedDirectory, savedDirectory);
    const bool haveSaved = n != 0 && n < sizeof savedDirectory;

    CFileDialog dialog(TRUE, texts::kBrowseDefExt, nullptr, 0, texts::kBrowseFilter, nullptr);
    const INT_PTR result = dialog.DoModal();
    if (haveSaved)
        ::SetCurrentDirectoryA(savedDirectory);
    if (result != IDOK)
        return;

    // A name longer than the record holds is refused as if cancelled.
    CString chosen = dialog.GetPathName();
    if (static_cast<size_t>(chosen.GetLength()) > kMaxConfigPath)
        return;
    std::strcpy(RecorderConfig.path, chosen);
    m_configPathText = RecorderConfig.path;
    RecorderConfig.valid = 1;
    UpdateData(FALSE);
}

void CInstallerDlg::OnAutorunClicked()
{
    UpdateData(TRUE);
    // The box keeps the state the user gave it even if the write failed.
    WriteAutorun(m_autorunChecked);
}
