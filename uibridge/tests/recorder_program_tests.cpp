// recorder.exe started for real and driven from outside as a user would:
// Start asks its questions in the bridge's prompts and plays the session
// through the bridge, Cancel interrupts it, and the bridge's interrupt
// message ends the log.
#include "ListBoxReader.h"
#include "ModalDriver.h"
#include "ProcessDriver.h"
#include "RecorderPrompts.h"
#include "WaitUntil.h"

#include "../../recorder/resource.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const char kInterrupted[] = "Operation interrupted by the user.";

// A question to a control of the other process, which must not block the
// test; -1 when it was not answered.
LRESULT Ask(HWND hWnd, UINT message)
{
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutA(hWnd, message, 0, 0, SMTO_ABORTIFHUNG, 2000, &result))
        return -1;
    return static_cast<LRESULT>(result);
}

std::vector<std::string> LogLines(HWND dlg)
{
    return ListBoxLines(::GetDlgItem(dlg, IDC_LOG));
}

bool Contains(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class Recorder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_program.Started());
        m_dlg = m_program.WaitForDialog("Recorder");
        ASSERT_NE(nullptr, m_dlg);
    }
    // Cancel while idle closes the window; the program ends with 0.
    void Close()
    {
        PressButton(m_dlg, IDCANCEL);
        EXPECT_EQ(0u, m_program.WaitForExit());
    }

    ChildProcess m_program{ "recorder.exe", BuildBinDirectory() };
    HWND m_dlg = nullptr;
};

} // namespace

TEST_F(Recorder, CancelInterruptsTheSessionWithTheCataloguesMessage)
{
    EXPECT_EQ("Ready", DlgItemText(m_dlg, IDC_ACTION));
    PressButton(m_dlg, IDC_START);
    ASSERT_TRUE(AnswerSessionPrompts(m_program, {}));
    ASSERT_TRUE(WaitUntil([&] { return DlgItemText(m_dlg, IDC_CURRENT_TRACK) == "1"; }, 5000));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(m_dlg, IDC_START)));
    EXPECT_EQ("Ferl 4.0 -  AUDIO_CD", DlgItemText(m_dlg, IDC_VOLUME));
    EXPECT_EQ("Recording", DlgItemText(m_dlg, IDC_ACTION));

    PressButton(m_dlg, IDCANCEL);
    ASSERT_TRUE(AcknowledgeSessionMessage(m_program, false));
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(::GetDlgItem(m_dlg, IDC_START)) != FALSE; }, 5000));
    const std::vector<std::string> lines = LogLines(m_dlg);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(kInterrupted, lines.back());
    EXPECT_EQ(1, std::count(lines.begin(), lines.end(), kInterrupted));
    EXPECT_FALSE(Contains(lines, "Recording complete."));
    EXPECT_EQ("Interrupted", DlgItemText(m_dlg, IDC_ACTION));
    Close();
}

TEST_F(Recorder, AnUninterruptedSessionWritesEveryTrackWithTheAnswersGiven)
{
    PressButton(m_dlg, IDC_START);
    SessionAnswers answers;
    answers.speed = "0x8";
    answers.label = "MY_DISC";
    ASSERT_TRUE(AnswerSessionPrompts(m_program, answers));
    ASSERT_TRUE(AcknowledgeSessionMessage(m_program, true));
    EXPECT_EQ("Done", DlgItemText(m_dlg, IDC_ACTION));
    EXPECT_EQ("Ferl 4.0 -  MY_DISC", DlgItemText(m_dlg, IDC_VOLUME));
    const std::vector<std::string> lines = LogLines(m_dlg);
    const std::vector<std::string> expected{
        "Recording session started.",
        "Write speed: 8x",
        "Track 1: writing from C:\\Audio\\Track01.wav", "Track 1 written.",
        "Track 2: writing from C:\\Audio\\Track02.wav", "Track 2 written.",
        "Track 3: writing from C:\\Audio\\Track03.wav", "Track 3 written.",
        "Recording complete.",
    };
    // Each temporary line gave way to the permanent line after it.
    EXPECT_EQ(expected, lines);
    EXPECT_EQ(100, Ask(::GetDlgItem(m_dlg, IDC_PERCENTAGE), PBM_GETPOS));
    EXPECT_EQ("3", DlgItemText(m_dlg, IDC_CURRENT_TRACK));
    EXPECT_EQ("", DlgItemText(m_dlg, IDC_SUBACTION));
    Close();
}

TEST_F(Recorder, NoToTheQuestionWritesNothing)
{
    PressButton(m_dlg, IDC_START);
    ASSERT_TRUE(AnswerSessionPrompts(m_program, { false }));
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(::GetDlgItem(m_dlg, IDC_START)) != FALSE; }, 5000));
    EXPECT_EQ(std::vector<std::string>{ "Recording not started." }, LogLines(m_dlg));
    EXPECT_EQ("Ready", DlgItemText(m_dlg, IDC_ACTION));
    Close();
}
