// A front end whose window procedures call the bridge again while the bridge
// pumps their messages: they rebind slots, set and clear the interrupt,
// show statuses, poll and write lines, nested inside DisplayStatus and
// GetUserInterrupt; with prompts, they also ask the user from there, and a
// timer answers each prompt as a user would. It keeps what every field,
// sink, bar and list should show, and checks that against the controls.
#pragma once

#include "FrontEnd.h"
#include "LogModel.h"
#include "ModalDriver.h"
#include "StormChecks.h"

#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

// A sink that keeps the last text it was shown, a null text as "(null)".
class LastTextSink : public CStatusTextSink {
public:
    void ClearStatusText() override { shown.clear(); }
    void ShowStatusText(const char* pszText) override { shown = pszText ? pszText : "(null)"; }
    std::string shown;
};

class ReentrantFrontEnd {
public:
    ReentrantFrontEnd(unsigned seed, Mismatches& mismatches, bool prompts = false);
    ~ReentrantFrontEnd();
    ReentrantFrontEnd(const ReentrantFrontEnd&) = delete;
    ReentrantFrontEnd& operator=(const ReentrantFrontEnd&) = delete;

    // One step of the engine: a few messages arrive for the front end (its
    // own requests, Cancel and other commands, Escape and other keys), then
    // the engine calls one export.
    void EngineStep();
    // Compares the controls with what the calls asked them to show.
    void CheckControls();
    // The front end's own loop takes what is left in the queue; then every
    // message posted during the run must have reached the window once.
    void DrainAndCheckDelivery();
    int PromptsAnswered() const { return m_promptsAnswered; }
    // The most prompts that were open at once.
    size_t DeepestPrompt() const { return m_deepestPrompt; }

private:
    enum Action { Rebind, SetInterrupt, ClearInterrupt, Status, Poll, Line, PostCancel, kActions, Prompt = kActions };

    // A prompt asked by a handler: how the user answers it and what the
    // export must then return.
    struct PendingPrompt {
        int button;            // the control pressed, IDCANCEL for the cancel command
        std::string typed;     // typed into the edit field first, unless empty
        bool answered = false;
    };

    void OnMessage(UINT message, WPARAM wParam);
    void Act(int action);
    void PostRandom();
    void Post(UINT message, WPARAM wParam);
    void RebindRandomSlot();
    void Interrupt(bool set);
    void ShowRandomStatus();
    void PollInterrupt();
    void WriteRandomLine();
    void SetRandomPercentage(bool buffer);
    void AskRandomPrompt();
    template <typename Call>
    auto Ask(PendingPrompt prompt, Call&& call) -> decltype(call());
    bool AnswerTopPrompt(HWND top);
    void* Candidate(int kind);
    HWND BoundWindow(int slot) const;

    FrontEnd m_frontEnd;
    Mismatches& m_mismatches;
    std::mt19937 m_rng;
    int m_depth = 0;
    int m_lines = 0;
    bool m_prompts;
    std::vector<PendingPrompt> m_pending;
    int m_promptsAnswered = 0;
    size_t m_deepestPrompt = 0;
    std::unique_ptr<ModalDriver> m_responder;

    // The controls that can be bound, by kind of slot.
    LastTextSink m_sinks[2];
    std::vector<void*> m_candidates[4];

    // What the bridge should hold and the controls should show.
    void* m_bound[12] = {};
    int m_flag = 0;
    std::map<HWND, std::string> m_fieldTexts;
    std::map<const void*, std::string> m_sinkTexts;
    std::map<HWND, int> m_barPositions;
    LogModel m_log;
    std::map<UINT, int> m_posted;
    std::map<UINT, int> m_delivered;
};
