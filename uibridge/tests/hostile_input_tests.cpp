// Every export given what an engine or front end should not pass: null
// texts, texts of 100 KB, format directives, windows that are gone, and a
// sink that throws. Each call returns normally and shows the text as given.
#include "FrontEnd.h"
#include "uibridge.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Calls every export that takes or shows something.
void CallEveryExport(const char* text)
{
    for (int type = -1; type <= 9; ++type)
        DisplayStatus(text, type);
    DisplayPercentage(50);
    DisplayBufferPercentage(50);
    WriteLine(text);
    TemporaryLine(text);
    SetUserInterrupt();
    GetUserInterrupt();
    ClearUserInterrupt();
}

struct BoundFrontEnd : FrontEnd {
    BoundFrontEnd()
        : volume(Static()), tracks(Static()), log(ListBox()), bar(ProgressBar(100))
    {
        mf_SetVolumeStatusControl(&volume);
        mf_SetTracksStatusControl(&tracks);
        mf_SetCurrentTrackStatusControl(&tracks);
        mf_SetFreeSectorsStatusControl(&tracks);
        mf_SetCurrentDirStatusControl(&tracks);
        mf_SetCurrentDeviceStatusControl(&tracks);
        mf_SetActionStatusControl(&action);
        mf_SetSubActionStatusControl(&action);
        mf_SetPercentageControl(&bar);
        mf_SetBufferPercentageControl(&bar);
        mf_SetWriteLineControl(&log);
        mf_SetTemporaryLineControl(&log);
    }
    CWnd& volume;
    CWnd& tracks;
    CWnd& log;
    CWnd& bar;
    RecordingSink action;
};

} // namespace

TEST(HostileInput, TextsAreShownCharacterForCharacter)
{
    const std::string big(size_t{ 100 } * 1024, 'x');
    const char* const texts[] = { "%s%n%s%n", "100%d %s %%", big.c_str() };
    for (const char* text : texts) {
        const std::string what = std::string(text).substr(0, 16);
        BoundFrontEnd frontEnd;
        DisplayStatus(text, ST_VOLUME);
        CString shown;
        frontEnd.volume.GetWindowText(shown);
        EXPECT_EQ(std::string("Ferl 4.0 -  ") + text, shown.GetString()) << what;
        DisplayStatus(text, ST_TRACKS);
        frontEnd.tracks.GetWindowText(shown);
        EXPECT_EQ(std::string(text), shown.GetString()) << what;
        WriteLine(text);
        EXPECT_EQ(std::vector<std::string>{ text }, Lines(frontEnd.log.m_hWnd)) << what;
    }
}

TEST(HostileInput, NullTextsAndEmptySlotsAreHarmless)
{
    {
        FrontEnd nothingBound;
        CallEveryExport(nullptr);
        CallEveryExport("text");
    }
    BoundFrontEnd frontEnd;
    CallEveryExport(nullptr);
    CString shown;
    frontEnd.volume.GetWindowText(shown);
    EXPECT_STREQ("Ferl 4.0", shown);
}

TEST(HostileInput, WindowsThatAreGoneAreIgnored)
{
    BoundFrontEnd frontEnd;
    ::DestroyWindow(frontEnd.Host());
    ASSERT_FALSE(::IsWindow(frontEnd.log.m_hWnd));
    CallEveryExport("text");
    CallEveryExport(nullptr);
    SetUserInterrupt();
    EXPECT_EQ(1, GetUserInterrupt());
}

TEST(HostileInput, AnExceptionFromTheFrontEndStopsAtTheExport)
{
    struct ThrowingSink : CStatusTextSink {
        void ClearStatusText() override {}
        void ShowStatusText(const char*) override { throw std::runtime_error("front end failed"); }
    } sink;
    FrontEnd frontEnd;
    mf_SetActionStatusControl(&sink);
    frontEnd.Post(1);
    EXPECT_NO_THROW(DisplayStatus("text", ST_ACTION));
    // The pump step still ran.
    EXPECT_EQ(1u, frontEnd.received.size());
}
