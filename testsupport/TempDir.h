// TempDir: a fresh directory under the temp folder, removed with its files;
// CurrentDirectory: restores the process's current directory.
#pragma once

#include <windows.h>

#include <string>

class TempDir {
public:
    explicit TempDir(const char* name);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const char* name) const { return m_path + "\\" + name; }
    void Write(const char* name, const std::string& content) const;

private:
    std::string m_path;
};

class ScopedCurrentDirectory {
public:
    explicit ScopedCurrentDirectory(const std::string& path);
    ~ScopedCurrentDirectory();
    ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
    ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

private:
    char m_saved[MAX_PATH];
};

std::string CurrentDirectory();
