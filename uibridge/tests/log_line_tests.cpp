// WriteLine and TemporaryLine on real list boxes: capacity, replacement of a
// pending temporary line, the null-line marker and the one flag both slots
// share; and the exact list messages on a list that answers as told.
#include "FrontEnd.h"
#include "uibridge.h"

#include <gtest/gtest.h>

namespace {

const char kMarker[] = "pszMessage == NULL !?!";

// Leaves the temporary-line flag set without touching the lists under test:
// the temporary line goes to a scratch list.
void SetPendingTemporary(FrontEnd& frontEnd)
{
    CWnd* bound = mf_SetTemporaryLineControl(&frontEnd.ListBox());
    TemporaryLine("scratch");
    mf_SetTemporaryLineControl(bound);
}

std::string Old(int n)
{
    return "old " + std::to_string(n);
}

} // namespace

TEST(LogLines, CapacityAndReplacementOnOneList)
{
    enum Call { Write, Temporary, WriteNull };
    struct Case {
        int lines;          // in the list before the call
        bool pending;       // a temporary line was the last one
        Call call;
        int count;          // after the call
        std::string first;  // the oldest line after the call
        std::string before; // the line before the last, "" when none
        bool scrolls;
    };
    const Case cases[] = {
        { 0, false, Write, 1, "new", "", true },
        { 255, false, Write, 256, Old(0), Old(254), true },
        { 256, false, Write, 256, Old(1), Old(255), true },
        { 300, false, Write, 256, Old(45), Old(299), true },
        { 300, false, Temporary, 256, Old(45), Old(299), true },
        { 0, true, Write, 1, "new", "", true },
        { 256, true, Write, 256, Old(0), Old(254), true },
        { 300, true, Temporary, 300, Old(0), Old(298), true },
        { 256, false, WriteNull, 257, Old(0), Old(255), false },
        { 3, true, WriteNull, 4, Old(0), Old(2), false },
    };
    for (const Case& c : cases) {
        const std::string what = std::to_string(c.lines) + " lines, pending " + std::to_string(c.pending) +
                                 ", call " + std::to_string(c.call);
        FrontEnd frontEnd;
        CWnd& list = frontEnd.ListBox();
        Fill(list.m_hWnd, c.lines);
        mf_SetWriteLineControl(&list);
        mf_SetTemporaryLineControl(&list);
        if (c.pending)
            SetPendingTemporary(frontEnd);
        const LRESULT topBefore = list.SendMessage(LB_GETTOPINDEX);

        switch (c.call) {
        case Write: WriteLine("new"); break;
        case Temporary: TemporaryLine("new"); break;
        case WriteNull: WriteLine(nullptr); break;
        }

        const std::vector<std::string> lines = Lines(list.m_hWnd);
        ASSERT_EQ(static_cast<size_t>(c.count), lines.size()) << what;
        EXPECT_EQ(c.first, lines.front()) << what;
        EXPECT_EQ(c.call == WriteNull ? kMarker : "new", lines.back()) << what;
        if (lines.size() > 1) {
            EXPECT_EQ(c.before, lines[lines.size() - 2]) << what;
        }
        if (c.scrolls) {
            EXPECT_TRUE(LastLineVisible(list.m_hWnd)) << what;
        } else {
            EXPECT_EQ(topBefore, list.SendMessage(LB_GETTOPINDEX)) << what;
        }
    }
}

TEST(LogLines, ATemporaryLineGivesWayToTheNextLineOfEitherKind)
{
    FrontEnd frontEnd;
    CWnd& list = frontEnd.ListBox();
    mf_SetWriteLineControl(&list);
    mf_SetTemporaryLineControl(&list);
    WriteLine("one");
    TemporaryLine("two, 10%");
    TemporaryLine("two, 20%");
    EXPECT_EQ((std::vector<std::string>{ "one", "two, 20%" }), Lines(list.m_hWnd));
    WriteLine("two");
    WriteLine("three");
    EXPECT_EQ((std::vector<std::string>{ "one", "two", "three" }), Lines(list.m_hWnd));
}

TEST(LogLines, ANullLineAfterATemporaryLineIsTheOneReplacedNext)
{
    FrontEnd frontEnd;
    CWnd& list = frontEnd.ListBox();
    mf_SetWriteLineControl(&list);
    mf_SetTemporaryLineControl(&list);
    TemporaryLine("temporary");
    WriteLine(nullptr);
    EXPECT_EQ((std::vector<std::string>{ "temporary", kMarker }), Lines(list.m_hWnd));
    TemporaryLine(nullptr);
    EXPECT_EQ((std::vector<std::string>{ "temporary", kMarker, kMarker }), Lines(list.m_hWnd));
    WriteLine("next");
    EXPECT_EQ((std::vector<std::string>{ "temporary", kMarker, "next" }), Lines(list.m_hWnd));
}

