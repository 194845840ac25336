// What the prompt tests see of an open prompt and how they answer it: the
// controls' places and texts, and a button or key pressed as a user would.
#pragma once

#include <windows.h>

#include <array>
#include <string>

enum PromptControl {
    kBtn1 = 1000,
    kBtn2 = 1001,
    kBtn3 = 1002,
    kEdit = 1003,
    kText = 1004,
    kIcon = 1005,
};

struct ControlView {
    RECT rect;        // in the prompt's client coordinates
    bool visible;
    std::string text;
};

struct PromptView {
    HWND hWnd = nullptr;
    std::string caption;
    RECT client = {};
    std::array<ControlView, 6> controls = {};   // kBtn1 to kIcon, in id order
    HICON icon = nullptr;
    int focusId = 0;   // the control that has the focus, 0 for none
    // The dialog base units, taken while the prompt was open.
    int baseX = 0, baseY = 0;
    // The shown message measured as the prompt measures it: with its text
    // area's default paint font, wrapped at the template's width of the area.
    RECT measured = {};

    const ControlView& operator[](int id) const { return controls[static_cast<size_t>(id - kBtn1)]; }
    // A rectangle of the template, in the prompt's pixels (as MapDialogRect).
    RECT Pixels(int x, int y, int cx, int cy) const;
};

PromptView ReadPrompt(HWND hDlg);

enum class Answer { Btn1, Btn2, Btn3, Escape, Enter };
// A click on a button, or a key pressed where the focus is.
void AnswerPrompt(HWND hDlg, Answer answer);
