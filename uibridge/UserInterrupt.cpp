// The user-interrupt exports: the poll that keeps the front end's messages
// flowing and lets a pending Cancel through, and the request flag.
#include "BridgeApp.h"
#include "ExportGuard.h"
#include "MessagePump.h"
#include "Texts.h"
#include "ferlapi.h"
#include "uibridge.h"

namespace {

// Pump steps per poll before the look-up for a cancel request.
constexpr int kPumpSteps = 3;

enum class Taken { Nothing, Cancel, Other, Quit };

bool IsCancelCommand(const MSG& msg)
{
    return LOWORD(msg.wParam) == IDCANCEL;
}

bool IsEscapeKey(const MSG& msg)
{
    return msg.wParam == VK_ESCAPE;
}

// Takes the first queued message of one kind and hands it to its window. A
// message that is not a cancel goes there too: the user's command or key
// press must not be lost. A filtered look-up also returns a pending WM_QUIT,
// which goes back to the front end's loop.
Taken TakeMessage(UINT message, bool (*isCancel)(const MSG&))
{
    MSG msg;
    if (!::PeekMessageA(&msg, nullptr, message, message, PM_REMOVE))
        return Taken::Nothing;
    if (RepostQuit(msg))
        return Taken::Quit;
    const bool cancel = isCancel(msg);
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
    return cancel ? Taken::Cancel : Taken::Other;
}

void PumpAndLookForCancel()
{
    for (int i = 0; i < kPumpSteps; ++i) {
        const PumpStep step = PumpOneMessage();
        if (step == PumpStep::Quit)
            return;
        if (step == PumpStep::Empty)
            break;
    }
    const Taken command = TakeMessage(WM_COMMAND, IsCancelCommand);
    if (command == Taken::Cancel || command == Taken::Quit)
        return;
    TakeMessage(WM_KEYDOWN, IsEscapeKey);
}

void LogInterruptMessage()
{
    char message[texts::kInterruptBufferSize] = "";
    ps_gmsg_get_string(message, 0, texts::kInterruptGroup, texts::kInterruptId);
    // A catalogue text that fills the buffer still ends within it.
    message[sizeof message - 1] = '\0';
    WriteLine(message);
}

} // namespace

extern "C" int WINAPI GetUserInterrupt()
{
    ExportGuard([] { PumpAndLookForCancel(); });
    // Read once, after the handlers that ran above have set or cleared it.
    const int interrupted = BridgeApp().IsInterrupted();
    if (interrupted)
        ExportGuard([] { LogInterruptMessage(); });
    return interrupted;
}

extern "C" int WINAPI SetUserInterrupt()
{
    return BridgeApp().SetInterrupt(1);
}

extern "C" int WINAPI ClearUserInterrupt()
{
    return BridgeApp().SetInterrupt(0);
}
