// Reads the lines of a list box, also one of another process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The items in order; an item that cannot be read (or is longer than 1023
// characters) comes back empty. A hung owner does not block the caller.
std::vector<std::string> ListBoxLines(HWND list);
