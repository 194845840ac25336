// The front end of the bridge benchmarks: a hidden window of the calling
// thread with the controls that get bound. Hidden, so that no painting enters
// the figures: painting is the front end's work, with or without the bridge.
#pragma once

#include <windows.h>

class BenchWindows {
public:
    BenchWindows();
    ~BenchWindows();
    BenchWindows(const BenchWindows&) = delete;
    BenchWindows& operator=(const BenchWindows&) = delete;

    HWND Host() const { return m_host; }
    HWND Static() const;
    HWND ListBox() const;
    // Adds "Line 0", "Line 1", ... directly.
    static void Fill(HWND list, int count);

private:
    HWND Child(const char* cls, DWORD style) const;
    HWND m_host;
};
