// Reading an open prompt and answering it.
#include "PromptProbe.h"

#include "ModalDriver.h"

RECT PromptView::Pixels(int x, int y, int cx, int cy) const
{
    return { ::MulDiv(x, baseX, 4), ::MulDiv(y, baseY, 8), ::MulDiv(x + cx, baseX, 4), ::MulDiv(y + cy, baseY, 8) };
}

PromptView ReadPrompt(HWND hDlg)
{
    PromptView view;
    view.hWnd = hDlg;
    view.caption = WindowText(hDlg);
    ::GetClientRect(hDlg, &view.client);
    for (int id = kBtn1; id <= kIcon; ++id) {
        HWND control = ::GetDlgItem(hDlg, id);
        ControlView& c = view.controls[static_cast<size_t>(id - kBtn1)];
        ::GetWindowRect(control, &c.rect);
        ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&c.rect), 2);
        c.visible = ::IsWindowVisible(control) != FALSE;
        c.text = WindowText(control);
    }
    view.icon = reinterpret_cast<HICON>(::SendDlgItemMessageA(hDlg, kIcon, STM_GETICON, 0, 0));
    HWND focus = ::GetFocus();
    if (focus && ::GetParent(focus) == hDlg)
        view.focusId = ::GetDlgCtrlID(focus);
    RECT units = { 0, 0, 4, 8 };
    ::MapDialogRect(hDlg, &units);
    view.baseX = units.right;
    view.baseY = units.bottom;

    const RECT area = view.Pixels(40, 8, 224, 20);
    view.measured = { 0, 0, area.right - area.left, area.bottom - area.top };
    HWND text = ::GetDlgItem(hDlg, kText);
    HDC dc = ::GetDC(text);
    ::DrawTextA(dc, view[kText].text.c_str(), -1, &view.measured, DT_CALCRECT | DT_WORDBREAK);
    ::ReleaseDC(text, dc);
    return view;
}

void AnswerPrompt(HWND hDlg, Answer answer)
{
    const auto key = [hDlg](WPARAM vk) {
        HWND focus = ::GetFocus();
        ::PostMessageA(focus ? focus : hDlg, WM_KEYDOWN, vk, 1);
    };
    switch (answer) {
    case Answer::Btn1: PressButton(hDlg, kBtn1); break;
    case Answer::Btn2: PressButton(hDlg, kBtn2); break;
    case Answer::Btn3: PressButton(hDlg, kBtn3); break;
    case Answer::Escape: key(VK_ESCAPE); break;
    case Answer::Enter: key(VK_RETURN); break;
    }
}
