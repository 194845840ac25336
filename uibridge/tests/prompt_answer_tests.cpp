// The prompt exports under Wine: the answer of every button and key, the
// number check, the text handed back, and a prompt that cannot be shown.
#include "ModalDriver.h"
#include "PromptProbe.h"
#include "uibridge.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <vector>

namespace {

constexpr DWORD kDriverTimeoutMs = 5000;
constexpr unsigned char kPoison = 0xBD;

// Answers the one prompt that the call shows; false when none was shown.
bool AnswerOnePrompt(const std::function<void()>& call, Answer answer,
                     const std::function<void(HWND)>& beforeAnswer = nullptr)
{
    ModalDriver driver({ [&](HWND top) {
        if (beforeAnswer)
            beforeAnswer(top);
        AnswerPrompt(top, answer);
        return true;
    } }, kDriverTimeoutMs);
    call();
    EXPECT_FALSE(driver.TimedOut());
    return driver.Finished();
}

void Type(HWND hDlg, const char* text)
{
    ::SetDlgItemTextA(hDlg, kEdit, text);
}

// Refuses to create any dialog of this thread while it lives.
class DialogCreationRefused {
public:
    DialogCreationRefused() : m_hook(::SetWindowsHookExA(WH_CBT, Refuse, nullptr, ::GetCurrentThreadId())) {}
    ~DialogCreationRefused() { ::UnhookWindowsHookEx(m_hook); }
    DialogCreationRefused(const DialogCreationRefused&) = delete;
    DialogCreationRefused& operator=(const DialogCreationRefused&) = delete;

private:
    static LRESULT CALLBACK Refuse(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND) {
            const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
            if (cs->lpszClass == MAKEINTRESOURCEA(0x8002) && !(cs->style & WS_CHILD))   // WC_DIALOG
                return 1;
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK m_hook;
};

} // namespace

TEST(PromptAnswers, EveryButtonAndKeyGivesTheEndCodeOfItsPrompt)
{
    struct Case {
        bool question;
        int type;
        Answer answer;
        short expected;
    };
    const Case cases[] = {
        { false, 1, Answer::Btn1, 2 }, { false, 1, Answer::Escape, 2 }, { false, 1, Answer::Enter, 2 },
        { false, 2, Answer::Btn1, 2 }, { false, 2, Answer::Btn2, 3 }, { false, 2, Answer::Escape, 2 },
        { false, 3, Answer::Btn1, 2 }, { false, 3, Answer::Escape, 2 },
        { false, 4, Answer::Btn1, 2 }, { false, 4, Answer::Btn2, 3 }, { false, 4, Answer::Escape, 2 },
        { false, 5, Answer::Btn1, 2 }, { false, 5, Answer::Escape, 2 },
        { false, 77, Answer::Btn1, 2 },
        { true, 1, Answer::Btn1, 1 }, { true, 1, Answer::Btn2, 0 }, { true, 1, Answer::Escape, 2 },
        { true, 1, Answer::Enter, 1 },
        { true, 2, Answer::Btn1, 1 }, { true, 2, Answer::Btn2, 0 }, { true, 2, Answer::Btn3, 6 },
        { true, 2, Answer::Escape, 2 },
        { true, 3, Answer::Btn1, 1 }, { true, 3, Answer::Btn2, 0 }, { true, 3, Answer::Escape, 2 },
        { true, -1, Answer::Btn2, 0 },
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE((c.question ? "QuestionDialog " : "MessageDialog ") + std::to_string(c.type) + " answer " +
                     std::to_string(static_cast<int>(c.answer)));
        // The third and fourth arguments change nothing, whatever they hold.
        const int unused = ++n % 2 ? -1 : 0x7EADBEEF;
        short result = 99;
        EXPECT_TRUE(AnswerOnePrompt([&] {
            result = c.question ? QuestionDialog("Go on?", c.type, unused, unused) : MessageDialog("Done.", c.type, unused, unused);
        }, c.answer));
        EXPECT_EQ(c.expected, result);
    }
}

TEST(PromptAnswers, NullTextShowsAnEmptyMessageAndHelpDoesNothing)
{
    std::string shown = "unread";
    bool openAfterHelp = false;
    ModalDriver driver({
        [&](HWND top) {
            shown = DlgItemText(top, kText);
            ::PostMessageA(top, WM_COMMAND, 0xE145, 0);   // ID_HELP
            return true;
        },
        [&](HWND top) {
            openAfterHelp = true;
            AnswerPrompt(top, Answer::Btn2);
            return true;
        },
    }, kDriverTimeoutMs);
    EXPECT_EQ(0, QuestionDialog(nullptr, 1, 0, 0));
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ("", shown);
    EXPECT_TRUE(openAfterHelp);
}

TEST(PromptAnswers, NumberCheckAcceptsOrKeepsThePromptOpen)
{
    // A cancelled prompt answers with the default, so a default outside the
    // bounds shows that the prompt stayed open until cancelled.
    constexpr LONG kCancelled = -77;
    struct Case {
        const char* typed;
        BOOL bSigned;
        LONG minimum, maximum;
        BOOL useDefault;
        LONG defaultValue;
        LONG expected;
        bool staysOpen;
    };
    const Case cases[] = {
        { "0x1F", TRUE, 0, 100, FALSE, kCancelled, 31, false },
        { "010", TRUE, 0, 100, FALSE, kCancelled, 8, false },
        { "  7", TRUE, 0, 100, FALSE, kCancelled, 7, false },
        { "7 ", TRUE, 0, 100, FALSE, kCancelled, kCancelled, true },
        { "08", TRUE, 0, 100, FALSE, kCancelled, kCancelled, true },
        { "abc", TRUE, 0, 100, FALSE, kCancelled, kCancelled, true },
        { "", TRUE, 0, 100, FALSE, kCancelled, 0, false },
        { "", FALSE, 1, 100, FALSE, kCancelled, kCancelled, true },
        { "-1", FALSE, 0, 10, FALSE, kCancelled, kCancelled, true },
        { "-1", TRUE, 0, 10, FALSE, kCancelled, kCancelled, true },
        { "-1", FALSE, 0, -1, FALSE, kCancelled, -1, false },               // 4294967295 within 0..ULONG_MAX
        { "-5", TRUE, -10, -1, FALSE, kCancelled, -5, false },
        // Beyond the type's range: not taken as the nearest limit.
        { "99999999999", TRUE, LONG_MIN, LONG_MAX, FALSE, kCancelled, kCancelled, true },
        { "4294967296", FALSE, 0, -1, TRUE, 3, 3, false },
        { "2147483647", TRUE, LONG_MIN, LONG_MAX, FALSE, kCancelled, LONG_MAX, false },
        { "5", TRUE, 10, 0, FALSE, kCancelled, kCancelled, true },          // no input fits 10..0
        { "5", TRUE, 10, 0, TRUE, 42, 42, false },
        { "abc", TRUE, 0, 10, TRUE, 500, 500, false },                      // the default, outside the bounds
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + "\" " + (c.bSigned ? "signed" : "unsigned") + " " +
                     std::to_string(c.minimum) + ".." + std::to_string(c.maximum));
        std::string textWhenStillOpen;
        ModalDriver driver({
            [&](HWND top) {
                Type(top, c.typed);
                AnswerPrompt(top, Answer::Btn1);
                return true;
            },
            [&](HWND top) {
                textWhenStillOpen = DlgItemText(top, kEdit);
                AnswerPrompt(top, Answer::Escape);
                return true;
            },
        }, kDriverTimeoutMs);
        const LONG result = GetValue("Write speed?", c.minimum, c.maximum, c.defaultValue, c.useDefault, c.bSigned);
        // The driver's second step runs only on a prompt that stayed open.
        EXPECT_EQ(c.staysOpen ? 2u : 1u, driver.StepsDone());
        EXPECT_FALSE(driver.TimedOut());
        EXPECT_EQ(c.expected, result);
        if (c.staysOpen) {
            EXPECT_EQ(c.typed, textWhenStillOpen);
        }
    }
}

