// Registry helpers for tests that work on the Cdrom service key: delete it
// before and after, create it, and read back what the code stored.
#pragma once

#include <windows.h>

#include <string>

constexpr const char kCdromKeyPath[] = "SYSTEM\\CurrentControlSet\\Services\\Cdrom";

// Deletes a key of HKEY_LOCAL_MACHINE with all its subkeys; true if gone.
bool DeleteKeyTree(const char* path);
bool CreateKey(const char* path);
bool KeyExists(const char* path);
bool SetDword(const char* path, const char* name, DWORD value);
// Value type and bytes, or type REG_NONE when the value is missing.
struct StoredValue {
    DWORD type = REG_NONE;
    std::string data;
};
StoredValue ReadValue(const char* path, const char* name);

// Removes the Cdrom key around each test, leaving the machine as found.
class ScopedCdromKey {
public:
    explicit ScopedCdromKey(bool create);
    ~ScopedCdromKey();
    ScopedCdromKey(const ScopedCdromKey&) = delete;
    ScopedCdromKey& operator=(const ScopedCdromKey&) = delete;
};
