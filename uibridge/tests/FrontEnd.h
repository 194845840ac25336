// A front end for the bridge tests: a hidden window of the test's thread with
// real child controls to bind, a record of the messages the window receives,
// and readers for what the controls show.
#pragma once

#include "CWnd.h"
#include "uibridge.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct Received {
    UINT message;
    WPARAM wParam;
};

class FrontEnd {
public:
    // Empties every slot, clears the interrupt and the temporary-line flag
    // and the thread's queue, so each test starts from the state after load.
    FrontEnd();
    // Empties every slot again before the windows go.
    ~FrontEnd();
    FrontEnd(const FrontEnd&) = delete;
    FrontEnd& operator=(const FrontEnd&) = delete;

    HWND Host() const { return m_host; }

    // New child controls, owned by the front end.
    CWnd& Static(const char* text = "");
    CWnd& ListBox();
    // A list box that draws nothing (LBS_NOREDRAW). Under Wine every redraw
    // of a list costs round trips to the server (some 50 us per line added
    // or deleted); a list that holds the same lines without them lets a
    // long run of lines finish in seconds.
    CWnd& QuietListBox();
    CWnd& ProgressBar(int maximum);
    // A window that answers the list-box messages as told and records them.
    CWnd& FakeList(int count, int addResult);

    // The messages of interest (application messages, commands, key and
    // character messages, list-box messages of a fake list) in the order the
    // windows received them.
    std::vector<Received> received;
    // Runs inside the host's window procedure for each recorded message.
    std::function<void(UINT message, WPARAM wParam)> onMessage;

    // Posts the application message WM_APP + n to the host.
    void Post(int n) const;
    void PostCommand(WORD id) const;
    void PostKeyDown(WPARAM key) const;

private:
    static LRESULT CALLBACK HostProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK FakeListProc(HWND, UINT, WPARAM, LPARAM);
    CWnd& Child(const char* cls, const char* text, DWORD style, int height);

    HWND m_host = nullptr;
    std::vector<std::unique_ptr<CWnd>> m_children;
    int m_nextY = 0;
    int m_fakeCount = 0;
    int m_fakeAddResult = 0;
};

// Empties all twelve slots.
void UnbindAll();

// Takes every message of the thread's queue without dispatching it, up to and
// including a WM_QUIT.
std::vector<MSG> TakeQueue();

std::vector<std::string> Lines(HWND list);
// Adds lines "old 0", "old 1", ... directly, as the front end might.
void Fill(HWND list, int count);
// The last item lies within the visible part of the list.
bool LastLineVisible(HWND list);

// A sink that records every text it is shown (null as a null pointer).
class RecordingSink : public CStatusTextSink {
public:
    void ClearStatusText() override { ++clears; }
    void ShowStatusText(const char* pszText) override { shown.push_back(pszText); }

    std::vector<const char*> shown;
    int clears = 0;
};
