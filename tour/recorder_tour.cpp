// The scripted tour of the sample front end for the run script: starts
// recorder.exe, presses Start and answers the bridge's prompts, presses
// Cancel while the second track is being written, then records a whole
// session; prints the status fields, the log and each prompt at each stage
// and saves screenshots of the window and of every prompt.
//
//   recorder_tour.exe <screens directory>
#include "ListBoxReader.h"
#include "ModalDriver.h"
#include "ProcessDriver.h"
#include "RecorderPrompts.h"
#include "Screenshot.h"
#include "WaitUntil.h"

#include "../recorder/SessionQuestions.h"
#include "../recorder/resource.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

struct Field {
    int id;
    const char* label;
};

const Field kFields[] = {
    { IDC_VOLUME, "Volume" },          { IDC_CURRENT_DEVICE, "Device" },
    { IDC_CURRENT_DIR, "Directory" },  { IDC_TRACKS, "Tracks" },
    { IDC_CURRENT_TRACK, "Track" },    { IDC_FREE_SECTORS, "Free sectors" },
    { IDC_ACTION, "Action" },          { IDC_SUBACTION, "Step" },
};

LRESULT Position(HWND bar)
{
    DWORD_PTR position = 0;
    if (!::SendMessageTimeoutA(bar, PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 2000, &position))
        return -1;
    return static_cast<LRESULT>(position);
}

// What the window shows, then its picture.
void Show(HWND dlg, const std::string& screens, const char* stage, const char* shot)
{
    std::printf("* %s\n", stage);
    for (const Field& f : kFields)
        std::printf("    %-13s \"%s\"\n", f.label, DlgItemText(dlg, f.id).c_str());
    std::printf("    %-13s %ld%%, buffer %ld%%\n", "Progress",
                static_cast<long>(Position(::GetDlgItem(dlg, IDC_PERCENTAGE))),
                static_cast<long>(Position(::GetDlgItem(dlg, IDC_BUFFER_PERCENTAGE))));
    std::printf("    %-13s %s\n", "Start", ::IsWindowEnabled(::GetDlgItem(dlg, IDC_START)) ? "enabled" : "disabled");
    std::printf("    log:\n");
    for (const std::string& line : ListBoxLines(::GetDlgItem(dlg, IDC_LOG)))
        std::printf("      | %s\n", line.c_str());
    const std::string path = screens + "\\" + shot;
    std::printf("  screenshot %s: %s\n", shot, SaveWindowPng(dlg, path) ? "saved" : "FAILED");
    std::fflush(stdout);
}

// What a prompt asks and shows, then its picture.
PromptSeen ShowPrompt(const std::string& screens)
{
    return [screens](HWND prompt, const char* what) {
        struct Shot {
            const char* question;
            const char* file;
        };
        static const Shot kShots[] = {
            { session::kAskStart, "recorder-prompt-question.png" },
            { session::kAskSpeed, "recorder-prompt-speed.png" },
            { session::kAskLabel, "recorder-prompt-label.png" },
            { session::kInterrupted, "recorder-prompt-error.png" },
            { session::kWritten, "recorder-prompt-information.png" },
        };
        const char* file = "recorder-prompt.png";
        for (const Shot& shot : kShots) {
            if (std::string(shot.question) == what)
                file = shot.file;
        }
        std::printf("  prompt \"%s\": \"%s\"", WindowText(prompt).c_str(), what);
        const std::string typed = DlgItemText(prompt, 1003);
        if (::IsWindowVisible(::GetDlgItem(prompt, 1003)))
            std::printf(", answer \"%s\"", typed.c_str());
        std::printf("\n  screenshot %s: %s\n", file, SaveWindowPng(prompt, screens + "\\" + file) ? "saved" : "FAILED");
        std::fflush(stdout);
    };
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: recorder_tour <screens directory>\n");
        return 2;
    }
    const std::string screens = argv[1];

    std::printf("* starting recorder.exe\n");
    ChildProcess program("recorder.exe", BuildBinDirectory());
    if (!program.Started()) {
        std::printf("  could not start recorder.exe\n");
        return 1;
    }
    // The first start of a new prefix takes a while.
    const HWND dlg = program.WaitForDialog("Recorder", 60000);
    if (!dlg) {
        std::printf("  no recorder window appeared\n");
        return 1;
    }
    ::Sleep(300);   // let the window paint before the screenshot
    Show(dlg, screens, "ready", "recorder-ready.png");

    std::printf("* Start pressed: Yes, speed 8, label FERL_TOUR\n");
    PressButton(dlg, IDC_START);
    SessionAnswers answers;
    answers.speed = "8";
    answers.label = "FERL_TOUR";
    const bool asked = AnswerSessionPrompts(program, answers, ShowPrompt(screens));
    const bool secondTrack = WaitUntil([&] { return DlgItemText(dlg, IDC_CURRENT_TRACK) == "2"; }, 10000) &&
                             WaitUntil([&] { return Position(::GetDlgItem(dlg, IDC_PERCENTAGE)) >= 40; }, 5000);
    Show(dlg, screens, secondTrack ? "Start pressed: writing track 2" : "Start pressed: track 2 not reached",
         "recorder-recording.png");

    PressButton(dlg, IDCANCEL);
    const bool told = AcknowledgeSessionMessage(program, false, ShowPrompt(screens));
    const bool stopped = WaitUntil([&] { return ::IsWindowEnabled(::GetDlgItem(dlg, IDC_START)) != FALSE; }, 10000);
    ::Sleep(200);
    Show(dlg, screens, stopped ? "Cancel pressed: session interrupted" : "Cancel pressed: session still running",
         "recorder-interrupted.png");

    std::printf("* Start pressed again: the answers as offered\n");
    PressButton(dlg, IDC_START);
    // The prompts' pictures of the first session, with the answers typed, stay.
    const bool askedAgain = AnswerSessionPrompts(program, {});
    const bool written = AcknowledgeSessionMessage(program, true, ShowPrompt(screens));
    ::Sleep(200);
    Show(dlg, screens, written ? "session written" : "session not written", "recorder-written.png");

    std::printf("* Cancel again: close the window\n");
    PressButton(dlg, IDCANCEL);
    const DWORD code = program.WaitForExit(15000);
    std::printf("  recorder.exe ended with status %lu\n", static_cast<unsigned long>(code));
    return code == 0 && asked && secondTrack && told && stopped && askedAgain && written ? 0 : 1;
}
