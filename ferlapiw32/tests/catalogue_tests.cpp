// The catalogue stand-in: the texts the bridge asks for, the empty text for
// anything else, and never a byte beyond the callers' buffers.
#include "ferlapi.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// A poisoned buffer of the caller's size with guard bytes after it.
struct CallerBuffer {
    explicit CallerBuffer(size_t size) : size(size) { std::memset(bytes, 0xbd, sizeof bytes); }
    bool GuardIntact() const
    {
        for (size_t i = size; i < sizeof bytes; ++i) {
            if (static_cast<unsigned char>(bytes[i]) != 0xbd)
                return false;
        }
        return true;
    }
    size_t size;
    char bytes[256];
};

} // namespace

TEST(Catalogue, TextsByGroupAndIdWithinTheCallersBuffers)
{
    struct Case { int group; int id; const char* text; };
    const Case cases[] = {
        { 3, 81, "OK" }, { 3, 82, "Cancel" }, { 3, 83, "Yes" }, { 3, 84, "No" }, { 3, 90, "Yes to All" },
        { 3, 104, "%s - Warning" }, { 3, 105, "%s - Error" }, { 3, 106, "%s - Information" },
        { 3, 107, "%s - Question" }, { 5, 2, "Operation interrupted by the user." },
        { 3, 2, "" }, { 5, 81, "" }, { 3, 0, "" }, { 4, 2, "" }, { 0, 0, "" }, { -1, -1, "" },
    };
    for (const Case& c : cases) {
        CallerBuffer buffer(c.group == 5 ? 128 : 32);
        const int length = ps_gmsg_get_string(buffer.bytes, 0, c.group, c.id);
        EXPECT_STREQ(c.text, buffer.bytes) << c.group << "/" << c.id;
        EXPECT_EQ(static_cast<int>(std::strlen(c.text)), length) << c.group << "/" << c.id;
        EXPECT_TRUE(buffer.GuardIntact()) << c.group << "/" << c.id;
    }
}
