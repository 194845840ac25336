// The version information of uibridge.dll as Windows shows it in the file's
// properties and as installers compare it: the fixed part and the texts of
// the translation that the file lists.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::string BridgePath()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir = path;
    return dir.substr(0, dir.find_last_of('\\') + 1) + "uibridge.dll";
}

class BridgeVersion : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string path = BridgePath();
        DWORD ignored = 0;
        const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &ignored);
        ASSERT_NE(0u, size) << path << ": error " << ::GetLastError();
        m_block.resize(size);
        ASSERT_TRUE(::GetFileVersionInfoA(path.c_str(), 0, size, m_block.data()));
    }

    // The value at that path of the block, or null.
    const void* Query(const char* subBlock, UINT* length = nullptr)
    {
        void* value = nullptr;
        UINT size = 0;
        if (!::VerQueryValueA(m_block.data(), subBlock, &value, &size))
            return nullptr;
        if (length)
            *length = size;
        return value;
    }

    std::vector<BYTE> m_block;
};

} // namespace

TEST_F(BridgeVersion, FixedPartNamesARegularNtLibraryOfVersion4)
{
    UINT length = 0;
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(Query("\\", &length));
    ASSERT_NE(nullptr, fixed);
    ASSERT_EQ(sizeof(VS_FIXEDFILEINFO), length);
    EXPECT_EQ(0xFEEF04BDu, fixed->dwSignature);
    EXPECT_EQ(MAKELONG(0, 4), fixed->dwFileVersionMS);
    EXPECT_EQ(0u, fixed->dwFileVersionLS);
    EXPECT_EQ(MAKELONG(0, 4), fixed->dwProductVersionMS);
    EXPECT_EQ(0u, fixed->dwProductVersionLS);
    EXPECT_EQ(static_cast<DWORD>(VFT_DLL), fixed->dwFileType);
    EXPECT_EQ(static_cast<DWORD>(VOS_NT_WINDOWS32), fixed->dwFileOS);
    // Not a debug, patched or pre-release build.
    EXPECT_EQ(0u, fixed->dwFileFlags & fixed->dwFileFlagsMask);
}

TEST_F(BridgeVersion, TextsOfTheListedTranslation)
{
    UINT length = 0;
    const auto* translation = static_cast<const WORD*>(Query("\\VarFileInfo\\Translation", &length));
    ASSERT_NE(nullptr, translation);
    ASSERT_GE(length, 2 * sizeof(WORD));
    EXPECT_EQ(0x0409, translation[0]);   // U.S. English
    EXPECT_EQ(1252, translation[1]);     // the ANSI code page of the texts
    char prefix[64];
    std::snprintf(prefix, sizeof prefix, "\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);

    const struct {
        const char* name;
        const char* text;
    } values[] = {
        { "FileDescription", "Recording user-interface bridge" },
        { "FileVersion", "4.0" },
        { "InternalName", "uibridge" },
        { "OriginalFilename", "uibridge.dll" },
        { "ProductName", "Ferl 4.0" },
        { "ProductVersion", "4.0" },
    };
    for (const auto& v : values) {
        const auto* text = static_cast<const char*>(Query((prefix + std::string(v.name)).c_str()));
        ASSERT_NE(nullptr, text) << v.name;
        EXPECT_STREQ(v.text, text) << v.name;
    }
}
