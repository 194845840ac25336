// CString: null pointers, formatting, the one-argument template.
#include "CString.h"

#include <gtest/gtest.h>

TEST(CString, NullPointerIsTheEmptyText)
{
    CString fromNull(static_cast<const char*>(nullptr));
    EXPECT_TRUE(fromNull.IsEmpty());
    EXPECT_STREQ("", static_cast<const char*>(fromNull));

    CString s("abc");
    s = static_cast<const char*>(nullptr);
    EXPECT_EQ(0, s.GetLength());
    s += static_cast<const char*>(nullptr);
    EXPECT_STREQ("", s.GetString());
}

TEST(CString, FormatGrowsToAnyLength)
{
    CString s;
    s.Format("%s-%d", std::string(5000, 'x').c_str(), 42);
    EXPECT_EQ(5003, s.GetLength());
    EXPECT_STREQ("-42", s.GetString() + 5000);
}

TEST(CString, TemplateArgumentIsNeverAFormat)
{
    struct Case { const char* tmpl; const char* arg; const char* expected; };
    const Case cases[] = {
        { "An unknown error occurred while accessing %1.", "C:\\a.cfg", "An unknown error occurred while accessing C:\\a.cfg." },
        { "%1", "%s%n%1", "%s%n%1" },
        { "no insert", "x", "no insert" },
        { "%1 and %1", nullptr, " and " },
        { "100%", "x", "100%" },
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.expected, FormatString1(c.tmpl, c.arg).GetString()) << c.tmpl;
}
