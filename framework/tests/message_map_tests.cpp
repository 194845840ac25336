// Message maps: look-up through the base chain, overrides, the application
// as the last stop for commands, and the layout that front ends rely on.
#include "framework.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_calls;

class BaseWnd : public CWnd {
protected:
    void OnFirst() { g_calls.push_back("base:first"); }
    void OnSecond() { g_calls.push_back("base:second"); }
    void OnPaint() { g_calls.push_back("base:paint"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
    ON_BN_CLICKED(1, OnFirst)
    ON_BN_CLICKED(2, OnSecond)
    ON_WM_PAINT()
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
protected:
    void OnSecondDerived() { g_calls.push_back("derived:second"); }
    void OnThird() { g_calls.push_back("derived:third"); }
    void OnSysCommand(UINT nID, LPARAM lParam)
    {
        g_calls.push_back("derived:sys " + std::to_string(nID) + " " + std::to_string(lParam));
        if (nID == 99)
            Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
    ON_BN_CLICKED(2, OnSecondDerived)
    ON_BN_CLICKED(3, OnThird)
    ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

class TestApp : public CWinApp {
public:
    void OnAppCommand() { g_calls.push_back("app:command"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
    ON_COMMAND(0xE146, OnAppCommand)
END_MESSAGE_MAP()

TestApp theTestApp;

} // namespace

TEST(MessageMap, DispatchFindsTheClassThenItsBases)
{
    struct Case { WPARAM wParam; BOOL handled; const char* call; };
    const Case cases[] = {
        { MAKEWPARAM(1, BN_CLICKED), TRUE, "base:first" },        // only the base has it
        { MAKEWPARAM(2, BN_CLICKED), TRUE, "derived:second" },    // the derived entry wins
        { MAKEWPARAM(3, BN_CLICKED), TRUE, "derived:third" },
        { MAKEWPARAM(3, EN_CHANGE), FALSE, "" },                  // other notification
        { MAKEWPARAM(0xE146, 0), TRUE, "app:command" },           // falls through to the app
        { MAKEWPARAM(77, BN_CLICKED), FALSE, "" },
    };
    DerivedWnd wnd;
    for (const Case& c : cases) {
        g_calls.clear();
        LRESULT result = -1;
        EXPECT_EQ(c.handled, wnd.OnWndMsg(WM_COMMAND, c.wParam, 0, &result)) << c.wParam;
        EXPECT_EQ(c.call, g_calls.empty() ? std::string() : g_calls.front()) << c.wParam;
    }
}

TEST(MessageMap, WindowMessagesPassArgumentsAndMayAskForDefault)
{
    DerivedWnd wnd;
    LRESULT result = -1;
    g_calls.clear();
    EXPECT_TRUE(wnd.OnWndMsg(WM_PAINT, 0, 0, &result));
    EXPECT_TRUE(wnd.OnWndMsg(WM_SYSCOMMAND, 0xF060, 7, &result));
    // A handler that calls Default() leaves the message to the default handling.
    EXPECT_FALSE(wnd.OnWndMsg(WM_SYSCOMMAND, 99, 0, &result));
    EXPECT_FALSE(wnd.OnWndMsg(WM_SIZE, 0, 0, &result));
    EXPECT_EQ((std::vector<std::string>{ "base:paint", "derived:sys 61536 7", "derived:sys 99 0" }), g_calls);
}

TEST(CWndLayout, WindowHandleDirectlyFollowsTheVtablePointer)
{
    // Front ends hand the bridge { vtable pointer, HWND }: check that every
    // window class keeps m_hWnd in the second pointer-sized slot.
    HWND marker = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
    CWnd plain(marker);
    CButton button;
    button.m_hWnd = marker;
    CDialog dialog(1);
    dialog.m_hWnd = marker;
    for (CWnd* wnd : { &plain, static_cast<CWnd*>(&button), static_cast<CWnd*>(&dialog) })
        EXPECT_EQ(marker, reinterpret_cast<HWND*>(wnd)[1]);
    button.m_hWnd = nullptr;
    dialog.m_hWnd = nullptr;
    plain.m_hWnd = nullptr;
}
