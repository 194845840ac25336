// The Cdrom service: reconfigured when it exists, created otherwise.
#include "CdromService.h"

#include "ServiceHandle.h"

namespace {
constexpr char kServiceName[] = "Cdrom";
constexpr char kDisplayName[] = "Cdrom";
} // namespace

int ConfigureCdromService(const char* pszImagePath)
{
    ServiceHandle manager(::OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager)
        return 0;

    // Declared after the manager, so the service is closed first.
    ServiceHandle existing(::OpenServiceA(manager.Get(), kServiceName, SERVICE_ALL_ACCESS));
    if (existing) {
        return ::ChangeServiceConfigA(existing.Get(), SERVICE_NO_CHANGE, SERVICE_SYSTEM_START, SERVICE_NO_CHANGE,
                                      nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, kDisplayName)
                   ? 1
                   : 0;
    }
    ServiceHandle created(::CreateServiceA(manager.Get(), kServiceName, kDisplayName, SERVICE_ALL_ACCESS,
                                           SERVICE_KERNEL_DRIVER, SERVICE_SYSTEM_START, SERVICE_ERROR_NORMAL,
                                           pszImagePath, nullptr, nullptr, nullptr, nullptr, nullptr));
    return created ? 1 : 0;
}
