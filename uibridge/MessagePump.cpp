// The one-message pump step and the hand-back of a quit request.
#include "MessagePump.h"

PumpStep PumpOneMessage()
{
    MSG msg;
    if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return PumpStep::Empty;
    if (RepostQuit(msg))
        return PumpStep::Quit;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
    return PumpStep::Dispatched;
}

bool RepostQuit(const MSG& msg)
{
    if (msg.message != WM_QUIT)
        return false;
    ::PostQuitMessage(static_cast<int>(msg.wParam));
    return true;
}
