// The parts of the simulated machine that Install and Uninstall change: the
// Cdrom service (with its key) and the driver images in system32\drivers. The
// fixtures leave them as they found them.
#pragma once

#include <windows.h>

#include <map>
#include <string>

// Removes the Cdrom service and its key around a test. A key written by hand
// is invisible to the service manager, so both are cleared.
class ScopedCdromService {
public:
    ScopedCdromService();
    ~ScopedCdromService();
    ScopedCdromService(const ScopedCdromService&) = delete;
    ScopedCdromService& operator=(const ScopedCdromService&) = delete;
};

// Deletes the Cdrom service; true when it is gone at once, which it is only
// when no handle to it is left open anywhere (a deleted service lives on,
// marked for deletion, until its last handle is closed).
bool DeleteCdromService();

// Registers Cdrom as the stock system has it, with the given start type.
bool SeedCdromService(DWORD startType, DWORD errorControl, const char* imagePath, const char* displayName);

struct ServiceConfig {
    bool exists = false;
    DWORD type = 0;
    DWORD start = 0;
    DWORD errorControl = 0;
    std::string image;
    std::string display;
    std::string group;
};
ServiceConfig QueryCdromService();

// The real system32\drivers of the prefix: Cdrom.sys and Cdrom.org are put
// aside for the test and put back afterwards.
class ScopedDriverDirectory {
public:
    ScopedDriverDirectory();
    ~ScopedDriverDirectory();
    ScopedDriverDirectory(const ScopedDriverDirectory&) = delete;
    ScopedDriverDirectory& operator=(const ScopedDriverDirectory&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const char* name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
    std::map<std::string, std::string> m_saved;   // name -> content
};

std::string DriverDirectory();

// The bytes of a file, or "(none)" when it cannot be read.
std::string FileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& content);
