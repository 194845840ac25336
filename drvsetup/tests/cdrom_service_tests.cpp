// The Cdrom service against the prefix's real service control manager.
#include "CdromService.h"
#include "Machine.h"

#include <gtest/gtest.h>

TEST(CdromService, MissingServiceIsCreatedWithEveryField)
{
    ScopedCdromService fixture;
    const char* image = "C:\\windows\\system32\\drivers\\Cdrom.sys";
    EXPECT_EQ(1, ConfigureCdromService(image));
    ServiceConfig config = QueryCdromService();
    ASSERT_TRUE(config.exists);
    EXPECT_EQ(static_cast<DWORD>(SERVICE_KERNEL_DRIVER), config.type);
    EXPECT_EQ(static_cast<DWORD>(SERVICE_SYSTEM_START), config.start);
    EXPECT_EQ(static_cast<DWORD>(SERVICE_ERROR_NORMAL), config.errorControl);
    EXPECT_EQ(image, config.image);
    EXPECT_EQ("Cdrom", config.display);
    EXPECT_EQ("", config.group);
}

TEST(CdromService, ExistingServiceKeepsItsImageAndErrorControl)
{
    ScopedCdromService fixture;
    ASSERT_TRUE(SeedCdromService(SERVICE_DEMAND_START, SERVICE_ERROR_IGNORE, "System32\\DRIVERS\\Cdrom.sys",
                                 "CD-ROM Driver"));
    EXPECT_EQ(1, ConfigureCdromService("C:\\elsewhere\\Cdrom.sys"));
    ServiceConfig config = QueryCdromService();
    EXPECT_EQ(static_cast<DWORD>(SERVICE_KERNEL_DRIVER), config.type);
    EXPECT_EQ(static_cast<DWORD>(SERVICE_SYSTEM_START), config.start);
    EXPECT_EQ(static_cast<DWORD>(SERVICE_ERROR_IGNORE), config.errorControl);
    EXPECT_EQ("System32\\DRIVERS\\Cdrom.sys", config.image);
    EXPECT_EQ("Cdrom", config.display);
}

TEST(CdromService, ServiceMarkedForDeletionCannotBeConfigured)
{
    ScopedCdromService fixture;
    ASSERT_TRUE(SeedCdromService(SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, "System32\\DRIVERS\\Cdrom.sys",
                                 "Cdrom"));
    // While a handle is open, a deleted service lingers and refuses changes.
    SC_HANDLE manager = ::OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    SC_HANDLE service = ::OpenServiceA(manager, "Cdrom", SERVICE_ALL_ACCESS);
    ASSERT_TRUE(::DeleteService(service));
    EXPECT_EQ(0, ConfigureCdromService("C:\\windows\\system32\\drivers\\Cdrom.sys"));
    ::CloseServiceHandle(service);
    ::CloseServiceHandle(manager);
    EXPECT_FALSE(QueryCdromService().exists);
}

TEST(CdromService, NoServiceHandleStaysOpen)
{
    ScopedCdromService fixture;
    ASSERT_EQ(1, ConfigureCdromService("C:\\windows\\system32\\drivers\\Cdrom.sys"));
    ASSERT_EQ(1, ConfigureCdromService("C:\\windows\\system32\\drivers\\Cdrom.sys"));
    // A deleted service goes only when its last handle is closed.
    EXPECT_TRUE(DeleteCdromService());
}
