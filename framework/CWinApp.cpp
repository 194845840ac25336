// CWinApp: the current-application pointer, icons and the message loop.
#include "CWinApp.h"

#include <cstring>

// The image base of the module this framework copy is linked into: the
// program or the library, whichever holds the resources.
extern "C" IMAGE_DOS_HEADER __ImageBase;  // NOLINT(bugprone-reserved-identifier): the linker defines it

namespace {
CWinApp* g_pApp = nullptr;
char g_appName[MAX_PATH];

const char* ModuleBaseName()
{
    char path[MAX_PATH] = "";
    DWORD n = ::GetModuleFileNameA(reinterpret_cast<HINSTANCE>(&__ImageBase), path, sizeof path);
    if (n == 0 || n >= sizeof path)
        return "";
    const char* name = std::strrchr(path, '\\');
    name = name ? name + 1 : path;
    std::memcpy(g_appName, name, std::strlen(name) + 1);   // fits: name is within path
    if (char* dot = std::strrchr(g_appName, '.'))
        *dot = '\0';
    return g_appName;
}
} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(const char* pszAppName)
    : m_hInstance(reinterpret_cast<HINSTANCE>(&__ImageBase)),
      m_pszAppName(pszAppName ? pszAppName : ModuleBaseName())
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIconA(m_hInstance, MAKEINTRESOURCEA(nIDResource));
}

int CWinApp::Run()
{
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    SetExitCode(static_cast<int>(msg.wParam));
    return ExitInstance();
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

HINSTANCE AfxGetInstanceHandle()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

HINSTANCE AfxGetResourceHandle()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

int AfxWinMain(HINSTANCE hInstance)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->m_hInstance = hInstance;
    if (!app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}