TEST(PromptAnswers, InputStartsWithItsTextSelectedAndFocused)
{
    struct Case {
        const char* call;
        std::function<void()> run;
        const char* shown;
    };
    char result[16];
    const Case cases[] = {
        { "GetValue -5 signed", [] { GetValue("n?", -10, 10, -5, TRUE, TRUE); }, "-5" },
        { "GetValue -1 unsigned", [] { GetValue("n?", 0, 10, -1, TRUE, FALSE); }, "4294967295" },
        { "GetValue without default", [] { GetValue("n?", 0, 10, 3, FALSE, TRUE); }, "" },
        { "GetText", [&] { GetText("Label?", "CDROM_01", result, sizeof result); }, "CDROM_01" },
        { "GetText without initial text", [&] { GetText("Label?", nullptr, result, sizeof result); }, "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        std::string shown;
        DWORD selStart = 99, selEnd = 99;
        HWND focus = nullptr, edit = nullptr;
        EXPECT_TRUE(AnswerOnePrompt(c.run, Answer::Escape, [&](HWND top) {
            shown = DlgItemText(top, kEdit);
            ::SendDlgItemMessageA(top, kEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart),
                                  reinterpret_cast<LPARAM>(&selEnd));
            focus = ::GetFocus();
            edit = ::GetDlgItem(top, kEdit);
        }));
        EXPECT_EQ(c.shown, shown);
        EXPECT_EQ(0u, selStart);
        EXPECT_EQ(std::strlen(c.shown), selEnd);
        EXPECT_EQ(edit, focus);
    }
}

