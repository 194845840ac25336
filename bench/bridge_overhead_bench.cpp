// What the bridge adds to the window work it does for the engine: WriteLine,
// DisplayStatus and GetUserInterrupt, each timed side by side with the Win32
// calls that it must make, sent directly.
#include "BenchWindows.h"
#include "CWnd.h"
#include "SideBySide.h"
#include "uibridge.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int kRepetitions = 31;
constexpr int kCalls = 500;
constexpr int kFullLog = 256;

// The texts of one batch, so that neither side sets the same text twice in a
// row.
const char* const kTexts[] = { "Track 1 of 12", "Track 2 of 12", "Track 3 of 12", "Track 4 of 12" };
const char* const kVolumeTexts[] = { "Ferl 4.0 -  Track 1 of 12", "Ferl 4.0 -  Track 2 of 12",
                                 "Ferl 4.0 -  Track 3 of 12", "Ferl 4.0 -  Track 4 of 12" };
constexpr int kTextCount = sizeof kTexts / sizeof kTexts[0];

// Times kCalls calls of the export against kCalls of the direct calls.
template <typename Export, typename Direct>
void Row(const char* what, const char* baseline, Export&& exported, Direct&& direct)
{
    const Comparison c = CompareSideBySide(
        kRepetitions, [&] { return MicrosecondsPerCall(kCalls, exported); },
        [&] { return MicrosecondsPerCall(kCalls, direct); });
    std::printf("  %-30s %7.2f us   %-48s %7.2f us   ratio %.3f\n", what, c.measured, baseline, c.baseline,
            c.ratio);
}

} // namespace

int main()
{
    BenchWindows windows;
    CWnd log(windows.ListBox());
    CWnd tracks(windows.Static());
    CWnd volume(windows.Static());
    const HWND rawLog = windows.ListBox();
    const HWND rawStatic = windows.Static();
    BenchWindows::Fill(log.m_hWnd, kFullLog);
    BenchWindows::Fill(rawLog, kFullLog);
    mf_SetWriteLineControl(&log);
    mf_SetTracksStatusControl(&tracks);
    mf_SetVolumeStatusControl(&volume);

    std::printf("Bridge exports against the Win32 calls they make, sent directly; median of %d batches of "
            "%d calls each, per call:\n",
            kRepetitions, kCalls);

    // A full log: the oldest line goes, the new one comes and is scrolled to.
    Row("WriteLine, 256 lines", "LB_DELETESTRING + LB_ADDSTRING + LB_SETTOPINDEX",
        [](int i) { WriteLine(kTexts[i % kTextCount]); },
        [rawLog](int i) {
            ::SendMessageA(rawLog, LB_DELETESTRING, 0, 0);
            const LRESULT index =
                ::SendMessageA(rawLog, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kTexts[i % kTextCount]));
            ::SendMessageA(rawLog, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        });
    // The same with the count the log rule asks first, to show what that
    // message costs by itself.
    Row("WriteLine, 256 lines", "the same, with LB_GETCOUNT first",
        [](int i) { WriteLine(kTexts[i % kTextCount]); },
        [rawLog](int i) {
            const LRESULT count = ::SendMessageA(rawLog, LB_GETCOUNT, 0, 0);
            if (count > 255)
                ::SendMessageA(rawLog, LB_DELETESTRING, 0, 0);
            const LRESULT index =
                ::SendMessageA(rawLog, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kTexts[i % kTextCount]));
            ::SendMessageA(rawLog, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        });

    MSG msg;
    Row("DisplayStatus, ST_TRACKS", "SetWindowTextA + PeekMessageA",
        [](int i) { DisplayStatus(kTexts[i % kTextCount], ST_TRACKS); },
        [rawStatic, &msg](int i) {
            ::SetWindowTextA(rawStatic, kTexts[i % kTextCount]);
            ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
        });
    // The volume field composes its text from the product title.
    Row("DisplayStatus, ST_VOLUME", "SetWindowTextA (composed) + PeekMessageA",
        [](int i) { DisplayStatus(kTexts[i % kTextCount], ST_VOLUME); },
        [rawStatic, &msg](int i) {
            ::SetWindowTextA(rawStatic, kVolumeTexts[i % kTextCount]);
            ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
        });

    // An empty queue: one pump step, then the look-ups for a Cancel command
    // and an Escape key.
    Row("GetUserInterrupt, empty queue", "PeekMessageA x 3 (all, WM_COMMAND, WM_KEYDOWN)",
        [](int) { GetUserInterrupt(); },
        [&msg](int) {
            ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
            ::PeekMessageA(&msg, nullptr, WM_COMMAND, WM_COMMAND, PM_REMOVE);
            ::PeekMessageA(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE);
        });
    std::printf("Target: every ratio at most 1.10.\n");

    mf_SetWriteLineControl(nullptr);
    mf_SetTracksStatusControl(nullptr);
    mf_SetVolumeStatusControl(nullptr);
    return 0;
}
