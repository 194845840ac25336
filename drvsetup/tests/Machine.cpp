// The Cdrom service and the driver directory for tests.
#include "Machine.h"

#include "RegistryFixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace {

const char* const kImageNames[] = { "Cdrom.sys", "Cdrom.org" };

std::string EntryPath(const std::string& name)
{
    return kListPath + "\\" + name;
}

void DeleteCdromService()
{
    SC_HANDLE manager = ::OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager)
        return;
    if (SC_HANDLE service = ::OpenServiceA(manager, "Cdrom", SERVICE_ALL_ACCESS)) {
        ::DeleteService(service);
        ::CloseServiceHandle(service);
    }
    ::CloseServiceHandle(manager);
}

} // namespace

ScopedCdromService::ScopedCdromService()
{
    DeleteCdromService();
    DeleteKeyTree(kCdromKeyPath);
}

ScopedCdromService::~ScopedCdromService()
{
    DeleteCdromService();
    DeleteKeyTree(kCdromKeyPath);
}

bool SeedCdromService(DWORD startType, DWORD errorControl, const char* imagePath, const char* displayName)
{
    SC_HANDLE manager = ::OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager)
        return false;
    SC_HANDLE service = ::CreateServiceA(manager, "Cdrom", displayName, SERVICE_ALL_ACCESS, SERVICE_KERNEL_DRIVER,
                                         startType, errorControl, imagePath, nullptr, nullptr, nullptr, nullptr,
                                         nullptr);
    if (service)
        ::CloseServiceHandle(service);
    ::CloseServiceHandle(manager);
    return service != nullptr;
}

ServiceConfig QueryCdromService()
{
    ServiceConfig out;
    SC_HANDLE manager = ::OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager)
        return out;
    if (SC_HANDLE service = ::OpenServiceA(manager, "Cdrom", SERVICE_QUERY_CONFIG)) {
        std::vector<BYTE> buffer(8192);
        auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer.data());
        DWORD needed = 0;
        if (::QueryServiceConfigA(service, config, static_cast<DWORD>(buffer.size()), &needed)) {
            out.exists = true;
            out.type = config->dwServiceType;
            out.start = config->dwStartType;
            out.errorControl = config->dwErrorControl;
            out.image = config->lpBinaryPathName ? config->lpBinaryPathName : "";
            out.display = config->lpDisplayName ? config->lpDisplayName : "";
            out.group = config->lpLoadOrderGroup ? config->lpLoadOrderGroup : "";
        }
        ::CloseServiceHandle(service);
    }
    ::CloseServiceHandle(manager);
    return out;
}

const std::string kListPath = std::string(kCdromKeyPath) + "\\RegisteredCDR";

void SeedEntries(const Entries& entries)
{
    ASSERT_TRUE(CreateKey(kListPath.c_str()));
    for (const auto& entry : entries) {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, EntryPath(entry.first).c_str(), 0, nullptr, 0,
                                                   KEY_ALL_ACCESS, nullptr, &key, nullptr));
        ::RegSetValueExA(key, "Identifier", 0, REG_SZ, reinterpret_cast<const BYTE*>(entry.second.c_str()),
                         static_cast<DWORD>(entry.second.size() + 1));
        ::RegCloseKey(key);
    }
}

Entries StoredEntries()
{
    Entries entries;
    HKEY list;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kListPath.c_str(), 0, KEY_READ, &list) != ERROR_SUCCESS)
        return entries;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (::RegEnumKeyExA(list, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        StoredValue v = ReadValue(EntryPath(name).c_str(), "Identifier");
        EXPECT_EQ(static_cast<DWORD>(REG_SZ), v.type) << name;
        EXPECT_TRUE(!v.data.empty() && v.data.back() == '\0') << name;
        entries[name] = v.data.substr(0, v.data.empty() ? 0 : v.data.size() - 1);
    }
    ::RegCloseKey(list);
    return entries;
}

std::string DriverDirectory()
{
    char windows[MAX_PATH] = "";
    ::GetWindowsDirectoryA(windows, sizeof windows);
    return std::string(windows) + "\\system32\\drivers";
}

ScopedDriverDirectory::ScopedDriverDirectory() : m_path(DriverDirectory())
{
    for (const char* name : kImageNames) {
        const std::string path = File(name);
        if (::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
            m_saved[name] = FileBytes(path);
            ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileA(path.c_str());
        }
    }
}

ScopedDriverDirectory::~ScopedDriverDirectory()
{
    for (const char* name : kImageNames) {
        const std::string path = File(name);
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(path.c_str());
        auto saved = m_saved.find(name);
        if (saved != m_saved.end())
            WriteFileBytes(path, saved->second);
    }
}

std::string FileBytes(const std::string& path)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return "(none)";
    std::string content;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        content.append(buffer, n);
    std::fclose(f);
    return content;
}

void WriteFileBytes(const std::string& path, const std::string& content)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return;
    std::fwrite(content.data(), 1, content.size(), f);
    std::fclose(f);
}
