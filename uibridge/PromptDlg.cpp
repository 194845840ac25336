// CPromptDlg: the layout of each prompt mode, its caption and labels, the
// end codes of its buttons and the check of a typed number.
#include "PromptDlg.h"

#include "BridgeState.h"
#include "CPaintDC.h"
#include "DataExchange.h"
#include "PromptTexts.h"
#include "resource.h"

#include <cerrno>
#include <cstdlib>

namespace {

enum class Buttons { Centred, CentredPair, InPlace };

// What a mode shows: its system icon, caption format, buttons and their
// labels (0: no label for that button).
struct ModeLook {
    int mode;
    const char* icon;
    int caption;
    Buttons buttons;
    int labels[3];
};

const ModeLook kModeLooks[] = {
    { PM_INFO, IDI_ASTERISK, TXT_CAPTION_INFORMATION, Buttons::Centred, { TXT_OK, 0, 0 } },
    { PM_INFO_TWO, IDI_ASTERISK, TXT_CAPTION_INFORMATION, Buttons::CentredPair, { TXT_OK, TXT_CANCEL, 0 } },
    { PM_ERROR, IDI_HAND, TXT_CAPTION_ERROR, Buttons::Centred, { TXT_OK, 0, 0 } },
    { PM_WARNING_TWO, IDI_EXCLAMATION, TXT_CAPTION_WARNING, Buttons::CentredPair, { TXT_OK, TXT_CANCEL, 0 } },
    { PM_QUESTION_TWO, IDI_QUESTION, TXT_CAPTION_QUESTION, Buttons::CentredPair, { TXT_YES, TXT_NO, 0 } },
    { PM_QUESTION_THREE, IDI_QUESTION, TXT_CAPTION_QUESTION, Buttons::InPlace, { TXT_YES, TXT_NO, TXT_YES_TO_ALL } },
    { PM_INPUT_TEXT, IDI_QUESTION, TXT_CAPTION_QUESTION, Buttons::Centred, { TXT_OK, 0, 0 } },
    { PM_INPUT_NUMBER, IDI_QUESTION, TXT_CAPTION_QUESTION, Buttons::Centred, { TXT_OK, 0, 0 } },
};

// Null for a mode outside the table: such a prompt keeps the template as it
// is (all six controls, its labels and caption).
const ModeLook* FindModeLook(int mode)
{
    for (const ModeLook& look : kModeLooks) {
        if (look.mode == mode)
            return &look;
    }
    return nullptr;
}

bool IsInputMode(int mode)
{
    return mode == PM_INPUT_TEXT || mode == PM_INPUT_NUMBER;
}

bool IsQuestionMode(int mode)
{
    return mode == PM_QUESTION_TWO || mode == PM_QUESTION_THREE;
}

// End codes of the buttons outside the number prompt.
constexpr int kEndAcknowledged = 2;    // BTN1 of a message or text input
constexpr int kEndSecondButton = 3;    // BTN2 of a message
constexpr int kEndYes = 1;
constexpr int kEndNo = 0;
constexpr int kEndYesToAll = 6;        // BTN3, in every mode

// The number as the C library scans it with base 0 (0x for hexadecimal, a
// leading 0 for octal), valid only when the scan used the whole text and the
// number lies within the bounds, compared signed or unsigned. A number beyond
// the type's range is not the number typed, only the nearest limit: invalid.
bool ScanNumberInBounds(const char* text, BOOL bSigned, LONG minimum, LONG maximum, LONG* value)
{
    char* end = nullptr;
    bool inBounds;
    errno = 0;
    if (bSigned) {
        const long number = std::strtol(text, &end, 0);
        inBounds = minimum <= number && number <= maximum;
        *value = number;
    } else {
        const unsigned long number = std::strtoul(text, &end, 0);
        inBounds = static_cast<unsigned long>(minimum) <= number && number <= static_cast<unsigned long>(maximum);
        *value = static_cast<LONG>(number);
    }
    return inBounds && *end == '\0' && errno != ERANGE;
}

} // namespace

BEGIN_MESSAGE_MAP(CPromptDlg, CDialog)
    ON_WM_PAINT()
    ON_BN_CLICKED(IDC_PROMPT_BTN1, OnButton1)
    ON_BN_CLICKED(IDC_PROMPT_BTN2, OnButton2)
    ON_BN_CLICKED(IDC_PROMPT_BTN3, OnButton3)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CPromptDlg::CPromptDlg(CWnd* pParent)
    : CDialog(IDD_PROMPT, pParent)
{
}

void CPromptDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_PROMPT_TEXT, m_textStatic);
    DDX_Control(pDX, IDC_PROMPT_ICON, m_iconStatic);
    DDX_Control(pDX, IDC_PROMPT_EDIT, m_edit);
    DDX_Control(pDX, IDC_PROMPT_BTN3, m_button3);
    DDX_Control(pDX, IDC_PROMPT_BTN2, m_button2);
    DDX_Control(pDX, IDC_PROMPT_BTN1, m_button1);
    DDX_Text(pDX, IDC_PROMPT_EDIT, m_value);
}

BOOL CPromptDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    LayoutControls();
    SetCaption();
    if (IsInputMode(m_mode)) {
        m_edit.SetFocus();
        return FALSE;
    }
    return TRUE;
}

