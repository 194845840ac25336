// Status texts and progress bars: DisplayStatus, DisplayPercentage and
// DisplayBufferPercentage.
#include "BridgeState.h"
#include "CString.h"
#include "CWnd.h"
#include "ExportGuard.h"
#include "MessagePump.h"
#include "Texts.h"

#include <commctrl.h>

namespace {

// Where each status type goes: a window whose text is set, or a front-end
// sink that shows the text itself. Indexed by type minus 1.
struct StatusSlot {
    CWnd* (WINAPI* window)();
    CStatusTextSink* (WINAPI* sink)();
};

const StatusSlot kStatusSlots[] = {
    { mf_GetVolumeStatusControl, nullptr },          // ST_VOLUME
    { mf_GetTracksStatusControl, nullptr },          // ST_TRACKS
    { nullptr, mf_GetActionStatusControl },          // ST_ACTION
    { mf_GetCurrentTrackStatusControl, nullptr },    // ST_CURRENT_TRACK
    { mf_GetFreeSectorsStatusControl, nullptr },     // ST_FREE_SECTORS
    { nullptr, mf_GetSubActionStatusControl },       // ST_SUBACTION
    { mf_GetCurrentDirStatusControl, nullptr },      // ST_CURRENT_DIR
    { mf_GetCurrentDeviceStatusControl, nullptr },   // ST_CURRENT_DEVICE
};

// The volume field shows the product title, and the volume name after it
// when there is one. The caller's text is appended, never used as a format.
CString VolumeText(const char* pszText)
{
    CString text(BridgeState.ProductTitle);
    if (pszText && *pszText) {
        text += texts::kVolumeSeparator;
        text += pszText;
    }
    return text;
}

void ShowStatus(const char* pszText, int nType)
{
    // Every value outside 1 to 8 is ST_UNKNOWN and shows nothing.
    const unsigned index = static_cast<unsigned>(nType) - 1u;
    if (index >= sizeof kStatusSlots / sizeof kStatusSlots[0])
        return;
    const StatusSlot& slot = kStatusSlots[index];
    if (slot.sink) {
        if (CStatusTextSink* sink = slot.sink())
            sink->ShowStatusText(pszText);
        return;
    }
    CWnd* window = slot.window();
    if (!window)
        return;
    if (nType == ST_VOLUME)
        ::SetWindowTextA(window->m_hWnd, VolumeText(pszText));
    else
        ::SetWindowTextA(window->m_hWnd, pszText ? pszText : "");
}

// The front end owns the bar's range; only negative values are held at 0.
void SetProgress(CWnd* bar, int nPercentage)
{
    if (bar)
        ::SendMessageA(bar->m_hWnd, PBM_SETPOS, static_cast<WPARAM>(nPercentage < 0 ? 0 : nPercentage), 0);
}

} // namespace

extern "C" void WINAPI DisplayStatus(const char* pszText, int nType)
{
    ExportGuard([&] { ShowStatus(pszText, nType); });
    // After the text is set, so that a handler running inside the step finds
    // the field up to date.
    ExportGuard([] { PumpOneMessage(); });
}

extern "C" void WINAPI DisplayPercentage(int nPercentage)
{
    ExportGuard([&] { SetProgress(mf_GetPercentageControl(), nPercentage); });
}

extern "C" void WINAPI DisplayBufferPercentage(int nPercentage)
{
    ExportGuard([&] { SetProgress(mf_GetBufferPercentageControl(), nPercentage); });
}
