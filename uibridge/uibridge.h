/* uibridge.h: the exports of uibridge.dll for recording front ends and the
 * engine, from C and from C++: control bindings, status and progress, log
 * lines, the user interrupt and the modal prompts.
 *
 * Calling convention. Every export is __stdcall (WINAPI): the arguments are
 * pushed right to left and the function removes them. The DLL exports the
 * names undecorated at fixed ordinals (uibridge.def lists them with their
 * decorated x86 names, DisplayStatus@8 @3); link with the import library of
 * the SDK, which maps the decorated names an x86 compiler asks for to them.
 * Texts are NUL-terminated ANSI (code page 1252) texts, integers 32 bits.
 * Every export runs in the calling thread, which must be the thread that
 * owns the bound windows; DisplayStatus, GetUserInterrupt and the prompts
 * dispatch that thread's messages, so window procedures run inside them and
 * may call the bridge again. No export reports an error.
 *
 * Bound objects are borrowed: the bridge stores the pointer it is given and
 * reads it again at every use. Unbind a slot (set it to NULL) before the
 * object or window bound there goes away.
 *
 * The CWnd binary contract. The bridge takes windows as pointers to objects
 * laid out as
 *     { pointer to the virtual function table, HWND m_hWnd, ... }
 * and reads nothing but m_hWnd, straight from the object (no function is
 * called). From C++ any class named CWnd with that layout serves (a class
 * with virtual functions whose first data member is the handle); from C the
 * struct CWnd below is that layout, and its table pointer may be NULL.
 *
 * CStatusTextSink. The ActionStatus and SubActionStatus slots take objects
 * that show the action texts themselves. The bridge calls the second entry
 * of their virtual function table, ShowStatusText, with the engine's text
 * exactly as it came (NULL or empty included); the first entry is the front
 * end's own and is never called. Declare no virtual destructor in a C++
 * implementation before these two: with GCC it takes two table entries.
 */
#ifndef UIBRIDGE_H
#define UIBRIDGE_H

#include <windows.h>

/* Status types of DisplayStatus; any other value shows nothing. */
enum {
    ST_VOLUME = 1,          /* the product title, " -  " and the text */
    ST_TRACKS = 2,
    ST_ACTION = 3,          /* to the ActionStatus sink */
    ST_CURRENT_TRACK = 4,
    ST_FREE_SECTORS = 5,
    ST_SUBACTION = 6,       /* to the SubActionStatus sink */
    ST_CURRENT_DIR = 7,
    ST_CURRENT_DEVICE = 8
};

#ifdef __cplusplus

class CWnd;

class CStatusTextSink {
public:
    /* Empties the shown text; for the front end's own use. */
    virtual void ClearStatusText() = 0;
    /* Shows a status text of the engine; pszText may be NULL. */
    virtual void ShowStatusText(const char* pszText) = 0;

protected:
    CStatusTextSink() = default;
    CStatusTextSink(const CStatusTextSink&) = default;
    CStatusTextSink& operator=(const CStatusTextSink&) = default;
    ~CStatusTextSink() = default;
};

