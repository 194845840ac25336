// The program entry point: runs the program's application object.
#include "CWinApp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    return AfxWinMain(hInstance);
}
