// DisplayStatus over every type and kind of text against real static
// controls and recording sinks, its one pump step, and the progress bars.
#include "FrontEnd.h"
#include "ModalDriver.h"
#include "uibridge.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace {

const char* const kOld = "old";

// The six window fields, bound to fresh statics that show kOld, and the two
// recording sinks.
struct StatusFields {
    struct WindowField {
        int type;
        CWnd* (WINAPI* bind)(CWnd*);
        CWnd* field;
    };

    explicit StatusFields(FrontEnd& frontEnd)
    {
        for (WindowField& w : windows)
            w.field = &frontEnd.Static(kOld);
    }
    void Bind()
    {
        for (WindowField& w : windows)
            w.bind(w.field);
        mf_SetActionStatusControl(&action);
        mf_SetSubActionStatusControl(&subAction);
    }

    WindowField windows[6] = {
        { ST_VOLUME, mf_SetVolumeStatusControl, nullptr },
        { ST_TRACKS, mf_SetTracksStatusControl, nullptr },
        { ST_CURRENT_TRACK, mf_SetCurrentTrackStatusControl, nullptr },
        { ST_FREE_SECTORS, mf_SetFreeSectorsStatusControl, nullptr },
        { ST_CURRENT_DIR, mf_SetCurrentDirStatusControl, nullptr },
        { ST_CURRENT_DEVICE, mf_SetCurrentDeviceStatusControl, nullptr },
    };
    RecordingSink action, subAction;
};

std::string Expected(int type, const char* text)
{
    const bool hasText = text && *text;
    if (type == ST_VOLUME)
        return hasText ? std::string("Ferl 4.0 -  ") + text : "Ferl 4.0";
    return hasText ? text : "";
}

// Two messages wait; the call must hand exactly one of them to the window.
void ExpectOnePumpStep(FrontEnd& frontEnd, const std::string& what)
{
    ASSERT_EQ(1u, frontEnd.received.size()) << what;
    EXPECT_EQ(static_cast<UINT>(WM_APP + 1), frontEnd.received[0].message) << what;
    const std::vector<MSG> left = TakeQueue();
    ASSERT_EQ(1u, left.size()) << what;
    EXPECT_EQ(static_cast<UINT>(WM_APP + 2), left[0].message) << what;
    frontEnd.received.clear();
}

} // namespace

TEST(Status, EachTypeReachesItsFieldAndPumpsExactlyOneMessage)
{
    const char* const texts[] = { nullptr, "", "ABC", "100%d %s" };
    const int types[] = { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -1 };
    for (int type : types) {
        for (const char* text : texts) {
            const std::string what =
                "type " + std::to_string(type) + ", text " + (text ? "\"" + std::string(text) + "\"" : "null");
            FrontEnd frontEnd;
            StatusFields fields(frontEnd);
            fields.Bind();
            frontEnd.Post(1);
            frontEnd.Post(2);

            DisplayStatus(text, type);

            for (const auto& w : fields.windows)
                EXPECT_EQ(w.type == type ? Expected(type, text) : kOld, WindowText(w.field->m_hWnd)) << what;
            // The sinks get the engine's pointer itself, null included.
            const std::vector<const char*> none, once{ text };
            EXPECT_EQ(type == ST_ACTION ? once : none, fields.action.shown) << what;
            EXPECT_EQ(type == ST_SUBACTION ? once : none, fields.subAction.shown) << what;
            EXPECT_EQ(0, fields.action.clears + fields.subAction.clears) << what;
            ExpectOnePumpStep(frontEnd, what);
        }
    }
}

TEST(Status, WithNothingBoundEachTypeStillPumpsExactlyOneMessage)
{
    FrontEnd frontEnd;
    StatusFields fields(frontEnd);
    for (int type = -1; type <= 9; ++type) {
        frontEnd.Post(1);
        frontEnd.Post(2);
        DisplayStatus("ABC", type);
        for (const auto& w : fields.windows)
            EXPECT_EQ(kOld, WindowText(w.field->m_hWnd)) << type;
        ExpectOnePumpStep(frontEnd, "type " + std::to_string(type));
    }
}

