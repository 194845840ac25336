// GetUserInterrupt, SetUserInterrupt and ClearUserInterrupt: the flag, the
// logged interrupt message, the three pump steps and the look-up for a
// pending Cancel or Escape, which hands every message it takes to its window
// and gives a quit request back to the front end's loop.
#include "FrontEnd.h"
#include "uibridge.h"

#include <gtest/gtest.h>

namespace {

const char kInterrupted[] = "Operation interrupted by the user.";

std::vector<UINT> Messages(const std::vector<Received>& received)
{
    std::vector<UINT> messages;
    messages.reserve(received.size());
    for (const Received& r : received)
        messages.push_back(r.message);
    return messages;
}

std::vector<UINT> Messages(const std::vector<MSG>& queue)
{
    std::vector<UINT> messages;
    messages.reserve(queue.size());
    for (const MSG& m : queue)
        messages.push_back(m.message);
    return messages;
}

// The three application messages that the pump steps take first.
void PostThree(FrontEnd& frontEnd)
{
    frontEnd.Post(0);
    frontEnd.Post(1);
    frontEnd.Post(2);
}

const std::vector<UINT> kThree{ WM_APP, WM_APP + 1, WM_APP + 2 };

std::vector<UINT> ThreeThen(std::initializer_list<UINT> more)
{
    std::vector<UINT> all = kThree;
    all.insert(all.end(), more);
    return all;
}

} // namespace

TEST(Interrupt, SetAndClearReturnThePreviousFlag)
{
    FrontEnd frontEnd;
    EXPECT_EQ(0, SetUserInterrupt());
    EXPECT_EQ(1, SetUserInterrupt());
    EXPECT_EQ(1, ClearUserInterrupt());
    EXPECT_EQ(0, ClearUserInterrupt());
}

TEST(Interrupt, WithoutARequestAPollLogsAndDispatchesNothing)
{
    FrontEnd frontEnd;
    CWnd& log = frontEnd.ListBox();
    mf_SetWriteLineControl(&log);
    EXPECT_EQ(0, GetUserInterrupt());
    EXPECT_TRUE(Lines(log.m_hWnd).empty());
    EXPECT_TRUE(frontEnd.received.empty());
}

TEST(Interrupt, EveryPollWhileRequestedLogsTheMessage)
{
    FrontEnd frontEnd;
    CWnd& log = frontEnd.ListBox();
    mf_SetWriteLineControl(&log);
    mf_SetTemporaryLineControl(&log);
    WriteLine("Track 1 written.");
    TemporaryLine("Track 2: 40% written");
    SetUserInterrupt();
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(1, GetUserInterrupt()) << i;
    // The first message took the place of the temporary line.
    std::vector<std::string> expected{ "Track 1 written." };
    expected.insert(expected.end(), 10, kInterrupted);
    EXPECT_EQ(expected, Lines(log.m_hWnd));

    // Without a log the poll still answers.
    mf_SetWriteLineControl(nullptr);
    EXPECT_EQ(1, GetUserInterrupt());
    EXPECT_EQ(1, ClearUserInterrupt());
    EXPECT_EQ(0, GetUserInterrupt());
}

TEST(Interrupt, ACancelWaitingBehindOtherMessagesCountsInTheSamePoll)
{
    FrontEnd frontEnd;
    CWnd& log = frontEnd.ListBox();
    mf_SetWriteLineControl(&log);
    frontEnd.onMessage = [](UINT message, WPARAM wParam) {
        if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
            SetUserInterrupt();
    };
    PostThree(frontEnd);
    frontEnd.PostCommand(IDCANCEL);
    EXPECT_EQ(1, GetUserInterrupt());
    EXPECT_EQ(ThreeThen({ WM_COMMAND }), Messages(frontEnd.received));
    EXPECT_EQ(std::vector<std::string>{ kInterrupted }, Lines(log.m_hWnd));
}

