// uibridge.dll loaded by name as a front end loads it: every export at its
// ordinal and under its name, nothing at the other ordinals, and a library
// that starts with nothing bound and no interrupt requested.
#include "ExportTable.h"

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

namespace {

class LoadedBridge : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_module = ::LoadLibraryA("uibridge.dll");
        ASSERT_NE(nullptr, m_module) << "error " << ::GetLastError();
    }
    void TearDown() override
    {
        if (m_module)
            ::FreeLibrary(m_module);
    }
    FARPROC ByName(const char* name) const { return ::GetProcAddress(m_module, name); }
    FARPROC ByOrdinal(int ordinal) const
    {
        return ::GetProcAddress(m_module, MAKEINTRESOURCEA(ordinal));
    }
    // The export under that name, typed as its caller declares it.
    template <typename Function>
    Function Export(const char* name) const
    {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(ByName(name)));
    }

    HMODULE m_module = nullptr;
};

const ExportEntry* EntryAt(int ordinal)
{
    for (const ExportEntry& e : kExportTable) {
        if (e.ordinal == ordinal)
            return &e;
    }
    return nullptr;
}

} // namespace

TEST_F(LoadedBridge, EveryExportIsFoundByNameAndByItsOrdinal)
{
    for (const ExportEntry& e : kExportTable) {
        const FARPROC byName = ByName(e.name);
        EXPECT_NE(nullptr, byName) << e.name;
        EXPECT_EQ(byName, ByOrdinal(e.ordinal)) << e.name << " at " << e.ordinal;
    }
}

TEST_F(LoadedBridge, OrdinalsOutsideTheTableCarryNothing)
{
    // 13-30, 47-60 and 65-70 stay empty.
    for (int ordinal = 1; ordinal <= kLastOrdinal + 10; ++ordinal) {
        if (!EntryAt(ordinal)) {
            EXPECT_EQ(nullptr, ByOrdinal(ordinal)) << "ordinal " << ordinal;
        }
    }
    EXPECT_EQ(nullptr, ByName("DisplayStatus@8"));
    EXPECT_EQ(nullptr, ByName("AddLogLine"));
    EXPECT_EQ(nullptr, ByName("PumpOneMessage"));
}

TEST_F(LoadedBridge, StartsWithEverySlotEmptyAndNoInterrupt)
{
    using Getter = void* (WINAPI*)();
    for (const ExportEntry& e : kExportTable) {
        if (std::string(e.name).rfind("mf_Get", 0) != 0)
            continue;
        auto get = Export<Getter>(e.name);
        ASSERT_NE(nullptr, get) << e.name;
        EXPECT_EQ(nullptr, get()) << e.name;
    }
    using Flag = int (WINAPI*)();
    auto set = Export<Flag>("SetUserInterrupt");
    ASSERT_NE(nullptr, set);
    EXPECT_EQ(0, set());
}
