// What this process holds of the system's objects (open handles, GDI and
// USER objects, the windows of the calling thread), so that a leak shows as
// growth from one round of the same work to the next.
#pragma once

#include <windows.h>

#include <ostream>

// The open-handle count of this process (GetProcessHandleCount, looked up at
// run time: it is newer than the system the programs target; where it
// reports nothing, the system's list of handles is counted); 0 when neither
// answers.
DWORD ProcessHandleCount();

struct ProcessResources {
    DWORD handles = 0;
    // GetGuiResources, looked up at run time like the handle count. Wine
    // (8.0) does not count GDI and USER objects: it answers 0 with
    // ERROR_CALL_NOT_IMPLEMENTED, and the windows of the thread stand in for
    // the USER objects there.
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    DWORD threadWindows = 0;   // top-level windows of the calling thread, hidden ones too

    // True when any count is above the one in base.
    bool Exceeds(const ProcessResources& base) const;
};

ProcessResources CurrentProcessResources();
std::ostream& operator<<(std::ostream& os, const ProcessResources& r);
