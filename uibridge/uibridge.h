// The exports of uibridge.dll as the recording front end and the engine call
// them: control bindings, status and progress, log lines, user interrupt.
//
// Every export uses the standard Win32 calling convention; texts are
// NUL-terminated ANSI texts and integers are 32 bits wide. A bound window is
// any object laid out as { vtable pointer, HWND } (the framework's CWnd); the
// bridge reads only the handle. Bound objects are borrowed: unbind a slot
// (set it to null) before destroying what is bound there.
#pragma once

#include <windows.h>

#include "StatusTextSink.h"

class CWnd;

// Status types of DisplayStatus; any other value shows nothing.
enum {
    ST_VOLUME = 1,
    ST_TRACKS = 2,
    ST_ACTION = 3,
    ST_CURRENT_TRACK = 4,
    ST_FREE_SECTORS = 5,
    ST_SUBACTION = 6,
    ST_CURRENT_DIR = 7,
    ST_CURRENT_DEVICE = 8,
};

extern "C" {

// Status and progress.
void WINAPI DisplayBufferPercentage(int nPercentage);
void WINAPI DisplayPercentage(int nPercentage);
void WINAPI DisplayStatus(const char* pszText, int nType);

// User interrupt; each returns the flag (Set and Clear: the previous one).
int WINAPI ClearUserInterrupt();
int WINAPI GetUserInterrupt();
int WINAPI SetUserInterrupt();

// Log lines.
void WINAPI TemporaryLine(const char* pszMessage);
void WINAPI WriteLine(const char* pszMessage);

// Bindings: Get returns the bound object, Set binds a new one (null unbinds)
// and returns the one it replaced.
CStatusTextSink* WINAPI mf_GetActionStatusControl();
CStatusTextSink* WINAPI mf_SetActionStatusControl(CStatusTextSink* p);
CWnd* WINAPI mf_GetCurrentDeviceStatusControl();
CWnd* WINAPI mf_SetCurrentDeviceStatusControl(CWnd* p);
CWnd* WINAPI mf_GetCurrentDirStatusControl();
CWnd* WINAPI mf_SetCurrentDirStatusControl(CWnd* p);
CWnd* WINAPI mf_GetCurrentTrackStatusControl();
CWnd* WINAPI mf_SetCurrentTrackStatusControl(CWnd* p);
CWnd* WINAPI mf_GetFreeSectorsStatusControl();
CWnd* WINAPI mf_SetFreeSectorsStatusControl(CWnd* p);
CStatusTextSink* WINAPI mf_GetSubActionStatusControl();
CStatusTextSink* WINAPI mf_SetSubActionStatusControl(CStatusTextSink* p);
CWnd* WINAPI mf_GetTracksStatusControl();
CWnd* WINAPI mf_SetTracksStatusControl(CWnd* p);
CWnd* WINAPI mf_GetVolumeStatusControl();
CWnd* WINAPI mf_SetVolumeStatusControl(CWnd* p);
CWnd* WINAPI mf_GetPercentageControl();
CWnd* WINAPI mf_SetPercentageControl(CWnd* p);
CWnd* WINAPI mf_GetBufferPercentageControl();
CWnd* WINAPI mf_SetBufferPercentageControl(CWnd* p);
CWnd* WINAPI mf_GetWriteLineControl();
CWnd* WINAPI mf_SetWriteLineControl(CWnd* p);
CWnd* WINAPI mf_GetTemporaryLineControl();
CWnd* WINAPI mf_SetTemporaryLineControl(CWnd* p);

}
