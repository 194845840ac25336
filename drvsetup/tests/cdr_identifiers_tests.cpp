// CD-R identifier registration against the real registry of the test
// prefix: what is stored, under which numbers, and what removal leaves.
#include "CdrIdentifiers.h"
#include "Machine.h"
#include "ProcessResources.h"
#include "RegistryFixture.h"

#include <gtest/gtest.h>

namespace {

CStringArray List(const std::vector<std::string>& identifiers)
{
    CStringArray list;
    list.SetSize(20, 1);
    for (size_t i = 0; i < identifiers.size(); ++i)
        list.InsertAt(static_cast<int>(i), identifiers[i].c_str());
    return list;
}

const std::string k30(30, 'R');

} // namespace

TEST(CdrIdentifiers, RegisterStoresEachIdentifierOnceAndOverwritesNothing)
{
    struct Case {
        const char* name;
        bool listKey;
        Entries before;
        std::vector<std::string> list;
        int count;
        Entries after;
    };
    const Case cases[] = {
        { "stored A, B; list A, C", true, { { "0", "A" }, { "1", "B" } }, { "A", "C" }, 2,
          { { "0", "A" }, { "1", "B" }, { "2", "C" } } },
        { "no list yet; A listed twice", false, {}, { "A", "A" }, 2, { { "0", "A" } } },
        { "letter case counts", true, { { "0", "abc" } }, { "ABC" }, 1, { { "0", "abc" }, { "1", "ABC" } } },
        { "30 characters on a second Install", true, { { "0", k30 } }, { k30 }, 1, { { "0", k30 } } },
        { "255 characters", false, {}, { std::string(255, 'L'), std::string(255, 'L') }, 2,
          { { "0", std::string(255, 'L') } } },
        { "the empty identifier", false, {}, { "" }, 1, { { "0", "" } } },
        { "a stored empty identifier is present", true, { { "0", "" } }, { "" }, 1, { { "0", "" } } },
        { "gap: entry 2 is neither overwritten nor stored again", true, { { "0", "A" }, { "2", "B" } },
          { "C", "B", "D" }, 3, { { "0", "A" }, { "2", "B" }, { "3", "C" }, { "4", "D" } } },
        { "count 0 creates the list key only", false, {}, { "A" }, 0, {} },
        { "only the first count entries", false, {}, { "A", "B" }, 1, { { "0", "A" } } },
    };
    for (const Case& c : cases) {
        ScopedCdromKey fixture(true);
        if (c.listKey)
            SeedEntries(c.before);
        EXPECT_EQ(1, RegisterCdrIdentifiers(List(c.list), c.count)) << c.name;
        EXPECT_TRUE(KeyExists(kListPath.c_str())) << c.name;
        EXPECT_EQ(c.after, StoredEntries()) << c.name;
    }
}

TEST(CdrIdentifiers, RegisterWithoutTheServiceKeyWritesNothing)
{
    ScopedCdromKey fixture(false);
    EXPECT_EQ(0, RegisterCdrIdentifiers(List({ "A" }), 1));
    EXPECT_FALSE(KeyExists(kCdromKeyPath));
}

TEST(CdrIdentifiers, RemoveDeletesTheNumberedEntriesAndTheList)
{
    struct Case {
        const char* name;
        bool listKey;
        Entries before;
        int result;
        bool listAfter;
        Entries after;
    };
    const Case cases[] = {
        { "entries 0 and 1", true, { { "0", "A" }, { "1", "B" } }, 1, false, {} },
        { "empty list key", true, {}, 1, false, {} },
        { "no list key", false, {}, 0, false, {} },
        { "gap: entries above it stay", true, { { "0", "A" }, { "2", "C" } }, 0, true, { { "2", "C" } } },
    };
    for (const Case& c : cases) {
        ScopedCdromKey fixture(true);
        if (c.listKey)
            SeedEntries(c.before);
        EXPECT_EQ(c.result, RemoveCdrIdentifiers()) << c.name;
        EXPECT_EQ(c.listAfter, KeyExists(kListPath.c_str())) << c.name;
        EXPECT_EQ(c.after, StoredEntries()) << c.name;
        EXPECT_TRUE(KeyExists(kCdromKeyPath)) << c.name;
    }
    ScopedCdromKey fixture(false);
    EXPECT_EQ(0, RemoveCdrIdentifiers());
}

TEST(CdrIdentifiers, NoKeyStaysOpen)
{
    ScopedCdromKey fixture(true);
    SeedEntries({ { "0", "A" } });
    RegisterCdrIdentifiers(List({ "A" }), 1);
    const DWORD before = ProcessHandleCount();
    ASSERT_NE(0u, before);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(1, RegisterCdrIdentifiers(List({ "A", "B", "C" }), 3));
        EXPECT_EQ(1, RemoveCdrIdentifiers());
    }
    EXPECT_EQ(before, ProcessHandleCount());
}
