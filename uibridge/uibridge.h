// The exports of uibridge.dll as the recording front end and the engine call
// them: control bindings, status and progress, log lines, user interrupt and
// the modal prompts.
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

// Prompts, each modal, owned by the calling thread's active window. The
// third and fourth arguments of MessageDialog and QuestionDialog have no
// effect; their result is a 16-bit end code, -1 when no prompt could be shown.
//   MessageDialog types: 1 and 5 information, 2 information with a second
//   button, 3 error, 4 warning with a second button (any other: as 1).
//   The first button and Escape give 2, the second button 3.
//   QuestionDialog types: 1 and 3 Yes/No, 2 Yes/No/Yes to All (any other:
//   as 1). Yes gives 1, No 0, Yes to All 6, Escape 2.
short WINAPI MessageDialog(const char* pszText, int nType, int nUnused3, int nUnused4);
short WINAPI QuestionDialog(const char* pszText, int nType, int nUnused3, int nUnused4);
// A number within the bounds, compared signed or unsigned. With bUseDefault
// the field starts with lDefault, which invalid input then gives; a
// cancelled prompt gives lDefault in any case.
LONG WINAPI GetValue(const char* pszText, LONG lMinimum, LONG lMaximum, LONG lDefault, BOOL bUseDefault,
                     BOOL bSigned);
// A line of text into pszResult (nResultSize bytes, always terminated,
// padded with NULs): the edited text, else the initial text (also after a
// cancel), else the empty text. No prompt without a buffer of at least 1.
void WINAPI GetText(const char* pszPrompt, const char* pszInitial, char* pszResult, int nResultSize);

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
