// CWinApp: the module's one application object, its start-up and the program
// and library entry points that run it.
#pragma once

#include "CWnd.h"

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* pszAppName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int Run();            // the message loop, until WM_QUIT
    virtual int ExitInstance() { return m_nExitCode; }

    HICON LoadIcon(UINT nIDResource) const;
    BOOL Enable3dControlsStatic() { return TRUE; }   // controls draw in 3D already
    void OnHelp() {}                                 // no help file: nothing to open

    // The exit status ExitInstance reports to the entry point.
    void SetExitCode(int nExitCode) { m_nExitCode = nExitCode; }

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance;
    const char* m_pszAppName;

    DECLARE_MESSAGE_MAP()

private:
    int m_nExitCode = 0;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();

// Runs the application object of a program: InitInstance, then the message
// loop when it returned TRUE, else ExitInstance at once.
int AfxWinMain(HINSTANCE hInstance);
