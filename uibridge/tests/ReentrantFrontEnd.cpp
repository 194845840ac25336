// ReentrantFrontEnd: the slots, the handlers that call the bridge again and
// what each call should leave behind.
#include "ReentrantFrontEnd.h"

#include "PromptProbe.h"
#include "uibridge.h"

#include <commctrl.h>

#include <algorithm>
#include <sstream>

namespace {

enum Kind { Field, Sink, Bar, List };

template <typename T, T* (WINAPI* Set)(T*)>
void* BindAs(void* p)
{
    return Set(static_cast<T*>(p));
}

struct Slot {
    Kind kind;
    int type;   // the status type of a field or sink slot
    void* (*bind)(void*);
};

const Slot kSlots[12] = {
    { Sink, ST_ACTION, BindAs<CStatusTextSink, mf_SetActionStatusControl> },
    { Sink, ST_SUBACTION, BindAs<CStatusTextSink, mf_SetSubActionStatusControl> },
    { Field, ST_VOLUME, BindAs<CWnd, mf_SetVolumeStatusControl> },
    { Field, ST_TRACKS, BindAs<CWnd, mf_SetTracksStatusControl> },
    { Field, ST_CURRENT_TRACK, BindAs<CWnd, mf_SetCurrentTrackStatusControl> },
    { Field, ST_CURRENT_DIR, BindAs<CWnd, mf_SetCurrentDirStatusControl> },
    { Field, ST_FREE_SECTORS, BindAs<CWnd, mf_SetFreeSectorsStatusControl> },
    { Field, ST_CURRENT_DEVICE, BindAs<CWnd, mf_SetCurrentDeviceStatusControl> },
    { Bar, 0, BindAs<CWnd, mf_SetBufferPercentageControl> },
    { Bar, 0, BindAs<CWnd, mf_SetPercentageControl> },
    { List, 0, BindAs<CWnd, mf_SetTemporaryLineControl> },
    { List, 0, BindAs<CWnd, mf_SetWriteLineControl> },
};
constexpr int kBufferSlot = 8, kPercentageSlot = 9, kTemporarySlot = 10, kWriteSlot = 11;

// Nested calls that pump stop at this depth of handlers, as a real front end
// would not nest without end either.
constexpr int kMaxDepth = 3;
constexpr WORD kOtherCommand = 1234;
const char kInterrupted[] = "Operation interrupted by the user.";
const char kTitle[] = "Ferl 4.0";
// A prompt's answer comes from a timer; the run takes far less than this.
constexpr DWORD kResponderTimeoutMs = 120000;

// How a prompt may be answered and what its export then returns.
struct Choice {
    int button;
    short result;
};

// The message kind under which a posted message is counted.
UINT Counted(UINT message)
{
    return message >= WM_APP ? static_cast<UINT>(WM_APP) : message;
}

} // namespace

ReentrantFrontEnd::ReentrantFrontEnd(unsigned seed, Mismatches& mismatches, bool prompts)
    : m_mismatches(mismatches), m_rng(seed), m_prompts(prompts)
{
    for (int i = 0; i < 3; ++i)
        m_candidates[Field].push_back(&m_frontEnd.Static());
    for (LastTextSink& sink : m_sinks)
        m_candidates[Sink].push_back(static_cast<CStatusTextSink*>(&sink));
    // A range wider than the percentages, so that the bar keeps each one.
    for (int i = 0; i < 2; ++i)
        m_candidates[Bar].push_back(&m_frontEnd.ProgressBar(1000));
    for (int i = 0; i < 2; ++i)
        m_candidates[List].push_back(&m_frontEnd.QuietListBox());
    m_frontEnd.onMessage = [this](UINT message, WPARAM wParam) { OnMessage(message, wParam); };
    if (m_prompts) {
        m_responder = std::make_unique<ModalDriver>(
            std::vector<ModalDriver::Step>{ [this](HWND top) { return AnswerTopPrompt(top); } },
            kResponderTimeoutMs);
    }
}