extern "C" {

#else

typedef struct CWnd {
    const void* lpVtbl;     /* never read by the bridge */
    HWND m_hWnd;
} CWnd;

/* A sink written in C: a struct that begins with a pointer to its table of
 * two functions. The bridge calls them as C++ member functions, which on x86
 * take the object in ECX and remove their stack arguments themselves
 * (thiscall); UIBRIDGE_THISCALL says so to GCC (which, under -pedantic,
 * warns that the attribute is meant for C++ and applies it all the same).
 * Elsewhere a C++ member function is called as a plain function with the
 * object first. */
#if defined(__i386__) || defined(_M_IX86)
#if defined(__GNUC__)
#define UIBRIDGE_THISCALL __attribute__((thiscall))
#endif
#else
#define UIBRIDGE_THISCALL
#endif

typedef struct CStatusTextSink CStatusTextSink;
#ifdef UIBRIDGE_THISCALL
typedef struct CStatusTextSinkVtbl {
    void (UIBRIDGE_THISCALL* ClearStatusText)(CStatusTextSink* This);
    void (UIBRIDGE_THISCALL* ShowStatusText)(CStatusTextSink* This, const char* pszText);
} CStatusTextSinkVtbl;

struct CStatusTextSink {
    const CStatusTextSinkVtbl* lpVtbl;
};
#endif

#endif

/* Status and progress. DisplayStatus shows the text in the field of its
 * type, then dispatches one message of the thread's queue. The percentages
 * go to the progress bars unchanged (negative ones as 0); the front end owns
 * the bars' range. */
void WINAPI DisplayBufferPercentage(int nPercentage);
void WINAPI DisplayPercentage(int nPercentage);
void WINAPI DisplayStatus(const char* pszText, int nType);

/* User interrupt. GetUserInterrupt dispatches up to three waiting messages
 * and a waiting Cancel command or Escape key, then returns the flag; while
 * it is set, each poll also logs the engine's interrupt message. Set and
 * Clear return the flag they replaced. */
int WINAPI ClearUserInterrupt(void);
int WINAPI GetUserInterrupt(void);
int WINAPI SetUserInterrupt(void);

/* Log lines, into the list boxes (unsorted) of the two line slots. A list
 * keeps the last 256 lines; a temporary line gives way to the next line of
 * either slot. A NULL line is logged as a marker. */
void WINAPI TemporaryLine(const char* pszMessage);
void WINAPI WriteLine(const char* pszMessage);

/* Prompts, each modal, owned by the calling thread's active window. The
 * third and fourth arguments of MessageDialog and QuestionDialog have no
 * effect; their result is a 16-bit end code, -1 when no prompt could be shown.
 *   MessageDialog types: 1 and 5 information, 2 information with a second
 *   button, 3 error, 4 warning with a second button (any other: as 1).
 *   The first button and Escape give 2, the second button 3.
 *   QuestionDialog types: 1 and 3 Yes/No, 2 Yes/No/Yes to All (any other:
 *   as 1). Yes gives 1, No 0, Yes to All 6, Escape 2. */
short WINAPI MessageDialog(const char* pszText, int nType, int nUnused3, int nUnused4);
short WINAPI QuestionDialog(const char* pszText, int nType, int nUnused3, int nUnused4);
/* A number within the bounds, compared signed or unsigned. With bUseDefault
 * the field starts with lDefault, which invalid input then gives; a
 * cancelled prompt gives lDefault in any case. */
LONG WINAPI GetValue(const char* pszText, LONG lMinimum, LONG lMaximum, LONG lDefault, BOOL bUseDefault,
                     BOOL bSigned);
/* A line of text into pszResult (nResultSize bytes, always terminated,
 * padded with NULs): the edited text, else the initial text (also after a
 * cancel), else the empty text. No prompt without a buffer of at least 1. */
void WINAPI GetText(const char* pszPrompt, const char* pszInitial, char* pszResult, int nResultSize);

/* Bindings: Get returns the bound object, Set binds a new one (NULL
 * unbinds) and returns the one it replaced. */
CStatusTextSink* WINAPI mf_GetActionStatusControl(void);
CStatusTextSink* WINAPI mf_SetActionStatusControl(CStatusTextSink* p);
CWnd* WINAPI mf_GetCurrentDeviceStatusControl(void);
CWnd* WINAPI mf_SetCurrentDeviceStatusControl(CWnd* p);
CWnd* WINAPI mf_GetCurrentDirStatusControl(void);
CWnd* WINAPI mf_SetCurrentDirStatusControl(CWnd* p);
CWnd* WINAPI mf_GetCurrentTrackStatusControl(void);
CWnd* WINAPI mf_SetCurrentTrackStatusControl(CWnd* p);
CWnd* WINAPI mf_GetFreeSectorsStatusControl(void);
CWnd* WINAPI mf_SetFreeSectorsStatusControl(CWnd* p);
CStatusTextSink* WINAPI mf_GetSubActionStatusControl(void);
CStatusTextSink* WINAPI mf_SetSubActionStatusControl(CStatusTextSink* p);
CWnd* WINAPI mf_GetTracksStatusControl(void);
CWnd* WINAPI mf_SetTracksStatusControl(CWnd* p);
CWnd* WINAPI mf_GetVolumeStatusControl(void);
CWnd* WINAPI mf_SetVolumeStatusControl(CWnd* p);
CWnd* WINAPI mf_GetPercentageControl(void);
CWnd* WINAPI mf_SetPercentageControl(CWnd* p);
CWnd* WINAPI mf_GetBufferPercentageControl(void);
CWnd* WINAPI mf_SetBufferPercentageControl(CWnd* p);
CWnd* WINAPI mf_GetWriteLineControl(void);
CWnd* WINAPI mf_SetWriteLineControl(CWnd* p);
CWnd* WINAPI mf_GetTemporaryLineControl(void);
CWnd* WINAPI mf_SetTemporaryLineControl(CWnd* p);

#ifdef __cplusplus
}
#endif

#endif
