// BridgeState and the binding exports of its twelve slots.
#include "BridgeState.h"

#include "Texts.h"

BridgeGlobals BridgeState = { texts::kProductTitle, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                              nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0 };

namespace {

// Stores any pointer unchecked (null unbinds) and returns the previous one;
// no other slot and no flag changes.
template <typename T>
T* Rebind(T*& slot, T* p)
{
    T* previous = slot;
    slot = p;
    return previous;
}

} // namespace

extern "C" CStatusTextSink* WINAPI mf_GetActionStatusControl()
{ return BridgeState.ActionStatusControl; }
extern "C" CStatusTextSink* WINAPI mf_SetActionStatusControl(CStatusTextSink* p)
{ return Rebind(BridgeState.ActionStatusControl, p); }
extern "C" CStatusTextSink* WINAPI mf_GetSubActionStatusControl()
{ return BridgeState.SubActionStatusControl; }
extern "C" CStatusTextSink* WINAPI mf_SetSubActionStatusControl(CStatusTextSink* p)
{ return Rebind(BridgeState.SubActionStatusControl, p); }
extern "C" CWnd* WINAPI mf_GetVolumeStatusControl()
{ return BridgeState.VolumeStatusControl; }
extern "C" CWnd* WINAPI mf_SetVolumeStatusControl(CWnd* p)
{ return Rebind(BridgeState.VolumeStatusControl, p); }
extern "C" CWnd* WINAPI mf_GetTracksStatusControl()
{ return BridgeState.TracksStatusControl; }
extern "C" CWnd* WINAPI mf_SetTracksStatusControl(CWnd* p)
{ return Rebind(BridgeState.TracksStatusControl, p); }
extern "C" CWnd* WINAPI mf_GetCurrentTrackStatusControl()
{ return BridgeState.CurrentTrackStatusControl; }
extern "C" CWnd* WINAPI mf_SetCurrentTrackStatusControl(CWnd* p)
{ return Rebind(BridgeState.CurrentTrackStatusControl, p); }
extern "C" CWnd* WINAPI mf_GetCurrentDirStatusControl()
{ return BridgeState.CurrentDirStatusControl; }
extern "C" CWnd* WINAPI mf_SetCurrentDirStatusControl(CWnd* p)
{ return Rebind(BridgeState.CurrentDirStatusControl, p); }
extern "C" CWnd* WINAPI mf_GetFreeSectorsStatusControl()
{ return BridgeState.FreeSectorsStatusControl; }
extern "C" CWnd* WINAPI mf_SetFreeSectorsStatusControl(CWnd* p)
{ return Rebind(BridgeState.FreeSectorsStatusControl, p); }
extern "C" CWnd* WINAPI mf_GetCurrentDeviceStatusControl()
{ return BridgeState.CurrentDeviceStatusControl; }
extern "C" CWnd* WINAPI mf_SetCurrentDeviceStatusControl(CWnd* p)
{ return Rebind(BridgeState.CurrentDeviceStatusControl, p); }
extern "C" CWnd* WINAPI mf_GetBufferPercentageControl()
{ return BridgeState.BufferPercentageControl; }
extern "C" CWnd* WINAPI mf_SetBufferPercentageControl(CWnd* p)
{ return Rebind(BridgeState.BufferPercentageControl, p); }
extern "C" CWnd* WINAPI mf_GetPercentageControl()
{ return BridgeState.PercentageControl; }
extern "C" CWnd* WINAPI mf_SetPercentageControl(CWnd* p)
{ return Rebind(BridgeState.PercentageControl, p); }
extern "C" CWnd* WINAPI mf_GetTemporaryLineControl()
{ return BridgeState.TemporaryLineControl; }
extern "C" CWnd* WINAPI mf_SetTemporaryLineControl(CWnd* p)
{ return Rebind(BridgeState.TemporaryLineControl, p); }
extern "C" CWnd* WINAPI mf_GetWriteLineControl()
{ return BridgeState.WriteLineControl; }
extern "C" CWnd* WINAPI mf_SetWriteLineControl(CWnd* p)
{ return Rebind(BridgeState.WriteLineControl, p); }
