// CBridgeApp: the library's application object, which holds the user's
// interrupt request.
#pragma once

#include "CWinApp.h"

class CBridgeApp : public CWinApp {
public:
    // Non-zero while an interrupt of the running operation is requested.
    int m_bUserInterrupt = 0;

    int IsInterrupted() const { return m_bUserInterrupt; }
    // Stores the new value and returns the one it replaced.
    int SetInterrupt(int bInterrupt);

    DECLARE_MESSAGE_MAP()
};

// The module's one application object.
CBridgeApp& BridgeApp();
