// The RegisteredCDR list as the tests seed and read it; the stock driver image.
#include "Machine.h"

#include "RegistryFixture.h"

#include <gtest/gtest.h>

namespace {

std::string EntryPath(const std::string& name)
{
    return kListPath + "\\" + name;
}

} // namespace

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

std::string StockImage()
{
    std::string bytes;
    for (int round = 0; round < 16; ++round)
        for (int b = 0; b < 256; ++b)
            bytes += static_cast<char>(b);
    return bytes;
}
