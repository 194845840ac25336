// The bridge under a storm of calls from seeded generators: a million log
// lines into lists that are bound anew every few thousand lines, and status
// calls whose pumped handlers call the bridge again, also asking the user in
// prompts that the handlers of further messages open over them. The lists, fields, bars,
// sinks and the flag must match what the calls asked for, no message may be
// lost, and the process must not gain handles, objects or windows from one
// round to the next.
#include "FrontEnd.h"
#include "LogModel.h"
#include "ReentrantFrontEnd.h"
#include "ReliabilitySize.h"
#include "StormChecks.h"
#include "uibridge.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int kRounds = 10;

struct PromptCounts {
    int answered;
    size_t deepest;   // the most prompts open at once
};

// The engine's steps against a front end whose handlers call the bridge
// again; the controls and the process's resources are checked at the end of
// every round, the delivery of every message at the end.
PromptCounts RunReentrantStorm(unsigned seed, int steps, bool prompts, Mismatches& mismatches)
{
    ResourceRounds rounds;
    const int round = std::max(1, steps / kRounds);
    ReentrantFrontEnd frontEnd(seed, mismatches, prompts);
    for (int n = 0; n < steps; ++n) {
        frontEnd.EngineStep();
        if ((n + 1) % round == 0) {
            frontEnd.CheckControls();
            rounds.EndOfRound(mismatches);
        }
    }
    frontEnd.DrainAndCheckDelivery();
    return { frontEnd.PromptsAnswered(), frontEnd.DeepestPrompt() };
}

} // namespace

TEST(Storm, AMillionLogLinesKeepTheRule)
{
    FrontEnd frontEnd;
    CWnd* const lists[] = { &frontEnd.QuietListBox(), &frontEnd.QuietListBox(), nullptr };
    LogModel model;
    Mismatches mismatches;
    ResourceRounds rounds;
    std::mt19937 rng(19970412);
    const int calls = ReliabilitySize(1000000);
    const int round = std::max(1, calls / kRounds);
    CWnd* writeList = nullptr;
    CWnd* temporaryList = nullptr;
    for (int n = 0; n < calls; ++n) {
        // Every few thousand lines the front end binds the slots anew: both
        // to one list, to two lists, or one of them to none.
        if (n % 4096 == 0) {
            writeList = lists[rng() % 3];
            temporaryList = lists[rng() % 3];
            mf_SetWriteLineControl(writeList);
            mf_SetTemporaryLineControl(temporaryList);
        }
        const bool temporary = rng() % 2 == 1;
        const CWnd* list = temporary ? temporaryList : writeList;
        const HWND hList = list ? list->m_hWnd : nullptr;
        // Now and then a null line, as long as its marker cannot take the
        // list beyond 257 lines.
        if (rng() % 50 == 0 && model.Lines(hList).size() < 257) {
            temporary ? TemporaryLine(nullptr) : WriteLine(nullptr);
            model.AddNull(hList);
        } else {
            const std::string line = RandomLine(rng, n);
            temporary ? TemporaryLine(line.c_str()) : WriteLine(line.c_str());
            model.Add(hList, line, temporary);
        }
        if (hList) {
            const LRESULT count = ::SendMessageA(hList, LB_GETCOUNT, 0, 0);
            mismatches.Check(count >= 1 && count <= 257,
                             [&] { return "line " + std::to_string(n) + ": " + std::to_string(count) + " lines"; });
        }
        if ((n + 1) % round == 0) {
            for (const CWnd* checked : lists) {
                if (!checked)
                    continue;
                const std::vector<std::string> shown = Lines(checked->m_hWnd);
                const std::deque<std::string>& expected = model.Lines(checked->m_hWnd);
                mismatches.Check(std::equal(shown.begin(), shown.end(), expected.begin(), expected.end()), [&] {
                    return "after line " + std::to_string(n) + " a list holds " + std::to_string(shown.size()) +
                           " lines for " + std::to_string(expected.size()) + ", or other lines";
                });
            }
            rounds.EndOfRound(mismatches);
        }
    }
    EXPECT_EQ(0, mismatches.Count()) << mismatches.First();
}

TEST(Storm, HandlersPumpedByTheBridgeCallItAgain)
{
    Mismatches mismatches;
    RunReentrantStorm(20261211, ReliabilitySize(20000), false, mismatches);
    EXPECT_EQ(0, mismatches.Count()) << mismatches.First();
}

// The prompts' modal loops dispatch the front end's messages too, so the
// handlers run inside the prompts and may open one prompt over another.
TEST(Storm, PromptsOpenedFromPumpedHandlersAnswerAsAsked)
{
    Mismatches mismatches;
    const PromptCounts prompts = RunReentrantStorm(4711, ReliabilitySize(2000), true, mismatches);
    EXPECT_GT(prompts.answered, 0);
    EXPECT_EQ(2u, prompts.deepest) << "no prompt was opened over another";
    EXPECT_EQ(0, mismatches.Count()) << mismatches.First();
}
