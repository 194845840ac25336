// CBridgeApp: the one application object of the library and its Help entry.
#include "BridgeApp.h"

#include "resource.h"

namespace {
CBridgeApp theApp;
}

// The library has no help file: the Help command is taken and does nothing.
BEGIN_MESSAGE_MAP(CBridgeApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

int CBridgeApp::SetInterrupt(int bInterrupt)
{
    const int previous = m_bUserInterrupt;
    m_bUserInterrupt = bInterrupt;
    return previous;
}

CBridgeApp& BridgeApp()
{
    return static_cast<CBridgeApp&>(*AfxGetApp());
}
