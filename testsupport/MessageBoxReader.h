// Reads what a message box shows (caption, text, owner, icon, whether it is
// system-modal) and closes it, from a ModalDriver step.
#pragma once

#include "ModalDriver.h"

#include <string>
#include <vector>

struct MessageBoxSeen {
    std::string caption;
    std::string text;
    HWND owner = nullptr;
    bool systemModal = false;   // MB_SYSTEMMODAL keeps the box topmost
    LPCSTR icon = nullptr;      // IDI_ASTERISK, IDI_HAND, ... or null
};

MessageBoxSeen ReadMessageBox(HWND hBox);

// A step that waits for any box other than the window with the caption
// notThis, records it and presses OK.
ModalDriver::Step ReadAndCloseBox(const char* notThis, std::vector<MessageBoxSeen>* seen);
