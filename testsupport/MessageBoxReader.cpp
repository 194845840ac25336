// Message boxes read from outside: caption, text, owner, icon and modality.
#include "MessageBoxReader.h"

namespace {

// The standard icon a box shows (Windows numbers its icon control 0x14,
// Wine 0x440).
LPCSTR ShownIcon(HWND hBox)
{
    HICON shown = reinterpret_cast<HICON>(::SendDlgItemMessageA(hBox, 0x14, STM_GETICON, 0, 0));
    if (!shown)
        shown = reinterpret_cast<HICON>(::SendDlgItemMessageA(hBox, 0x440, STM_GETICON, 0, 0));
    for (LPCSTR icon : { IDI_ASTERISK, IDI_HAND, IDI_EXCLAMATION, IDI_QUESTION }) {
        if (shown && shown == ::LoadIconA(nullptr, icon))
            return icon;
    }
    return nullptr;
}

} // namespace

MessageBoxSeen ReadMessageBox(HWND hBox)
{
    MessageBoxSeen seen;
    seen.caption = WindowText(hBox);
    seen.text = MessageBoxText(hBox);
    seen.owner = ::GetWindow(hBox, GW_OWNER);
    seen.systemModal = (::GetWindowLongA(hBox, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    seen.icon = ShownIcon(hBox);
    return seen;
}

ModalDriver::Step ReadAndCloseBox(const char* notThis, std::vector<MessageBoxSeen>* seen)
{
    std::string skip = notThis;
    return [skip, seen](HWND top) {
        if (WindowText(top) == skip)
            return false;
        seen->push_back(ReadMessageBox(top));
        PressButton(top, IDOK);
        return true;
    };
}
