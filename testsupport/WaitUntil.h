// WaitUntil: polls a condition on what another process shows, with a limit.
#pragma once

#include <windows.h>

#include <functional>

// True as soon as the condition holds; false when it still does not after
// timeoutMs.
inline bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        ::Sleep(20);
    }
    return true;
}
