// BridgeState and the binding exports of its twelve slots.
#include "BridgeState.h"

#include "Texts.h"

BridgeGlobals BridgeState = { texts::kProductTitle, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                              nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0 };

// Get returns the slot; Set stores any pointer unchecked (null unbinds) and
// returns the previous one. Neither touches another slot or a flag.
#define BRIDGE_BINDING(Type, Slot)                                          \
    extern "C" Type* WINAPI mf_Get##Slot##Control()                         \
    {                                                                       \
        return BridgeState.Slot##Control;                                   \
    }                                                                       \
    extern "C" Type* WINAPI mf_Set##Slot##Control(Type* p)                  \
    {                                                                       \
        Type* previous = BridgeState.Slot##Control;                         \
        BridgeState.Slot##Control = p;                                      \
        return previous;                                                    \
    }

BRIDGE_BINDING(CStatusTextSink, ActionStatus)
BRIDGE_BINDING(CStatusTextSink, SubActionStatus)
BRIDGE_BINDING(CWnd, VolumeStatus)
BRIDGE_BINDING(CWnd, TracksStatus)
BRIDGE_BINDING(CWnd, CurrentTrackStatus)
BRIDGE_BINDING(CWnd, CurrentDirStatus)
BRIDGE_BINDING(CWnd, FreeSectorsStatus)
BRIDGE_BINDING(CWnd, CurrentDeviceStatus)
BRIDGE_BINDING(CWnd, BufferPercentage)
BRIDGE_BINDING(CWnd, Percentage)
BRIDGE_BINDING(CWnd, TemporaryLine)
BRIDGE_BINDING(CWnd, WriteLine)