ReentrantFrontEnd::~ReentrantFrontEnd()
{
    m_frontEnd.onMessage = nullptr;
}

void ReentrantFrontEnd::EngineStep()
{
    for (unsigned n = m_rng() % 4; n > 0; --n)
        PostRandom();
    const unsigned call = m_rng() % 20;
    if (call < 12)
        ShowRandomStatus();
    else if (call < 16)
        PollInterrupt();
    else if (call < 18)
        WriteRandomLine();
    else
        SetRandomPercentage(call == 18);
    // The window keeps no record of its own messages during a storm.
    m_frontEnd.received.clear();
}

void ReentrantFrontEnd::PostRandom()
{
    if (m_prompts && m_rng() % 64 == 0) {
        Post(WM_APP + Prompt, 0);
        return;
    }
    const unsigned kind = m_rng() % 10;
    if (kind < 6)
        Post(WM_APP + m_rng() % kActions, 0);
    else if (kind == 6)
        Post(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
    else if (kind == 7)
        Post(WM_COMMAND, MAKEWPARAM(kOtherCommand, BN_CLICKED));
    else
        Post(WM_KEYDOWN, kind == 8 ? VK_ESCAPE : 'A');
}

void ReentrantFrontEnd::Post(UINT message, WPARAM wParam)
{
    ::PostMessageA(m_frontEnd.Host(), message, wParam, 1);
    ++m_posted[Counted(message)];
}

void ReentrantFrontEnd::OnMessage(UINT message, WPARAM wParam)
{
    if (message == WM_CHAR)
        return;
    ++m_delivered[Counted(message)];
    // The front end's Cancel button and Escape key ask for an interrupt.
    if ((message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) || (message == WM_KEYDOWN && wParam == VK_ESCAPE))
        Interrupt(true);
    else if (message >= WM_APP)
        Act(static_cast<int>(message - WM_APP));
}

void ReentrantFrontEnd::Act(int action)
{
    ++m_depth;
    switch (action) {
    case Rebind: RebindRandomSlot(); break;
    case SetInterrupt: Interrupt(true); break;
    case ClearInterrupt: Interrupt(false); break;
    case Status:
        if (m_depth <= kMaxDepth)
            ShowRandomStatus();
        break;
    case Poll:
        if (m_depth <= kMaxDepth)
            PollInterrupt();
        break;
    case Line: WriteRandomLine(); break;
    case PostCancel: Post(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED)); break;
    case Prompt:
        // A prompt over a prompt, but no deeper.
        if (m_pending.size() < 2)
            AskRandomPrompt();
        break;
    default: break;
    }
    --m_depth;
}

void* ReentrantFrontEnd::Candidate(int kind)
{
    const std::vector<void*>& candidates = m_candidates[kind];
    const size_t pick = m_rng() % (candidates.size() + 1);
    return pick < candidates.size() ? candidates[pick] : nullptr;
}

HWND ReentrantFrontEnd::BoundWindow(int slot) const
{
    return m_bound[slot] ? static_cast<CWnd*>(m_bound[slot])->m_hWnd : nullptr;
}

void ReentrantFrontEnd::RebindRandomSlot()
{
    const int slot = static_cast<int>(m_rng() % 12);
    void* p = Candidate(kSlots[slot].kind);
    void* previous = kSlots[slot].bind(p);
    m_mismatches.Check(previous == m_bound[slot], [&] {
        return "slot " + std::to_string(slot) + " gave back a binding it did not hold";
    });
    m_bound[slot] = p;
}

void ReentrantFrontEnd::Interrupt(bool set)
{
    const int previous = set ? SetUserInterrupt() : ClearUserInterrupt();
    m_mismatches.Check(previous == m_flag, [&] {
        return std::string(set ? "Set" : "Clear") + "UserInterrupt returned " + std::to_string(previous) +
               ", the flag was " + std::to_string(m_flag);
    });
    m_flag = set ? 1 : 0;
}

