// The driver image files in a temporary directory: backup, copy, restore,
// and joining a directory and a file name.
#include "DriverImage.h"
#include "Machine.h"
#include "PathJoin.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

const DWORD kSpecialAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// Run as root under Wine, a read-only file does not stop a copy onto it (root
// ignores permissions); a file held open without sharing does, as on Windows.
class HeldOpen {
public:
    explicit HeldOpen(const std::string& path)
        : m_handle(::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr))
    {
    }
    ~HeldOpen()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(m_handle);
    }
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;
    bool Holds() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

// Writes or removes one file of the directory: null content removes it.
void Place(const TempDir& dir, const char* name, const char* content)
{
    const std::string path = dir.File(name);
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(path.c_str());
    if (content)
        dir.Write(name, content);
}

const char* const kNone = "(none)";

} // namespace

TEST(DriverImage, BackupNeverReplacesAnExistingBackup)
{
    TempDir dir("image-backup");
    struct Case { const char* name; const char* image; const char* backup; bool trailingSlash; int result; const char* after; };
    const Case cases[] = {
        { "image, no backup", "STOCK", nullptr, false, 1, "STOCK" },
        { "directory ending in a backslash", "STOCK", nullptr, true, 1, "STOCK" },
        { "backup already there", "REPLACEMENT", "STOCK", false, 0, "STOCK" },
        { "no image, no backup", nullptr, nullptr, false, 0, kNone },
    };
    for (const Case& c : cases) {
        Place(dir, "Cdrom.sys", c.image);
        Place(dir, "Cdrom.org", c.backup);
        const std::string directory = dir.Path() + (c.trailingSlash ? "\\" : "");
        EXPECT_EQ(c.result, BackupDriverImage(directory.c_str())) << c.name;
        EXPECT_EQ(c.after, FileBytes(dir.File("Cdrom.org"))) << c.name;
        EXPECT_EQ(c.image ? c.image : kNone, FileBytes(dir.File("Cdrom.sys"))) << c.name;
    }
    EXPECT_EQ(0, BackupDriverImage(nullptr));
}

TEST(DriverImage, CopyOverwritesAnyImageAndLeavesItNormal)
{
    TempDir dir("image-copy");
    dir.Write("new.sys", "REPLACEMENT");
    const std::string destination = dir.File("Cdrom.sys");
    struct Case { const char* name; const char* before; DWORD attributes; bool held; const char* source; int result; const char* after; };
    const Case cases[] = {
        { "no image yet", nullptr, 0, false, "new.sys", 1, "REPLACEMENT" },
        { "read-only, hidden, system image", "STOCK", kSpecialAttributes, false, "new.sys", 1, "REPLACEMENT" },
        { "image held open", "STOCK", 0, true, "new.sys", 0, "STOCK" },
        { "no source", "STOCK", 0, false, "missing.sys", 0, "STOCK" },
    };
    for (const Case& c : cases) {
        Place(dir, "Cdrom.sys", c.before);
        if (c.attributes)
            ::SetFileAttributesA(destination.c_str(), c.attributes);
        {
            HeldOpen held(c.held ? destination : std::string());
            ASSERT_EQ(c.held, held.Holds()) << c.name;
            EXPECT_EQ(c.result, CopyDriverFile(destination.c_str(), dir.File(c.source).c_str())) << c.name;
        }
        EXPECT_EQ(c.after, FileBytes(destination)) << c.name;
        if (c.result == 1) {
            EXPECT_EQ(0u, ::GetFileAttributesA(destination.c_str()) & kSpecialAttributes) << c.name;
        }
    }
    EXPECT_EQ(0, CopyDriverFile(nullptr, dir.File("new.sys").c_str()));
    EXPECT_EQ(0, CopyDriverFile(destination.c_str(), nullptr));
}

TEST(DriverImage, RestoreCopiesTheBackupBackAndKeepsIt)
{
    TempDir dir("image-restore");
    struct Case { const char* name; const char* backup; DWORD backupAttributes; bool held; int result; const char* image; };
    const Case cases[] = {
        { "backup there", "STOCK", 0, false, 1, "STOCK" },
        { "hidden read-only backup", "STOCK", kSpecialAttributes, false, 1, "STOCK" },
        { "no backup", nullptr, 0, false, 0, "REPLACEMENT" },
        { "image held open", "STOCK", 0, true, 0, "REPLACEMENT" },
    };
    for (const Case& c : cases) {
        Place(dir, "Cdrom.sys", "REPLACEMENT");
        Place(dir, "Cdrom.org", c.backup);
        if (c.backupAttributes)
            ::SetFileAttributesA(dir.File("Cdrom.org").c_str(), c.backupAttributes);
        {
            HeldOpen held(c.held ? dir.File("Cdrom.sys") : std::string());
            ASSERT_EQ(c.held, held.Holds()) << c.name;
            EXPECT_EQ(c.result, RestoreDriverImage(dir.Path().c_str())) << c.name;
        }
        EXPECT_EQ(c.image, FileBytes(dir.File("Cdrom.sys"))) << c.name;
        EXPECT_EQ(c.backup ? c.backup : kNone, FileBytes(dir.File("Cdrom.org"))) << c.name;
        EXPECT_EQ(c.backup != nullptr, DriverBackupExists(dir.Path().c_str())) << c.name;
        if (c.backup) {
            EXPECT_EQ(0u, ::GetFileAttributesA(dir.File("Cdrom.org").c_str()) & kSpecialAttributes) << c.name;
        }
    }
    EXPECT_EQ(0, RestoreDriverImage(nullptr));
}

TEST(PathJoin, OneBackslashBetweenDirectoryAndName)
{
    struct Case { const char* directory; const char* joined; };
    const Case cases[] = {
        { "C:\\WINNT\\system32\\drivers", "C:\\WINNT\\system32\\drivers\\Cdrom.sys" },
        { "C:\\", "C:\\Cdrom.sys" },
        { "", "\\Cdrom.sys" },
    };
    for (const Case& c : cases) {
        char out[MAX_PATH];
        ASSERT_TRUE(JoinPath(out, sizeof out, c.directory, "Cdrom.sys")) << c.directory;
        EXPECT_STREQ(c.joined, out);
    }

    char inPlace[MAX_PATH] = "C:\\WINNT";
    ASSERT_TRUE(JoinPath(inPlace, sizeof inPlace, inPlace, "system32\\drivers"));
    EXPECT_STREQ("C:\\WINNT\\system32\\drivers", inPlace);

    // "C:\ab" and "\x" take 8 characters with the NUL.
    char small[8] = "kept";
    EXPECT_FALSE(JoinPath(small, 7, "C:\\ab", "x"));
    EXPECT_STREQ("kept", small);
    EXPECT_TRUE(JoinPath(small, 8, "C:\\ab", "x"));
    EXPECT_STREQ("C:\\ab\\x", small);
}
