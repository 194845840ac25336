// Screenshots of a window as the screen shows it, saved as PNG files.
#pragma once

#include <windows.h>

#include <string>

// Captures the window's rectangle from the screen; false when it could not
// be read or written.
bool SaveWindowPng(HWND hWnd, const std::string& path);