TEST(Status, OneWindowBoundToSeveralSlotsServesEach)
{
    FrontEnd frontEnd;
    CWnd& shared = frontEnd.Static(kOld);
    mf_SetVolumeStatusControl(&shared);
    mf_SetCurrentDirStatusControl(&shared);
    DisplayStatus("DISC", ST_VOLUME);
    EXPECT_EQ("Ferl 4.0 -  DISC", WindowText(shared.m_hWnd));
    DisplayStatus("C:\\Audio", ST_CURRENT_DIR);
    EXPECT_EQ("C:\\Audio", WindowText(shared.m_hWnd));
}

TEST(Status, TheFieldIsUpdatedBeforeThePumpStepRuns)
{
    FrontEnd frontEnd;
    CWnd& volume = frontEnd.Static(kOld);
    mf_SetVolumeStatusControl(&volume);
    std::string seenInHandler;
    frontEnd.onMessage = [&](UINT, WPARAM) { seenInHandler = WindowText(volume.m_hWnd); };
    frontEnd.Post(1);
    DisplayStatus("DISC", ST_VOLUME);
    EXPECT_EQ("Ferl 4.0 -  DISC", seenInHandler);
}

// A front end in another language hands over a bare { vtable, ... } object:
// the bridge must call the second table entry with the text as its argument.
TEST(Status, TheSinkIsCalledThroughTheSecondTableEntry)
{
    struct BareSink {
        const void* const* vtable;
        int firstCalls = 0;
        std::vector<const char*> shown;
    };
    static const auto first = +[](BareSink* self) { ++self->firstCalls; };
    static const auto second = +[](BareSink* self, const char* text) { self->shown.push_back(text); };
    static const void* const table[] = { reinterpret_cast<const void*>(first), reinterpret_cast<const void*>(second) };
    BareSink sink{ table, 0, {} };

    FrontEnd frontEnd;
    mf_SetSubActionStatusControl(reinterpret_cast<CStatusTextSink*>(&sink));
    const char* text = "Writing track 1";
    DisplayStatus(text, ST_SUBACTION);
    EXPECT_EQ(0, sink.firstCalls);
    EXPECT_EQ(std::vector<const char*>{ text }, sink.shown);
}

TEST(Status, PercentagesGoToTheirBarsUnclampedAboveAndWithoutPumping)
{
    struct Case { int value; LRESULT position; };
    const Case cases[] = { { -5, 0 }, { 0, 0 }, { 42, 42 }, { 150, 150 } };
    FrontEnd frontEnd;
    // The front end owns the range; 0 to 1000 shows that nothing above 100
    // is cut by the bridge.
    CWnd& main = frontEnd.ProgressBar(1000);
    CWnd& buffer = frontEnd.ProgressBar(1000);
    mf_SetPercentageControl(&main);
    mf_SetBufferPercentageControl(&buffer);
    frontEnd.Post(1);
    for (const Case& c : cases) {
        buffer.SendMessage(PBM_SETPOS, 7);
        DisplayPercentage(c.value);
        EXPECT_EQ(c.position, main.SendMessage(PBM_GETPOS)) << c.value;
        EXPECT_EQ(7, buffer.SendMessage(PBM_GETPOS)) << c.value;
        main.SendMessage(PBM_SETPOS, 7);
        DisplayBufferPercentage(c.value);
        EXPECT_EQ(c.position, buffer.SendMessage(PBM_GETPOS)) << c.value;
        EXPECT_EQ(7, main.SendMessage(PBM_GETPOS)) << c.value;
    }
    EXPECT_TRUE(frontEnd.received.empty());
    EXPECT_EQ(1u, TakeQueue().size());

    UnbindAll();
    frontEnd.Post(1);
    DisplayPercentage(30);
    DisplayBufferPercentage(30);
    EXPECT_EQ(7, main.SendMessage(PBM_GETPOS));
    EXPECT_EQ(1u, TakeQueue().size());
}
