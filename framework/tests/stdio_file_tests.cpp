// CStdioFile under Wine: lines and pieces of lines, text-mode line ends, the
// exclusive open, and a read error raised as CFileException; CStringArray.
#include "framework.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// A file of the given bytes in the temp folder, deleted afterwards.
class ScratchFile {
public:
    explicit ScratchFile(const std::string& content)
    {
        char dir[MAX_PATH];
        ::GetTempPathA(sizeof dir, dir);
        m_path = std::string(dir) + "stdio-file." + std::to_string(::GetCurrentProcessId());
        FILE* f = std::fopen(m_path.c_str(), "wb");
        std::fwrite(content.data(), 1, content.size(), f);
        std::fclose(f);
    }
    ~ScratchFile() { ::DeleteFileA(m_path.c_str()); }
    const char* Path() const { return m_path.c_str(); }

private:
    std::string m_path;
};

// Every piece ReadString hands out until the end, as strings.
std::vector<std::string> ReadAll(CStdioFile& file, UINT nMax)
{
    std::vector<std::string> pieces;
    std::vector<char> buffer(nMax + 1, '\xBD');
    while (const char* p = file.ReadString(buffer.data(), nMax)) {
        pieces.emplace_back(p);
        if (pieces.size() > 100)
            break;
    }
    return pieces;
}

// Holds a file open as another program would, sharing it fully.
HANDLE OpenShared(const char* path)
{
    return ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
}

const UINT kText = CFile::typeText | CFile::modeRead | CFile::shareCompat;

} // namespace

TEST(StdioFile, ReadStringHandsOutLinesAndPieces)
{
    const std::string x511(511, 'x');
    struct Case { const char* name; std::string content; UINT flags; UINT nMax; std::vector<std::string> pieces; };
    const Case cases[] = {
        { "CR LF arrives as LF", "ab\r\ncd", kText, 256, { "ab\n", "cd" } },
        { "a lone CR is text", "a\rb\n", kText, 256, { "a\rb\n" } },
        { "CR at the end of the file", "a\r", kText, 256, { "a\r" } },
        { "CR LF across the read buffer", x511 + "\r\ny", kText, 1024, { x511 + "\n", "y" } },
        { "at most nMax - 1 characters", "abcdef\n", kText, 4, { "abc", "def", "\n" } },
        { "Ctrl+Z ends the text", "a\n\x1A" "b\n", kText, 256, { "a\n" } },
        { "empty file", "", kText, 256, {} },
        { "binary mode keeps CR LF", "a\r\n", CFile::modeRead, 256, { "a\r\n" } },
    };
    for (const Case& c : cases) {
        ScratchFile scratch(c.content);
        CStdioFile file;
        ASSERT_TRUE(file.Open(scratch.Path(), c.flags)) << c.name;
        EXPECT_EQ(c.pieces, ReadAll(file, c.nMax)) << c.name;
    }
}

TEST(StdioFile, OpensOnlyWhenNoOtherHandleIsOpen)
{
    ScratchFile scratch("x\n");
    HANDLE other = OpenShared(scratch.Path());
    ASSERT_NE(INVALID_HANDLE_VALUE, other);
    {
        CStdioFile file;
        EXPECT_FALSE(file.Open(scratch.Path(), kText));
    }
    ::CloseHandle(other);
    {
        CStdioFile file;
        ASSERT_TRUE(file.Open(scratch.Path(), kText));
        // Open for as long as the object lives, and exclusively.
        EXPECT_EQ(INVALID_HANDLE_VALUE, OpenShared(scratch.Path()));
    }
    other = OpenShared(scratch.Path());
    EXPECT_NE(INVALID_HANDLE_VALUE, other);
    ::CloseHandle(other);

    CStdioFile missing;
    EXPECT_FALSE(missing.Open("C:\\no such folder\\FerlCdr.cfg", kText));
}

TEST(StdioFile, ReadErrorRaisesAFileExceptionWithThePath)
{
    // Under Wine, Z:\proc\self\mem opens, and reading its first bytes fails
    // (address 0 is never mapped): an honest read error.
    const char* path = "Z:\\proc\\self\\mem";
    CStdioFile file;
    ASSERT_TRUE(file.Open(path, kText));
    char buffer[256];
    try {
        file.ReadString(buffer, sizeof buffer);
        ADD_FAILURE() << "no exception";
    } catch (const CFileException& e) {
        EXPECT_EQ(CFileException::generic, e.m_cause);
        EXPECT_NE(0, e.m_lOsError);
        EXPECT_EQ(path, std::string(e.m_strFileName));
    }
}

TEST(StringArray, SetSizeAndInsertAt)
{
    CStringArray list;
    list.SetSize(3, 1);
    list.InsertAt(0, "b");
    list.InsertAt(0, "a");
    list.InsertAt(2, "c");
    list.InsertAt(8, "z");   // past the end: empty entries fill the gap
    ASSERT_EQ(9, list.GetSize());
    const char* expected[] = { "a", "b", "c", "", "", "", "", "", "z" };
    for (int i = 0; i < list.GetSize(); ++i)
        EXPECT_STREQ(expected[i], list.GetAt(i)) << i;
    list.SetSize(1);
    EXPECT_EQ(1, list.GetSize());
    EXPECT_STREQ("a", list.GetAt(0));
}
