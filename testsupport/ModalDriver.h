// ModalDriver: drives the modal dialogs and message boxes of the test's own
// thread, as a user would, from a thread timer that fires inside any modal
// loop. Each step looks at the top dialog (the enabled one) and returns true
// when it has done its part; a test never waits for a person.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class ModalDriver {
public:
    using Step = std::function<bool(HWND top)>;

    explicit ModalDriver(std::vector<Step> steps, DWORD timeoutMs = 15000);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    bool Finished() const { return m_next == m_steps.size(); }
    bool TimedOut() const { return m_timedOut; }
    size_t StepsDone() const { return m_next; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    std::vector<Step> m_steps;
    size_t m_next = 0;
    DWORD m_deadline;
    bool m_timedOut = false;
    bool m_busy = false;
    UINT_PTR m_timer;
};

// The enabled, visible dialog (class "#32770") of the calling thread whose
// caption matches, or null; an empty caption matches any.
HWND FindThreadDialog(const char* caption = "");

std::string WindowText(HWND hWnd);
std::string DlgItemText(HWND hDlg, int id);
// The text of a message box (its static text has id 0xFFFF).
std::string MessageBoxText(HWND hBox);
// Presses a button the way a click arrives: WM_COMMAND posted to the dialog.
void PressButton(HWND hDlg, int id);

// A step that waits for a message box with this caption, records its text
// and presses OK.
ModalDriver::Step CloseMessageBox(const char* caption, std::vector<std::string>* texts);
