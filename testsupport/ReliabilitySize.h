// The size of a reliability test: its full size, or a part of it when
// scripts/test.sh runs the suite a second time under Wine's heap checking and
// sets RELIABILITY_DIVISOR to keep that pass within its time.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdlib>

inline int ReliabilitySize(int full)
{
    char value[16] = "";
    const DWORD length = ::GetEnvironmentVariableA("RELIABILITY_DIVISOR", value, sizeof value);
    const int divisor = length > 0 && length < sizeof value ? std::atoi(value) : 1;
    return divisor > 1 ? std::max(1, full / divisor) : full;
}
