// ServiceHandle: owns one handle of the service control manager or of a
// service and closes it on every path.
#pragma once

#include <windows.h>

class ServiceHandle {
public:
    explicit ServiceHandle(SC_HANDLE hService = nullptr) : m_hService(hService) {}
    ~ServiceHandle()
    {
        if (m_hService)
            ::CloseServiceHandle(m_hService);
    }
    ServiceHandle(const ServiceHandle&) = delete;
    ServiceHandle& operator=(const ServiceHandle&) = delete;

    SC_HANDLE Get() const { return m_hService; }
    explicit operator bool() const { return m_hService != nullptr; }

private:
    SC_HANDLE m_hService;
};
