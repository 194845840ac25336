// The Cdrom service key: the one way the installer opens it, and the Autorun
// flag and RegisteredCDR presence kept under it.
#pragma once

#include <windows.h>

// HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\Cdrom opened with full
// access, or null when any step of the walk fails; the caller closes it.
HKEY OpenCdromKey();

// Stores Autorun as REG_DWORD 1 (any non-zero argument) or 0; 1 when stored.
int WriteAutorun(int enable);

// 1 when the stored Autorun is non-zero; 0 also when nothing could be read.
int ReadAutorun();

// 1 when the RegisteredCDR subkey exists and opens with full access.
int HasRegisteredCdr();
