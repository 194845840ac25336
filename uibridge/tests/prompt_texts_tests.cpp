// The prompt's catalogue texts: overlong texts are cut to the prompt's
// buffers, and only a format with one %s receives the product title.
#include "PromptTexts.h"
#include "ferlapi.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
// The catalogue as a real engine may fill it: texts longer than the 32 bytes
// the prompt gives a label, written without regard to any buffer size.
const std::string kOverlongLabel(100, 'L');
const std::string kOverlongFormat = std::string(40, 'F') + "%s";
} // namespace

extern "C" int __cdecl ps_gmsg_get_string(char* pszBuffer, int, int nGroup, int nId)
{
    const char* text = "";
    if (nGroup == 3 && nId == TXT_OK)
        text = kOverlongLabel.c_str();
    else if (nGroup == 3 && nId == TXT_CAPTION_ERROR)
        text = kOverlongFormat.c_str();
    const size_t length = std::strlen(text);
    std::memcpy(pszBuffer, text, length + 1);
    return static_cast<int>(length);
}

TEST(PromptTexts, OverlongCatalogueTextsAreCutToTheLabelBuffer)
{
    EXPECT_EQ(std::string(31, 'L'), PromptText(TXT_OK).GetString());
    // Cut before it is used as a format, the %s is gone with the rest.
    EXPECT_EQ(std::string(31, 'F'), PromptText(TXT_CAPTION_ERROR).GetString());
    EXPECT_STREQ("", PromptText(TXT_NO));
}

TEST(PromptTexts, OnlyAFormatWithOnePercentSReceivesTheTitle)
{
    struct Case {
        const char* format;
        const char* caption;
    };
    const Case cases[] = {
        { "%s - Question", "Ferl 4.0 - Question" },
        { "Error in %s", "Error in Ferl 4.0" },
        { "%s: 100%% done", "Ferl 4.0: 100% done" },
        { "Warning", "Warning" },
        { "", "" },
        { "%s and %s", "%s and %s" },
        { "%s %d", "%s %d" },
        { "%n%s", "%n%s" },
        { "%-40s", "%-40s" },
        { "%S wide", "%S wide" },
        { "trailing %", "trailing %" },
        { "%s %", "%s %" },
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.caption, PromptCaption(c.format, "Ferl 4.0")) << "format \"" << c.format << "\"";
}

TEST(PromptTexts, ACaptionLongerThanItsBufferIsCut)
{
    const std::string format = std::string(31, 'x') + "%s";
    const std::string title(60, 't');
    EXPECT_EQ(std::string(31, 'x') + std::string(32, 't'), PromptCaption(format.c_str(), title.c_str()).GetString());
}
