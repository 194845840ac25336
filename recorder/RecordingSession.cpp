// The scripted recording session: what an engine reports while it writes a
// disc, paced by the interrupt poll.
#include "RecordingSession.h"

#include "SessionQuestions.h"
#include "uibridge.h"

#include <cstdio>

namespace {

constexpr int kTracks = 3;
constexpr int kStepsPerTrack = 20;
constexpr DWORD kStepMs = 50;
constexpr DWORD kPhaseMs = 300;
constexpr int kSectorsPerStep = 1100;

// Waits, polling the bridge so the window stays responsive; true when the
// user asked for an interrupt.
bool PauseInterrupted(DWORD ms)
{
    const DWORD start = ::GetTickCount();
    do {
        if (GetUserInterrupt())
            return true;
        ::Sleep(10);
    } while (::GetTickCount() - start < ms);
    return false;
}

void ShowNumber(int value, int nType)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    DisplayStatus(text, nType);
}

bool WriteTrack(int track, int& freeSectors)
{
    char text[96];
    std::snprintf(text, sizeof text, "Writing track %d of %d", track, kTracks);
    DisplayStatus(text, ST_SUBACTION);
    ShowNumber(track, ST_CURRENT_TRACK);
    std::snprintf(text, sizeof text, "Track %d: writing from C:\\Audio\\Track%02d.wav", track, track);
    WriteLine(text);
    for (int step = 0; step <= kStepsPerTrack; ++step) {
        const int percent = step * 100 / kStepsPerTrack;
        DisplayPercentage(percent);
        // The drive's buffer drains a little and is filled again.
        DisplayBufferPercentage(step % 4 == 3 ? 78 : 96);
        freeSectors -= kSectorsPerStep;
        ShowNumber(freeSectors, ST_FREE_SECTORS);
        std::snprintf(text, sizeof text, "Track %d: %d%% written", track, percent);
        TemporaryLine(text);
        if (PauseInterrupted(kStepMs))
            return false;
    }
    std::snprintf(text, sizeof text, "Track %d written.", track);
    WriteLine(text);
    return true;
}

bool Interrupted()
{
    DisplayStatus("Interrupted", ST_ACTION);
    DisplayStatus("", ST_SUBACTION);
    return false;
}

// The session itself, with the user's answers.
bool WriteSession(const char* pszLabel, long speed)
{
    DisplayPercentage(0);
    DisplayBufferPercentage(0);
    DisplayStatus(pszLabel, ST_VOLUME);
    DisplayStatus("FERL CDR-4 (SCSI 0, id 4)", ST_CURRENT_DEVICE);
    DisplayStatus("C:\\Audio", ST_CURRENT_DIR);
    ShowNumber(kTracks, ST_TRACKS);
    DisplayStatus("", ST_CURRENT_TRACK);
    int freeSectors = 333000;
    ShowNumber(freeSectors, ST_FREE_SECTORS);
    DisplayStatus("Recording", ST_ACTION);
    WriteLine("Recording session started.");
    char text[64];
    std::snprintf(text, sizeof text, "Write speed: %ldx", speed);
    WriteLine(text);

    DisplayStatus("Checking the disc", ST_SUBACTION);
    TemporaryLine("Checking the disc...");
    if (PauseInterrupted(kPhaseMs))
        return Interrupted();

    for (int track = 1; track <= kTracks; ++track) {
        if (!WriteTrack(track, freeSectors))
            return Interrupted();
    }

    DisplayStatus("Closing the session", ST_SUBACTION);
    TemporaryLine("Closing the session...");
    if (PauseInterrupted(kPhaseMs))
        return Interrupted();
    WriteLine("Recording complete.");
    DisplayStatus("Done", ST_ACTION);
    DisplayStatus("", ST_SUBACTION);
    return true;
}

} // namespace

bool PlayRecordingSession()
{
    ClearUserInterrupt();
    constexpr short kYes = 1;
    if (QuestionDialog(session::kAskStart, 1, 0, 0) != kYes) {
        WriteLine("Recording not started.");
        return false;
    }
    const long speed = GetValue(session::kAskSpeed, session::kSlowest, session::kFastest, session::kDefaultSpeed,
                                TRUE, TRUE);
    char label[session::kLabelSize];
    GetText(session::kAskLabel, session::kDefaultLabel, label, sizeof label);

    const bool written = WriteSession(label, speed);
    constexpr int kInformation = 1;
    constexpr int kError = 3;
    MessageDialog(written ? session::kWritten : session::kInterrupted, written ? kInformation : kError, 0, 0);
    return written;
}