TEST(Interrupt, AnEscapeKeyIsTranslatedAndDispatched)
{
    FrontEnd frontEnd;
    PostThree(frontEnd);
    frontEnd.PostKeyDown(VK_ESCAPE);
    EXPECT_EQ(0, GetUserInterrupt());
    EXPECT_EQ(ThreeThen({ WM_KEYDOWN }), Messages(frontEnd.received));
    EXPECT_EQ(static_cast<WPARAM>(VK_ESCAPE), frontEnd.received.back().wParam);
    // TranslateMessage turned the key into a character message.
    const std::vector<MSG> left = TakeQueue();
    ASSERT_EQ(1u, left.size());
    EXPECT_EQ(static_cast<UINT>(WM_CHAR), left[0].message);
    EXPECT_EQ(static_cast<WPARAM>(VK_ESCAPE), left[0].wParam);
}

TEST(Interrupt, APollPumpsThreeMessagesAndLeavesTheRest)
{
    FrontEnd frontEnd;
    for (int n = 0; n < 5; ++n)
        frontEnd.Post(n);
    EXPECT_EQ(0, GetUserInterrupt());
    EXPECT_EQ(kThree, Messages(frontEnd.received));
    EXPECT_EQ((std::vector<UINT>{ WM_APP + 3, WM_APP + 4 }), Messages(TakeQueue()));
}

// Input that is not a cancel is the user's too: the first other command and
// the first other key press taken by the look-up reach their window; later
// ones wait in the queue for the next poll.
TEST(Interrupt, OtherCommandsAndKeysTakenByTheLookUpAreDispatched)
{
    FrontEnd frontEnd;
    PostThree(frontEnd);
    frontEnd.PostCommand(1234);
    frontEnd.PostKeyDown('A');
    frontEnd.PostCommand(1235);
    frontEnd.PostKeyDown('B');
    EXPECT_EQ(0, GetUserInterrupt());
    ASSERT_EQ(ThreeThen({ WM_COMMAND, WM_KEYDOWN }), Messages(frontEnd.received));
    EXPECT_EQ(1234u, LOWORD(frontEnd.received[3].wParam));
    EXPECT_EQ(static_cast<WPARAM>('A'), frontEnd.received[4].wParam);
    const std::vector<MSG> left = TakeQueue();
    ASSERT_EQ((std::vector<UINT>{ WM_COMMAND, WM_KEYDOWN, WM_CHAR }), Messages(left));
    EXPECT_EQ(1235u, LOWORD(left[0].wParam));
    EXPECT_EQ(static_cast<WPARAM>('B'), left[1].wParam);
}

TEST(Interrupt, AfterACancelTheKeyLookUpIsSkipped)
{
    FrontEnd frontEnd;
    PostThree(frontEnd);
    frontEnd.PostKeyDown('A');
    frontEnd.PostCommand(IDCANCEL);
    EXPECT_EQ(0, GetUserInterrupt());
    EXPECT_EQ(ThreeThen({ WM_COMMAND }), Messages(frontEnd.received));
    EXPECT_EQ(std::vector<UINT>{ WM_KEYDOWN }, Messages(TakeQueue()));
}

// A nested pump that takes WM_QUIT gives it back with its exit code, so the
// front end's own message loop still ends.
TEST(Interrupt, AQuitRequestSurvivesEveryPump)
{
    struct Case {
        const char* name;
        int posted;   // application messages ahead of the quit request
        bool keyDown;
        void (*call)();
    };
    const Case cases[] = {
        { "DisplayStatus", 0, false, [] { DisplayStatus("ABC", ST_TRACKS); } },
        { "pump step of GetUserInterrupt", 1, false, [] { GetUserInterrupt(); } },
        { "look-up of GetUserInterrupt", 3, true, [] { GetUserInterrupt(); } },
    };
    for (const Case& c : cases) {
        FrontEnd frontEnd;
        for (int n = 0; n < c.posted; ++n)
            frontEnd.Post(n);
        if (c.keyDown)
            frontEnd.PostKeyDown('A');
        ::PostQuitMessage(7);
        c.call();
        const std::vector<MSG> left = TakeQueue();
        ASSERT_FALSE(left.empty()) << c.name;
        EXPECT_EQ(static_cast<UINT>(WM_QUIT), left.back().message) << c.name;
        EXPECT_EQ(7u, left.back().wParam) << c.name;
        // The look-up stopped at the quit request: the key stayed queued.
        if (c.keyDown) {
            EXPECT_EQ((std::vector<UINT>{ WM_KEYDOWN, WM_QUIT }), Messages(left)) << c.name;
        }
    }
}
