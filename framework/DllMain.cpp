// The library entry point: runs the library's application object.
#include "CWinApp.h"

// Attach runs the start-up of the module's application object, detach its
// clean-up; the object itself is constructed and destroyed by the C runtime
// around these calls. A start-up that fails refuses the load.
BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD reason, LPVOID)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return TRUE;
    try {
        switch (reason) {
        case DLL_PROCESS_ATTACH:
            app->m_hInstance = hInstance;
            return app->InitInstance();
        case DLL_PROCESS_DETACH:
            app->ExitInstance();
            break;
        default:
            break;
        }
    } catch (...) {
        // Nothing may unwind into the loader.
        return reason == DLL_PROCESS_ATTACH ? FALSE : TRUE;
    }
    return TRUE;
}