void CPromptDlg::LayoutControls()
{
    // The message is measured with the text area's own paint context, whose
    // default font is not the dialog's: the area fits that measurement.
    RECT area;
    m_textStatic.GetClientRect(&area);
    const int areaHeight = area.bottom - area.top;
    RECT measured = area;
    int textHeight;
    {
        CPaintDC dc(&m_textStatic);
        textHeight = ::DrawTextA(dc.GetSafeHdc(), m_message, -1, &measured, DT_CALCRECT | DT_WORDBREAK);
    }
    int growth = 0;
    if (textHeight >= areaHeight) {
        m_textStatic.SetWindowPos(nullptr, 0, 0, measured.right - measured.left, measured.bottom - measured.top,
                                  SWP_NOZORDER | SWP_NOMOVE);
        growth = (measured.bottom - measured.top) - areaHeight;
    }

    // Without an edit field its row closes: the buttons take its place.
    int editRow = 0;
    if (!IsInputMode(m_mode)) {
        RECT button, edit;
        m_button1.GetWindowRect(&button);
        m_edit.GetWindowRect(&edit);
        editRow = button.top - edit.top;
    }
    RECT window;
    GetWindowRect(&window);
    SetWindowPos(nullptr, 0, 0, window.right - window.left, window.bottom - window.top + growth - editRow,
                 SWP_NOZORDER | SWP_NOMOVE);

    if (const ModeLook* look = FindModeLook(m_mode)) {
        const auto rectOf = [this](const CWnd& control) {
            RECT r;
            control.GetWindowRect(&r);
            ScreenToClient(&r);
            return r;
        };
        const auto moveTo = [](CWnd& control, int x, int y) {
            control.SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        };
        RECT client;
        GetClientRect(&client);
        const int clientWidth = client.right;
        const int dy = growth - editRow;
        const RECT b1 = rectOf(m_button1);
        const RECT b2 = rectOf(m_button2);
        const RECT b3 = rectOf(m_button3);
        const int w1 = b1.right - b1.left;
        const int w2 = b2.right - b2.left;

        if (!IsInputMode(m_mode))
            m_edit.ShowWindow(SW_HIDE);
        if (look->buttons != Buttons::InPlace)
            m_button3.ShowWindow(SW_HIDE);
        switch (look->buttons) {
        case Buttons::Centred:
            m_button2.ShowWindow(SW_HIDE);
            moveTo(m_button1, (clientWidth - w1) / 2, b1.top + dy);
            break;
        case Buttons::CentredPair: {
            const int gap = b2.left - b1.right;
            const int x1 = (clientWidth - 2 * w1 - gap) / 2;
            moveTo(m_button1, x1, b1.top + dy);
            moveTo(m_button2, x1 + w2 + gap, b2.top + dy);
            break;
        }
        case Buttons::InPlace:
            moveTo(m_button1, b1.left, b1.top + dy);
            moveTo(m_button2, b2.left, b2.top + dy);
            moveTo(m_button3, b3.left, b3.top + dy);
            break;
        }
        m_iconStatic.SetIcon(::LoadIconA(nullptr, look->icon));
        CButton* const buttons[] = { &m_button1, &m_button2, &m_button3 };
        for (int i = 0; i < 3; ++i) {
            if (look->labels[i])
                buttons[i]->SetWindowText(PromptText(look->labels[i]));
        }
        if (IsInputMode(m_mode)) {
            const RECT edit = rectOf(m_edit);
            moveTo(m_edit, edit.left, edit.top + growth);
            m_edit.SetSel(0, -1);
            m_edit.SendMessage(EM_SCROLLCARET);
        }
    }

    m_textStatic.SetWindowText(m_message);
}

void CPromptDlg::SetCaption()
{
    if (const ModeLook* look = FindModeLook(m_mode))
        SetWindowText(PromptCaption(PromptText(look->caption), BridgeState.ProductTitle));
}

void CPromptDlg::OnPaint()
{
    // The dialog's own painting first; then the icon once more over its area.
    ::DefWindowProcA(m_hWnd, WM_PAINT, 0, 0);
    if (HICON icon = m_iconStatic.GetIcon()) {
        CPaintDC dc(&m_iconStatic);
        dc.DrawIcon(0, 0, icon);
    }
}

void CPromptDlg::OnButton1()
{
    if (m_mode == PM_INPUT_NUMBER) {
        CheckNumber();
        return;
    }
    if (m_mode == PM_INPUT_TEXT)
        UpdateData(TRUE);
    EndDialog(IsQuestionMode(m_mode) ? kEndYes : kEndAcknowledged);
}

void CPromptDlg::OnButton2()
{
    EndDialog(IsQuestionMode(m_mode) ? kEndNo : kEndSecondButton);
}

void CPromptDlg::OnButton3()
{
    EndDialog(kEndYesToAll);
}

void CPromptDlg::CheckNumber()
{
    UpdateData(TRUE);
    LONG value;
    if (ScanNumberInBounds(m_value, m_signed, m_minimum, m_maximum, &value)) {
        m_result = value;
    } else if (m_useDefault) {
        // The default is taken as it is, inside the bounds or not.
        m_result = m_default;
    } else {
        // Left open with the text as typed, for the user to correct or cancel.
        return;
    }
    // The caller reads m_result, not the end code.
    EndDialog(IDOK);
}
