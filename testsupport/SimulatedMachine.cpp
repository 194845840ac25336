// The Cdrom service and the driver directory of the simulated machine.
#include "SimulatedMachine.h"

#include "RegistryFixture.h"

#include <cstdio>
#include <vector>

namespace {

const char* const kImageNames[] = { "Cdrom.sys", "Cdrom.org" };

} // namespace

bool DeleteCdromService()
{
    SC_HANDLE manager = ::OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager)
        return false;
    if (SC_HANDLE service = ::OpenServiceA(manager, "Cdrom", SERVICE_ALL_ACCESS)) {
        ::DeleteService(service);
        ::CloseServiceHandle(service);
    }
    SC_HANDLE still = ::OpenServiceA(manager, "Cdrom", SERVICE_QUERY_STATUS);
    if (still)
        ::CloseServiceHandle(still);
    ::CloseServiceHandle(manager);
    return still == nullptr;
}

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