TEST(PromptAnswers, GetTextHandsBackTheAnswerInTheCallersBuffer)
{
    struct Case {
        const char* name;
        const char* initial;
        const char* typed;   // null: the field is left as it starts
        Answer answer;
        int size;
        const char* expected;
    };
    const Case cases[] = {
        { "edited", "abc", "hello", Answer::Btn1, 16, "hello" },
        { "edited, Enter", "abc", "hello", Answer::Enter, 16, "hello" },
        { "unchanged", "abc", nullptr, Answer::Btn1, 16, "abc" },
        { "emptied", "abc", "", Answer::Btn1, 16, "abc" },
        { "cancelled", "abc", "zzz", Answer::Escape, 16, "abc" },
        { "emptied, no initial text", nullptr, "", Answer::Btn1, 16, "" },
        { "cancelled, no initial text", nullptr, "zzz", Answer::Escape, 16, "" },
        { "cut to the buffer", "abc", "abcdefgh", Answer::Btn1, 5, "abcd" },
        { "one byte", "abc", "abcdefgh", Answer::Btn1, 1, "" },
        { "initial text cut", "abcdefgh", nullptr, Answer::Escape, 5, "abcd" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        unsigned char buffer[32];
        std::memset(buffer, kPoison, sizeof buffer);
        EXPECT_TRUE(AnswerOnePrompt([&] { GetText("Volume label?", c.initial, reinterpret_cast<char*>(buffer), c.size); },
                                    c.answer, [&](HWND top) {
                                        if (c.typed)
                                            Type(top, c.typed);
                                    }));
        // The answer, NULs up to and including the last byte of the given
        // size, and nothing written beyond it.
        const size_t length = std::strlen(c.expected);
        for (int i = 0; i < static_cast<int>(sizeof buffer); ++i) {
            const unsigned char wanted = i < static_cast<int>(length) ? static_cast<unsigned char>(c.expected[i])
                                         : i < c.size                 ? 0
                                                                      : kPoison;
            EXPECT_EQ(wanted, buffer[i]) << "byte " << i;
        }
    }
}

TEST(PromptAnswers, GetTextWithoutRoomForAnAnswerAsksNothingAndWritesNothing)
{
    for (const int size : { 0, -1 }) {
        unsigned char buffer[8];
        std::memset(buffer, kPoison, sizeof buffer);
        EXPECT_FALSE(AnswerOnePrompt([&] { GetText("Label?", "abc", reinterpret_cast<char*>(buffer), size); },
                                     Answer::Escape));
        for (unsigned char b : buffer)
            EXPECT_EQ(kPoison, b);
    }
    EXPECT_FALSE(AnswerOnePrompt([] { GetText("Label?", "abc", nullptr, 16); }, Answer::Escape));
}

TEST(PromptAnswers, APromptThatCannotBeShownGivesTheFallbacks)
{
    DialogCreationRefused refused;
    EXPECT_EQ(-1, MessageDialog("Done.", 1, 0, 0));
    EXPECT_EQ(-1, QuestionDialog("Go on?", 2, 0, 0));
    EXPECT_EQ(0xFFFF, MessageDialog("Done.", 2, 0, 0) & 0xFFFF);
    EXPECT_EQ(12, GetValue("n?", 0, 10, 12, FALSE, TRUE));
    char text[8];
    std::memset(text, kPoison, sizeof text);
    GetText("Label?", "abc", text, sizeof text);
    EXPECT_STREQ("abc", text);
    std::memset(text, kPoison, sizeof text);
    GetText("Label?", nullptr, text, sizeof text);
    EXPECT_STREQ("", text);
}
