// The configuration reader over small fixture files: which lines give
// identifiers and how they are cleaned, and what the user is told when the
// file cannot be read.
#include "ConfigReader.h"
#include "MessageBoxReader.h"
#include "TempDir.h"
#include "Texts.h"

#include <gtest/gtest.h>

namespace {

// The identifiers in front of the list; the rest must be the prepared
// empty entries.
std::vector<std::string> Identifiers(const CStringArray& list, int count)
{
    std::vector<std::string> out;
    for (int i = 0; i < count && i < list.GetSize(); ++i)
        out.emplace_back(list.GetAt(i));
    EXPECT_EQ(count + 20, list.GetSize());
    for (int i = count; i < list.GetSize(); ++i)
        EXPECT_STREQ("", list.GetAt(i)) << "entry " << i;
    return out;
}

// Runs the reader and reads and closes every box it shows.
int ReadWithBoxes(CStringArray& list, const char* path, std::vector<MessageBoxSeen>& boxes,
                  LineBufferSource source = HeapLineBuffer)
{
    ModalDriver driver({ ReadAndCloseBox("", &boxes) }, 5000);
    return ReadRecorderConfig(list, path, source);
}

std::unique_ptr<char[]> NoMemory(size_t)
{
    return nullptr;
}

} // namespace

TEST(ConfigReader, LinesGiveIdentifiersInFileOrder)
{
    TempDir dir("reader");
    const std::string a255(255, 'a');
    struct Case { const char* name; std::string content; std::vector<std::string> identifiers; };
    const Case cases[] = {
        { "headers, blank and indented lines", "[Drives]\n\n  VENDOR CDR\n[More]\r\n \tX\n", {} },
        { "last line without a line feed", "ABC", { "ABC" } },
        { "last line with a line feed", "ABC\n", { "ABC" } },
        { "space in front of a comment stays", "ABC ;comment\n", { "ABC " } },
        { "first semicolon ends it", "ID;one;two\n", { "ID" } },
        { "comment line gives the empty identifier", ";comment\nB\n", { "", "B" } },
        { "tab-led line is an identifier", "\tTAB\n", { "\tTAB" } },
        { "300 characters split at 255", a255 + std::string(45, 'b') + "\n", { a255, std::string(45, 'b') } },
        { "second piece led by a space is skipped", a255 + " " + std::string(44, 'b') + "\n", { a255 } },
        { "255 characters and the line feed", a255 + "\nC\n", { a255, "C" } },
        { "CR LF as LF", "ONE\r\nTWO;x\r\n[S]\r\n\r\n", { "ONE", "TWO" } },
        { "a lone carriage return stays", "A\rB\n", { "A\rB" } },
        { "a NUL first is an empty line", std::string("\0ABC\n", 5), {} },
        { "order and repeats kept", "B\nA\nB\n", { "B", "A", "B" } },
        { "Ctrl+Z ends the file", "A\n\x1A" "B\n", { "A" } },
        { "empty file", "", {} },
    };
    for (const Case& c : cases) {
        dir.Write("FerlCdr.cfg", c.content);
        CStringArray list;
        std::vector<MessageBoxSeen> boxes;
        const int count = ReadWithBoxes(list, dir.File("FerlCdr.cfg").c_str(), boxes);
        EXPECT_EQ(static_cast<int>(c.identifiers.size()), count) << c.name;
        EXPECT_EQ(c.identifiers, Identifiers(list, count)) << c.name;
        EXPECT_TRUE(boxes.empty()) << c.name;
    }
}

TEST(ConfigReader, FileThatCannotBeReadIsToldWithoutOwner)
{
    TempDir dir("reader-closed");
    dir.Write("FerlCdr.cfg", "A\n");
    const std::string path = dir.File("FerlCdr.cfg");
    struct Case { const char* name; std::string path; bool held; LineBufferSource source; const char* text; };
    const Case cases[] = {
        { "missing", dir.File("missing.cfg"), false, HeapLineBuffer, texts::kConfigOpenFailed },
        { "open elsewhere, even for reading", path, true, HeapLineBuffer, texts::kConfigOpenFailed },
        { "no memory for the line", path, false, NoMemory, texts::kConfigNoMemory },
    };
    for (const Case& c : cases) {
        HANDLE other = INVALID_HANDLE_VALUE;
        if (c.held)
            other = ::CreateFileA(c.path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        CStringArray list;
        std::vector<MessageBoxSeen> boxes;
        EXPECT_EQ(0, ReadWithBoxes(list, c.path.c_str(), boxes, c.source)) << c.name;
        EXPECT_EQ(20, list.GetSize()) << c.name;
        ASSERT_EQ(1u, boxes.size()) << c.name;
        EXPECT_EQ(c.text, boxes[0].text) << c.name;
        EXPECT_EQ(texts::kCaption, boxes[0].caption) << c.name;
        EXPECT_EQ(nullptr, boxes[0].owner) << c.name;
        EXPECT_TRUE(boxes[0].systemModal) << c.name;
        EXPECT_EQ(IDI_ASTERISK, boxes[0].icon) << c.name;
        if (other != INVALID_HANDLE_VALUE)
            ::CloseHandle(other);
        // The reader let go of the file: it opens exclusively again.
        HANDLE again = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_NE(INVALID_HANDLE_VALUE, again) << c.name;
        ::CloseHandle(again);
    }
}

TEST(ConfigReader, ReadErrorPassesThroughAndReleasesTheFile)
{
    // Reading Z:\proc\self\mem fails under Wine (see the framework's tests).
    const char* path = "Z:\\proc\\self\\mem";
    CStringArray list;
    EXPECT_THROW(ReadRecorderConfig(list, path), CFileException);
    HANDLE again = ::CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, again);
    ::CloseHandle(again);
}