void ReentrantFrontEnd::ShowRandomStatus()
{
    const int type = static_cast<int>(m_rng() % 11) - 1;
    const unsigned form = m_rng() % 10;
    const std::string line = form == 0 ? "" : RandomLine(m_rng, m_lines++);
    const char* text = form == 1 ? nullptr : line.c_str();
    const std::string given = text ? line : std::string();
    // The field shows the text before the pump step, so whatever a handler
    // shows during the step comes after it.
    for (int slot = 0; slot < 8; ++slot) {
        if (kSlots[slot].type != type || !m_bound[slot])
            continue;
        if (kSlots[slot].kind == Sink)
            m_sinkTexts[m_bound[slot]] = text ? text : "(null)";
        else if (type == ST_VOLUME)
            m_fieldTexts[BoundWindow(slot)] = given.empty() ? kTitle : std::string(kTitle) + " -  " + given;
        else
            m_fieldTexts[BoundWindow(slot)] = given;
    }
    DisplayStatus(text, type);
}

void ReentrantFrontEnd::PollInterrupt()
{
    const int result = GetUserInterrupt();
    m_mismatches.Check(result == m_flag, [&] {
        return "GetUserInterrupt returned " + std::to_string(result) + ", the flag was " + std::to_string(m_flag);
    });
    if (result)
        m_log.Add(BoundWindow(kWriteSlot), kInterrupted, false);
    // The engine ends the interrupted operation and withdraws the request.
    if (result && m_depth == 0)
        Interrupt(false);
}

void ReentrantFrontEnd::WriteRandomLine()
{
    const bool temporary = m_rng() % 2 == 1;
    const HWND list = BoundWindow(temporary ? kTemporarySlot : kWriteSlot);
    if (m_rng() % 50 == 0) {
        temporary ? TemporaryLine(nullptr) : WriteLine(nullptr);
        m_log.AddNull(list);
        return;
    }
    const std::string line = RandomLine(m_rng, m_lines++);
    temporary ? TemporaryLine(line.c_str()) : WriteLine(line.c_str());
    m_log.Add(list, line, temporary);
}

void ReentrantFrontEnd::SetRandomPercentage(bool buffer)
{
    const int percentage = static_cast<int>(m_rng() % 161) - 10;
    if (const HWND bar = BoundWindow(buffer ? kBufferSlot : kPercentageSlot))
        m_barPositions[bar] = percentage < 0 ? 0 : percentage;
    buffer ? DisplayBufferPercentage(percentage) : DisplayPercentage(percentage);
}

template <typename Call>
auto ReentrantFrontEnd::Ask(PendingPrompt prompt, Call&& call) -> decltype(call())
{
    m_pending.push_back(std::move(prompt));
    m_deepestPrompt = std::max(m_deepestPrompt, m_pending.size());
    const auto result = call();
    const bool answered = m_pending.back().answered;
    m_pending.pop_back();
    m_mismatches.Check(answered, [] { return std::string("a prompt ended before it was answered"); });
    ++m_promptsAnswered;
    return result;
}

