// CDialog under Wine: data exchange both ways, the length limit, end codes,
// and the report of a file error that escapes a command handler.
#include "framework.h"
#include "ModalDriver.h"
#include "test_resource.h"

#include <gtest/gtest.h>

namespace {

class ExchangeDlg : public CDialog {
public:
    ExchangeDlg() : CDialog(IDD_EXCHANGE) {}

    CString m_name;
    int m_flag = 0;
    int m_maxChars = 10;
    CButton m_flagButton;
    bool m_throwOnFlag = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_FLAG, m_flagButton);
        DDX_Text(pDX, IDC_NAME, m_name);
        DDV_MaxChars(pDX, m_name, m_maxChars);
        DDX_Check(pDX, IDC_FLAG, m_flag);
    }
    void OnFlag()
    {
        if (m_throwOnFlag)
            throw CFileException(CFileException::generic, ERROR_READ_FAULT, "C:\\data\\FerlCdr.cfg");
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ExchangeDlg, CDialog)
    ON_BN_CLICKED(IDC_FLAG, OnFlag)
END_MESSAGE_MAP()

} // namespace

TEST(Dialog, ExchangeLoadsControlsAndReadsThemBack)
{
    ExchangeDlg dlg;
    dlg.m_name = "initial";
    dlg.m_flag = 1;
    std::string shownName;
    LRESULT shownCheck = -1, limit = -1;
    bool attached = false;
    ModalDriver driver({ [&](HWND top) {
        shownName = DlgItemText(top, IDC_NAME);
        shownCheck = ::SendDlgItemMessageA(top, IDC_FLAG, BM_GETCHECK, 0, 0);
        limit = ::SendDlgItemMessageA(top, IDC_NAME, EM_GETLIMITTEXT, 0, 0);
        attached = dlg.m_flagButton.m_hWnd == ::GetDlgItem(top, IDC_FLAG);
        ::SetDlgItemTextA(top, IDC_NAME, "typed");
        ::SendDlgItemMessageA(top, IDC_FLAG, BM_SETCHECK, BST_UNCHECKED, 0);
        PressButton(top, IDOK);
        return true;
    } });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ("initial", shownName);
    EXPECT_EQ(BST_CHECKED, shownCheck);
    EXPECT_EQ(10, limit);
    EXPECT_TRUE(attached);
    // OK read the controls back before the dialog ended.
    EXPECT_STREQ("typed", dlg.m_name);
    EXPECT_EQ(0, dlg.m_flag);
    // The control object let go of its window when the dialog ended.
    EXPECT_EQ(nullptr, dlg.m_flagButton.m_hWnd);
}

TEST(Dialog, TooLongTextIsRefusedAndTheDialogStaysOpen)
{
    ExchangeDlg dlg;
    dlg.m_maxChars = 3;
    std::vector<std::string> boxes;
    ModalDriver driver({
        [&](HWND top) {
            // Bypass the edit field's own limit, as a program could.
            ::SendDlgItemMessageA(top, IDC_NAME, EM_LIMITTEXT, 0, 0);
            ::SetDlgItemTextA(top, IDC_NAME, "toolong");
            PressButton(top, IDOK);
            return true;
        },
        [&](HWND top) {
            if (WindowText(top) == "Exchange")
                return false;
            boxes.push_back(MessageBoxText(top));
            PressButton(top, IDOK);
            return true;
        },
        [&](HWND top) {
            if (WindowText(top) != "Exchange")
                return false;
            PressButton(top, IDCANCEL);
            return true;
        },
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(std::vector<std::string>{ "Enter no more than 3 characters." }, boxes);
}

TEST(Dialog, FileErrorFromACommandIsReportedAndTheWindowStaysOpen)
{
    ExchangeDlg dlg;
    dlg.m_throwOnFlag = true;
    std::vector<std::string> boxes;
    bool stopIcon = false;
    bool stillOpen = false;
    ModalDriver driver({
        [&](HWND top) { PressButton(top, IDC_FLAG); return true; },
        [&](HWND top) {
            if (WindowText(top) == "Exchange")
                return false;
            boxes.push_back(MessageBoxText(top));
            // The box's icon control shows the stop sign (Windows numbers the
            // control 0x14, Wine 0x440).
            HICON shown = reinterpret_cast<HICON>(::SendDlgItemMessageA(top, 0x14, STM_GETICON, 0, 0));
            if (!shown)
                shown = reinterpret_cast<HICON>(::SendDlgItemMessageA(top, 0x440, STM_GETICON, 0, 0));
            stopIcon = shown == ::LoadIconA(nullptr, IDI_HAND);
            PressButton(top, IDOK);
            return true;
        },
        [&](HWND top) {
            if (WindowText(top) != "Exchange")
                return false;
            stillOpen = true;
            PressButton(top, IDCANCEL);
            return true;
        },
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(std::vector<std::string>{ "An unknown error occurred while accessing C:\\data\\FerlCdr.cfg." }, boxes);
    EXPECT_TRUE(stopIcon);
    EXPECT_TRUE(stillOpen);
}

TEST(Dialog, MissingTemplateGivesMinusOne)
{
    CDialog dlg(IDD_MISSING);
    EXPECT_EQ(-1, dlg.DoModal());
}
