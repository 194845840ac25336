// RegKey: owns one open registry key and closes it on every path.
#pragma once

#include <windows.h>

class RegKey {
public:
    RegKey() = default;
    explicit RegKey(HKEY hKey) : m_hKey(hKey) {}
    ~RegKey() { Close(); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    RegKey(RegKey&& other) noexcept : m_hKey(other.Release()) {}
    RegKey& operator=(RegKey&& other) noexcept
    {
        if (this != &other) {
            Close();
            m_hKey = other.Release();
        }
        return *this;
    }

    HKEY Get() const { return m_hKey; }
    HKEY* Put() { Close(); return &m_hKey; }
    explicit operator bool() const { return m_hKey != nullptr; }
    HKEY Release() { HKEY h = m_hKey; m_hKey = nullptr; return h; }
    void Close()
    {
        if (m_hKey) {
            ::RegCloseKey(m_hKey);
            m_hKey = nullptr;
        }
    }

private:
    HKEY m_hKey = nullptr;
};
