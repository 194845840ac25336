// A front end whose window procedures call the bridge again while the bridge
// pumps their messages: they rebind slots, set and clear the interrupt,
// show statuses, poll and write lines, nested inside DisplayStatus and
// GetUserInterrupt. It keeps what every field, sink, bar and list should
// show, and checks that against the controls.
#pragma once

#include "FrontEnd.h"
#include "LogModel.h"
#include "StormChecks.h"

#include <map>
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
    ReentrantFrontEnd(unsigned seed, Mismatches& mismatches);
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

private:
    enum Action { Rebind, SetInterrupt, ClearInterrupt, Status, Poll, Line, PostCancel, kActions };

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
    void* Candidate(int kind);
    HWND BoundWindow(int slot) const;

    FrontEnd m_frontEnd;
    Mismatches& m_mismatches;
    std::mt19937 m_rng;
    int m_depth = 0;
    int m_lines = 0;

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
