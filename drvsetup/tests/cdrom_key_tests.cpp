// The Cdrom service key against the real registry of the test prefix.
#include "CdromKey.h"
#include "ProcessResources.h"
#include "RegistryFixture.h"

#include <gtest/gtest.h>

namespace {
const std::string kListPath = std::string(kCdromKeyPath) + "\\RegisteredCDR";
std::string Dword(DWORD v) { return std::string(reinterpret_cast<const char*>(&v), sizeof v); }
} // namespace

TEST(CdromKey, WithoutTheKeyEverythingReadsAsAbsent)
{
    ScopedCdromKey fixture(false);
    EXPECT_EQ(nullptr, OpenCdromKey());
    EXPECT_EQ(0, WriteAutorun(1));
    EXPECT_EQ(0, ReadAutorun());
    EXPECT_EQ(0, HasRegisteredCdr());
    EXPECT_FALSE(KeyExists(kCdromKeyPath));   // never created here
}

TEST(CdromKey, WriteAutorunStoresADwordOfZeroOrOne)
{
    ScopedCdromKey fixture(true);
    struct Case { int enable; DWORD stored; };
    for (const Case& c : { Case{ 1, 1 }, Case{ 5, 1 }, Case{ -1, 1 }, Case{ 0, 0 } }) {
        EXPECT_EQ(1, WriteAutorun(c.enable)) << c.enable;
        StoredValue v = ReadValue(kCdromKeyPath, "Autorun");
        EXPECT_EQ(static_cast<DWORD>(REG_DWORD), v.type) << c.enable;
        EXPECT_EQ(Dword(c.stored), v.data) << c.enable;
        EXPECT_EQ(c.stored ? 1 : 0, ReadAutorun()) << c.enable;
    }
}

TEST(CdromKey, ReadAutorunTakesAnyNonZeroValueAsOn)
{
    ScopedCdromKey fixture(true);
    EXPECT_EQ(0, ReadAutorun());   // no value
    struct Case { DWORD type; std::string bytes; int expected; };
    const Case cases[] = {
        { REG_DWORD, Dword(5), 1 },
        { REG_DWORD, Dword(0), 0 },
        { REG_BINARY, std::string("\0\0\1", 3), 1 },   // type not examined
        { REG_SZ, std::string("\0", 1), 0 },
        { REG_BINARY, std::string(8, '\1'), 0 },         // too long: the query fails, reads as off
    };
    for (const Case& c : cases) {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kCdromKeyPath, 0, KEY_ALL_ACCESS, &key));
        RegSetValueExA(key, "Autorun", 0, c.type, reinterpret_cast<const BYTE*>(c.bytes.data()),
                       static_cast<DWORD>(c.bytes.size()));
        RegCloseKey(key);
        EXPECT_EQ(c.expected, ReadAutorun()) << c.type << " " << c.bytes.size();
    }
}

TEST(CdromKey, RegisteredCdrPresenceNeedsOnlyTheKey)
{
    ScopedCdromKey fixture(true);
    EXPECT_EQ(0, HasRegisteredCdr());
    ASSERT_TRUE(CreateKey(kListPath.c_str()));
    EXPECT_EQ(1, HasRegisteredCdr());   // no entries yet
}

TEST(CdromKey, NoKeyStaysOpen)
{
    ScopedCdromKey fixture(true);
    ASSERT_TRUE(CreateKey(kListPath.c_str()));
    // Warm up once so lazily opened handles of the registry layer are counted.
    ReadAutorun();
    const DWORD before = ProcessHandleCount();
    ASSERT_NE(0u, before);
    for (int i = 0; i < 20; ++i) {
        WriteAutorun(i & 1);
        ReadAutorun();
        HasRegisteredCdr();
        RegCloseKey(OpenCdromKey());
    }
    EXPECT_EQ(before, ProcessHandleCount());
}
