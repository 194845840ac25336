// The sample front end's session prompts, found by caption and question.
#include "RecorderPrompts.h"

#include "ModalDriver.h"

#include "../recorder/SessionQuestions.h"

namespace {

// Controls of the bridge's prompt.
constexpr int kPromptText = 1004;
constexpr int kPromptEdit = 1003;
constexpr int kPromptBtn1 = 1000;
constexpr int kPromptBtn2 = 1001;
constexpr DWORD kPromptTimeoutMs = 10000;

const char kQuestionCaption[] = "Ferl 4.0 - Question";

bool Answer(const ChildProcess& program, const char* caption, const char* question, const char* typed, int button,
            const PromptSeen& seen, DWORD timeoutMs = kPromptTimeoutMs)
{
    const HWND prompt = program.WaitForDialogShowing(caption, kPromptText, question, timeoutMs);
    if (!prompt)
        return false;
    if (typed) {
        DWORD_PTR ignored;
        ::SendMessageTimeoutA(::GetDlgItem(prompt, kPromptEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed),
                              SMTO_ABORTIFHUNG, 2000, &ignored);
    }
    if (seen)
        seen(prompt, question);
    PressButton(prompt, button);
    // The next prompt may share the caption: this one must be gone first.
    const DWORD start = ::GetTickCount();
    while (::IsWindow(prompt) && ::GetTickCount() - start < timeoutMs)
        ::Sleep(20);
    return !::IsWindow(prompt);
}

} // namespace

bool AnswerSessionPrompts(const ChildProcess& program, const SessionAnswers& answers, const PromptSeen& seen)
{
    if (!Answer(program, kQuestionCaption, session::kAskStart, nullptr, answers.start ? kPromptBtn1 : kPromptBtn2,
                seen))
        return false;
    if (!answers.start)
        return true;
    return Answer(program, kQuestionCaption, session::kAskSpeed, answers.speed, kPromptBtn1, seen) &&
           Answer(program, kQuestionCaption, session::kAskLabel, answers.label, kPromptBtn1, seen);
}

bool AcknowledgeSessionMessage(const ChildProcess& program, bool written, const PromptSeen& seen, DWORD timeoutMs)
{
    return written ? Answer(program, "Ferl 4.0 - Information", session::kWritten, nullptr, kPromptBtn1, seen, timeoutMs)
                   : Answer(program, "Ferl 4.0 - Error", session::kInterrupted, nullptr, kPromptBtn1, seen, timeoutMs);
}