void ReentrantFrontEnd::AskRandomPrompt()
{
    const std::string text = RandomLine(m_rng, m_lines++);
    const auto check = [this](long result, long expected, const char* what) {
        m_mismatches.Check(result == expected, [&] {
            return std::string(what) + " returned " + std::to_string(result) + " for " + std::to_string(expected);
        });
    };
    switch (m_rng() % 4) {
    case 0: {
        // Types 2 and 4 have a second button; the cancel command is Escape.
        const int type = 1 + static_cast<int>(m_rng() % 5);
        const Choice choices[] = { { kBtn1, 2 }, { IDCANCEL, 2 }, { kBtn2, 3 } };
        const Choice& c = choices[m_rng() % (type == 2 || type == 4 ? 3 : 2)];
        check(Ask({ c.button, "" }, [&] { return MessageDialog(text.c_str(), type, 0, 0); }), c.result,
              "MessageDialog");
        break;
    }
    case 1: {
        const int type = 1 + static_cast<int>(m_rng() % 3);
        const Choice choices[] = { { kBtn1, 1 }, { kBtn2, 0 }, { IDCANCEL, 2 }, { kBtn3, 6 } };
        const Choice& c = choices[m_rng() % (type == 2 ? 4 : 3)];
        check(Ask({ c.button, "" }, [&] { return QuestionDialog(text.c_str(), type, 0, 0); }), c.result,
              "QuestionDialog");
        break;
    }
    case 2: {
        const long typed = static_cast<long>(m_rng() % 1001);
        const bool confirmed = m_rng() % 2 == 0;
        check(Ask({ confirmed ? kBtn1 : IDCANCEL, std::to_string(typed) },
                  [&] { return GetValue(text.c_str(), 0, 1000, 500, TRUE, TRUE); }),
              confirmed ? typed : 500, "GetValue");
        break;
    }
    default: {
        const std::string typed = "answer " + std::to_string(m_rng());
        const bool confirmed = m_rng() % 2 == 0;
        char answer[64];
        Ask({ confirmed ? kBtn1 : IDCANCEL, typed },
            [&] {
                GetText(text.c_str(), "initial", answer, static_cast<int>(sizeof answer));
                return 0;
            });
        const std::string expected = confirmed ? typed : "initial";
        m_mismatches.Check(expected == answer, [&] { return "GetText gave \"" + std::string(answer) + "\""; });
        break;
    }
    }
}

// The step of the responder's timer: the innermost prompt that is waiting
// gets its answer, once.
bool ReentrantFrontEnd::AnswerTopPrompt(HWND top)
{
    if (m_pending.empty() || m_pending.back().answered)
        return false;
    PendingPrompt& prompt = m_pending.back();
    if (!prompt.typed.empty())
        ::SetDlgItemTextA(top, kEdit, prompt.typed.c_str());
    PressButton(top, prompt.button);
    prompt.answered = true;
    // The step never ends: there are more prompts to come.
    return false;
}

void ReentrantFrontEnd::CheckControls()
{
    for (const auto& field : m_fieldTexts) {
        const std::string shown = WindowText(field.first);
        m_mismatches.Check(shown == field.second, [&] {
            return "a field shows \"" + shown.substr(0, 40) + "\" for \"" + field.second.substr(0, 40) + "\"";
        });
    }
    for (const LastTextSink& sink : m_sinks) {
        const auto expected = m_sinkTexts.find(static_cast<const CStatusTextSink*>(&sink));
        if (expected == m_sinkTexts.end())
            continue;
        m_mismatches.Check(sink.shown == expected->second, [&] {
            return "a sink shows \"" + sink.shown.substr(0, 40) + "\" for \"" + expected->second.substr(0, 40) +
                   "\"";
        });
    }
    for (const auto& bar : m_barPositions) {
        const int position = static_cast<int>(::SendMessageA(bar.first, PBM_GETPOS, 0, 0));
        m_mismatches.Check(position == bar.second, [&] {
            return "a bar stands at " + std::to_string(position) + " for " + std::to_string(bar.second);
        });
    }
    for (void* list : m_candidates[List]) {
        const HWND hList = static_cast<CWnd*>(list)->m_hWnd;
        const std::deque<std::string>& expected = m_log.Lines(hList);
        const std::vector<std::string> shown = Lines(hList);
        m_mismatches.Check(std::equal(shown.begin(), shown.end(), expected.begin(), expected.end()), [&] {
            return "a list holds " + std::to_string(shown.size()) + " lines for " +
                   std::to_string(expected.size()) + ", or other lines";
        });
    }
}

void ReentrantFrontEnd::DrainAndCheckDelivery()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    for (const auto& posted : m_posted) {
        const int delivered = m_delivered[posted.first];
        m_mismatches.Check(delivered == posted.second, [&] {
            std::ostringstream os;
            os << "message 0x" << std::hex << posted.first << std::dec << ": " << posted.second << " posted, "
               << delivered << " delivered";
            return os.str();
        });
    }
    CheckControls();
}
