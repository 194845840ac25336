// CRecorderApp: the sample front end's application object; it runs the
// recorder window and ends.
#include "RecorderDlg.h"

#include <commctrl.h>

namespace {

class CRecorderApp : public CWinApp {
public:
    // The window runs modally; returning FALSE ends the program after it
    // with the status set here (1: the window could not be created).
    BOOL InitInstance() override
    {
        // The progress bars live in the common controls library.
        ::InitCommonControls();
        CRecorderDlg dlg;
        m_pMainWnd = &dlg;
        const INT_PTR result = dlg.DoModal();
        m_pMainWnd = nullptr;
        SetExitCode(result == -1 ? 1 : 0);
        return FALSE;
    }
};

CRecorderApp theApp;

} // namespace
