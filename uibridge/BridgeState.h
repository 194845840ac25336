// BridgeState: the library's one set of control bindings and the
// temporary-line flag, valid from load to unload.
#pragma once

#include "uibridge.h"

struct BridgeGlobals {
    const char* const ProductTitle;
    CStatusTextSink* ActionStatusControl;
    CStatusTextSink* SubActionStatusControl;
    CWnd* VolumeStatusControl;
    CWnd* TracksStatusControl;
    CWnd* CurrentTrackStatusControl;
    CWnd* CurrentDirStatusControl;
    CWnd* FreeSectorsStatusControl;
    CWnd* CurrentDeviceStatusControl;
    CWnd* BufferPercentageControl;
    CWnd* PercentageControl;
    CWnd* TemporaryLineControl;
    CWnd* WriteLineControl;
    // 1 when the last line that went through the log rule was temporary; one
    // flag for both line slots, written only by the log lines.
    int LastLineWasTemporary;
};

// Bindings are borrowed: the library stores what it is given and reads it
// again through the mf_Get exports at every use.
extern BridgeGlobals BridgeState;
