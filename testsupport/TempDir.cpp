// TempDir and ScopedCurrentDirectory.
#include "TempDir.h"

#include <cstdio>

TempDir::TempDir(const char* name)
{
    char base[MAX_PATH];
    ::GetTempPathA(sizeof base, base);
    m_path = std::string(base) + name + "." + std::to_string(::GetCurrentProcessId());
    ::CreateDirectoryA(m_path.c_str(), nullptr);
}

TempDir::~TempDir()
{
    WIN32_FIND_DATAA data;
    HANDLE h = ::FindFirstFileA((m_path + "\\*").c_str(), &data);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string file = m_path + "\\" + data.cFileName;
            ::SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileA(file.c_str());
        } while (::FindNextFileA(h, &data));
        ::FindClose(h);
    }
    ::RemoveDirectoryA(m_path.c_str());
}

void TempDir::Write(const char* name, const std::string& content) const
{
    FILE* f = std::fopen(File(name).c_str(), "wb");
    if (!f)
        return;
    std::fwrite(content.data(), 1, content.size(), f);
    std::fclose(f);
}

ScopedCurrentDirectory::ScopedCurrentDirectory(const std::string& path)
{
    ::GetCurrentDirectoryA(sizeof m_saved, m_saved);
    ::SetCurrentDirectoryA(path.c_str());
}

ScopedCurrentDirectory::~ScopedCurrentDirectory()
{
    ::SetCurrentDirectoryA(m_saved);
}

std::string CurrentDirectory()
{
    char buf[MAX_PATH] = "";
    ::GetCurrentDirectoryA(sizeof buf, buf);
    return buf;
}
