// The nested message pump of the calling thread, which lets the front end's
// windows react while the engine works.
#pragma once

#include <windows.h>

enum class PumpStep {
    Empty,        // the queue held nothing
    Dispatched,   // one message went to its window
    Quit,         // WM_QUIT was taken and posted again; pump no further
};

// Takes the next message of the calling thread's queue and hands it to its
// window.
PumpStep PumpOneMessage();

// A quit request taken by a nested pump belongs to the front end's own
// message loop: when msg is WM_QUIT it is posted again with its exit code and
// the result is true.
bool RepostQuit(const MSG& msg);
