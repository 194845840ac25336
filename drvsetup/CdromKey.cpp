// The Cdrom service key: open, Autorun flag, RegisteredCDR presence.
#include "CdromKey.h"

#include "RegKey.h"

#include <utility>

HKEY OpenCdromKey()
{
    // Only the service key itself is asked for full access; the keys above it
    // are opened for reading and closed as soon as the walk has passed them.
    static const struct { const char* name; REGSAM access; } steps[] = {
        { "SYSTEM", KEY_READ },
        { "CurrentControlSet", KEY_READ },
        { "Services", KEY_READ },
        { "Cdrom", KEY_ALL_ACCESS },
    };
    RegKey current;
    HKEY parent = HKEY_LOCAL_MACHINE;
    for (const auto& step : steps) {
        RegKey next;
        if (::RegOpenKeyExA(parent, step.name, 0, step.access, next.Put()) != ERROR_SUCCESS)
            return nullptr;
        current = std::move(next);
        parent = current.Get();
    }
    return current.Release();
}

int WriteAutorun(int enable)
{
    RegKey key(OpenCdromKey());
    if (!key)
        return 0;
    const DWORD data = enable ? 1 : 0;
    if (::RegSetValueExA(key.Get(), "Autorun", 0, REG_DWORD,
                         reinterpret_cast<const BYTE*>(&data), sizeof data) != ERROR_SUCCESS)
        return 0;
    ::RegFlushKey(key.Get());
    return 1;
}

int ReadAutorun()
{
    DWORD data = 0;
    RegKey key(OpenCdromKey());
    if (key) {
        // The stored type is not examined: a value of at most four bytes reads
        // as on when any of its bytes is non-zero. A failed query (a longer
        // value leaves the buffer undefined) reads as off.
        DWORD size = sizeof data;
        if (::RegQueryValueExA(key.Get(), "Autorun", nullptr, nullptr, reinterpret_cast<BYTE*>(&data), &size)
            != ERROR_SUCCESS)
            data = 0;
    }
    return data != 0 ? 1 : 0;
}

int HasRegisteredCdr()
{
    RegKey key(OpenCdromKey());
    if (!key)
        return 0;
    RegKey list;
    return ::RegOpenKeyExA(key.Get(), "RegisteredCDR", 0, KEY_ALL_ACCESS, list.Put()) == ERROR_SUCCESS ? 1 : 0;
}
