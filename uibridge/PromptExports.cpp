// The prompt exports: a message, a question, a number and a line of text,
// each asked in one modal CPromptDlg owned by the caller's active window.
#include "ExportGuard.h"
#include "PromptDlg.h"
#include "uibridge.h"

#include <cstring>

namespace {

// The window that is active in the calling thread, or none.
CWnd* ActiveOwner()
{
    return CWnd::FromHandle(::GetActiveWindow());
}

// Types 1 and 5 are the same plain message; an unknown type is shown as one.
int MessageMode(int nType)
{
    switch (nType) {
    case 2: return PM_INFO_TWO;
    case 3: return PM_ERROR;
    case 4: return PM_WARNING_TWO;
    default: return PM_INFO;
    }
}

// Types 1 and 3 ask yes or no; an unknown type asks the same.
int QuestionMode(int nType)
{
    return nType == 2 ? PM_QUESTION_THREE : PM_QUESTION_TWO;
}

// The end code, of which callers read 16 bits; -1 when no prompt could be
// shown.
short RunPrompt(const char* pszText, int mode)
{
    CPromptDlg dlg(ActiveOwner());
    dlg.m_message = pszText;
    dlg.m_mode = mode;
    return static_cast<short>(dlg.DoModal());
}

// As strncpy does it: at most nSize - 1 characters, the rest of the buffer
// filled with NULs up to a terminator in its last byte.
void CopyAnswer(char* pszResult, int nSize, const char* pszAnswer)
{
    std::strncpy(pszResult, pszAnswer, static_cast<size_t>(nSize) - 1);
    pszResult[nSize - 1] = '\0';
}

} // namespace

extern "C" short WINAPI MessageDialog(const char* pszText, int nType, int, int)
{
    return ExportGuard<short>(-1, [&] { return RunPrompt(pszText, MessageMode(nType)); });
}

extern "C" short WINAPI QuestionDialog(const char* pszText, int nType, int, int)
{
    return ExportGuard<short>(-1, [&] { return RunPrompt(pszText, QuestionMode(nType)); });
}

extern "C" LONG WINAPI GetValue(const char* pszText, LONG lMinimum, LONG lMaximum, LONG lDefault, BOOL bUseDefault,
                                BOOL bSigned)
{
    return ExportGuard<LONG>(lDefault, [&] {
        CPromptDlg dlg(ActiveOwner());
        dlg.m_message = pszText;
        dlg.m_mode = PM_INPUT_NUMBER;
        dlg.m_minimum = lMinimum;
        dlg.m_maximum = lMaximum;
        dlg.m_default = lDefault;
        dlg.m_useDefault = bUseDefault;
        dlg.m_signed = bSigned;
        if (bUseDefault) {
            if (bSigned)
                dlg.m_value.Format("%ld", lDefault);
            else
                dlg.m_value.Format("%lu", static_cast<unsigned long>(lDefault));
        }
        // Only BTN1 stores a number: a cancelled prompt, or one that could
        // not be shown, answers with the default.
        dlg.m_result = lDefault;
        dlg.DoModal();
        return dlg.m_result;
    });
}

extern "C" void WINAPI GetText(const char* pszPrompt, const char* pszInitial, char* pszResult, int nResultSize)
{
    // Without room for an answer there is nothing to ask.
    if (!pszResult || nResultSize < 1)
        return;
    CString edited;
    ExportGuard([&] {
        CPromptDlg dlg(ActiveOwner());
        dlg.m_message = pszPrompt;
        dlg.m_mode = PM_INPUT_TEXT;
        if (pszInitial)
            dlg.m_value = pszInitial;
        dlg.DoModal();
        edited = dlg.m_value;
    });
    // A cancel leaves m_value as it was set, and an emptied field gives the
    // initial text back as well.
    const char* answer = !edited.IsEmpty() ? edited.GetString() : (pszInitial ? pszInitial : "");
    CopyAnswer(pszResult, nResultSize, answer);
}
