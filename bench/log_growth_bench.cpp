// Whether a long recording slows the log down: one WriteLine on a log that
// has taken 1 000 lines against one on a log that has taken 100 000, both
// kept at 256 lines by the bridge, timed side by side in one process.
#include "BenchWindows.h"
#include "CWnd.h"
#include "SideBySide.h"
#include "uibridge.h"

#include <cstdio>

namespace {

constexpr int kRepetitions = 31;
constexpr int kBatch = 200;
constexpr int kEarly = 1000;
constexpr int kLate = 100000;

// Writes `count` lines into the log bound to the WriteLine slot, numbered
// from `from` on as a recording numbers its sectors.
void WriteLines(int from, int count)
{
    for (int i = from; i < from + count; ++i) {
        char line[48];
        std::snprintf(line, sizeof line, "Sector %d written", i);
        WriteLine(line);
    }
}

// A log bound to the WriteLine slot that has taken `lines` lines; each batch
// timed on it adds its lines after those.
class Log {
public:
    Log(const BenchWindows& windows, int lines) : m_list(windows.ListBox()), m_written(lines)
    {
        mf_SetWriteLineControl(&m_list);
        WriteLines(0, lines);
    }
    ~Log() { mf_SetWriteLineControl(nullptr); }
    Log(const Log&) = delete;
    Log& operator=(const Log&) = delete;

    double Batch()
    {
        mf_SetWriteLineControl(&m_list);
        const int from = m_written;
        m_written += kBatch;
        return MicrosecondsPerCall(kBatch, [from](int i) { WriteLines(from + i, 1); });
    }

private:
    CWnd m_list;
    int m_written;
};

} // namespace

int main()
{
    BenchWindows windows;
    Log late(windows, kLate);
    Log early(windows, kEarly);
    const Comparison c = CompareSideBySide(
        kRepetitions, [&late] { return late.Batch(); }, [&early] { return early.Batch(); });
    std::printf("WriteLine on a log kept at 256 lines, median of %d batches of %d calls, the two logs in turn:\n",
                kRepetitions, kBatch);
    std::printf("  after %6d lines: %7.2f us\n", kEarly, c.baseline);
    std::printf("  after %6d lines: %7.2f us\n", kLate, c.measured);
    std::printf("  ratio %.3f (target: within 1.2)\n", c.ratio);
    return 0;
}
