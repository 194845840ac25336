// CPromptDlg: the modal prompt that the engine's messages, questions and
// input requests run in, one mode per kind of prompt.
#pragma once

#include "CDialog.h"
#include "Controls.h"

// Prompt modes: which icon, caption, buttons and labels the prompt shows and
// whether it has an edit field.
enum {
    PM_INFO = 1,
    PM_INFO_TWO = 2,
    PM_ERROR = 11,
    PM_WARNING_TWO = 12,
    PM_QUESTION_TWO = 21,
    PM_QUESTION_THREE = 22,
    PM_INPUT_TEXT = 31,
    PM_INPUT_NUMBER = 32,
};

class CPromptDlg : public CDialog {
public:
    explicit CPromptDlg(CWnd* pParent);
    ~CPromptDlg() override = default;

    CStatic m_textStatic;
    CStatic m_iconStatic;
    CEdit m_edit;
    CButton m_button3;
    CButton m_button2;
    CButton m_button1;

    CString m_message;
    int m_mode = 0;
    // The text exchanged with the edit field.
    CString m_value;
    // The number prompt: bounds and default, compared signed or unsigned.
    LONG m_minimum = 0;
    LONG m_maximum = 0;
    LONG m_default = 0;
    BOOL m_useDefault = FALSE;
    BOOL m_signed = FALSE;
    // The number that BTN1 accepted in the number prompt.
    LONG m_result = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnPaint();
    void OnButton1();
    void OnButton2();
    void OnButton3();
    void OnHelp() {}

    DECLARE_MESSAGE_MAP()

private:
    void LayoutControls();
    void SetCaption();
    void CheckNumber();
};
