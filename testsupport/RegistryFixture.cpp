// Registry helpers for tests.
#include "RegistryFixture.h"

#include <vector>

bool DeleteKeyTree(const char* path)
{
    HKEY key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return !KeyExists(path);
    std::vector<std::string> children;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD len = sizeof name;
        if (::RegEnumKeyExA(key, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        children.emplace_back(name);
    }
    ::RegCloseKey(key);
    for (const auto& child : children)
        DeleteKeyTree((std::string(path) + "\\" + child).c_str());
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, path);
    return !KeyExists(path);
}

bool CreateKey(const char* path)
{
    HKEY key;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

bool KeyExists(const char* path)
{
    HKEY key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

bool SetDword(const char* path, const char* name, DWORD value)
{
    HKEY key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return false;
    LONG rc = ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    ::RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

StoredValue ReadValue(const char* path, const char* name)
{
    StoredValue out;
    HKEY key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return out;
    BYTE buf[1024];
    DWORD size = sizeof buf;
    DWORD type = REG_NONE;
    if (::RegQueryValueExA(key, name, nullptr, &type, buf, &size) == ERROR_SUCCESS) {
        out.type = type;
        out.data.assign(reinterpret_cast<const char*>(buf), size);
    }
    ::RegCloseKey(key);
    return out;
}

ScopedCdromKey::ScopedCdromKey(bool create)
{
    DeleteKeyTree(kCdromKeyPath);
    if (create)
        CreateKey(kCdromKeyPath);
}

ScopedCdromKey::~ScopedCdromKey()
{
    DeleteKeyTree(kCdromKeyPath);
}