TEST(LogLines, OneFlagServesBothSlotsWhateverListIsBound)
{
    FrontEnd frontEnd;
    CWnd& a = frontEnd.ListBox();
    CWnd& b = frontEnd.ListBox();
    CWnd& c = frontEnd.ListBox();
    Fill(b.m_hWnd, 2);
    Fill(c.m_hWnd, 2);
    mf_SetTemporaryLineControl(&a);
    mf_SetWriteLineControl(&b);
    TemporaryLine("temporary in A");
    WriteLine("permanent in B");
    EXPECT_EQ(std::vector<std::string>{ "temporary in A" }, Lines(a.m_hWnd));
    EXPECT_EQ((std::vector<std::string>{ Old(0), "permanent in B" }), Lines(b.m_hWnd));

    // A list bound after the temporary line loses its last line the same way.
    TemporaryLine("temporary again");
    mf_SetWriteLineControl(&c);
    WriteLine("permanent in C");
    EXPECT_EQ((std::vector<std::string>{ Old(0), "permanent in C" }), Lines(c.m_hWnd));
}

TEST(LogLines, WithNoListBoundNothingHappensAndTheFlagStays)
{
    FrontEnd frontEnd;
    CWnd& list = frontEnd.ListBox();
    Fill(list.m_hWnd, 2);
    WriteLine("lost");
    TemporaryLine("lost");
    TemporaryLine(nullptr);
    mf_SetWriteLineControl(&list);
    WriteLine("kept");
    EXPECT_EQ((std::vector<std::string>{ Old(0), Old(1), "kept" }), Lines(list.m_hWnd));
    SetPendingTemporary(frontEnd);
    TemporaryLine("not bound");
    WriteLine("replaces kept");
    EXPECT_EQ((std::vector<std::string>{ Old(0), Old(1), "replaces kept" }), Lines(list.m_hWnd));
}

// The list messages themselves, on a list that reports a given count and a
// given result for the addition.
TEST(LogLines, ListMessagesFollowTheRule)
{
    struct Case {
        int count;
        int addResult;
        bool pending;
        std::vector<Received> messages;
    };
    const Received getCount{ LB_GETCOUNT, 0 }, add{ LB_ADDSTRING, 0 };
    std::vector<Received> trimmed{ getCount };
    trimmed.insert(trimmed.end(), 45, Received{ LB_DELETESTRING, 0 });
    trimmed.insert(trimmed.end(), { add, { LB_SETTOPINDEX, 256 } });
    const Case cases[] = {
        // The count is asked once; the oldest line goes 45 times.
        { 300, 256, false, trimmed },
        // No count: nothing is deleted, the line is still added.
        { LB_ERR, 7, false, { getCount, add, { LB_SETTOPINDEX, 7 } } },
        { LB_ERR, 7, true, { getCount, add, { LB_SETTOPINDEX, 7 } } },
        // A failed addition does not scroll.
        { 3, LB_ERR, false, { getCount, add } },
        { 3, LB_ERR, true, { getCount, { LB_DELETESTRING, 2 }, add } },
        // Only -1 is a failure.
        { 3, LB_ERRSPACE, false, { getCount, add, { LB_SETTOPINDEX, static_cast<WPARAM>(LB_ERRSPACE) } } },
    };
    for (const Case& c : cases) {
        const std::string what = "count " + std::to_string(c.count) + ", add " + std::to_string(c.addResult) +
                                 ", pending " + std::to_string(c.pending);
        FrontEnd frontEnd;
        CWnd& fake = frontEnd.FakeList(c.count, c.addResult);
        mf_SetTemporaryLineControl(&fake);
        if (c.pending)
            SetPendingTemporary(frontEnd);
        frontEnd.received.clear();

        TemporaryLine("line");

        ASSERT_EQ(c.messages.size(), frontEnd.received.size()) << what;
        for (size_t i = 0; i < c.messages.size(); ++i) {
            EXPECT_EQ(c.messages[i].message, frontEnd.received[i].message) << what << ", message " << i;
            EXPECT_EQ(c.messages[i].wParam, frontEnd.received[i].wParam) << what << ", message " << i;
        }
        // The flag records the temporary line even when it was not added.
        CWnd& list = frontEnd.ListBox();
        Fill(list.m_hWnd, 2);
        mf_SetWriteLineControl(&list);
        WriteLine("after");
        EXPECT_EQ((std::vector<std::string>{ Old(0), "after" }), Lines(list.m_hWnd)) << what;
    }
}
