// RecorderConfig: the WIN.INI lookup, the probe and the location order.
#include "RecorderConfig.h"

#include "FindHandle.h"
#include "Texts.h"

#include <cstring>

RecorderConfigRecord RecorderConfig;

namespace {

struct Section {
    const char* name;
    bool acceptEmpty;   // the last section passes an empty value over
};

// One section per language of the recording software, in code page 1252
// ("\xFC" is the u with diaeresis).
const Section kSections[] = {
    { "Ferl for Windows NT", true },
    { "Ferl f\xFCr Windows NT", true },
    { "Ferl pour Windows NT", true },
    { "Ferl para Windows NT", false },
};

} // namespace

bool ReadRecorderDirectory(char* buffer)
{
    for (const Section& section : kSections) {
        DWORD n = ::GetPrivateProfileStringA(section.name, "FERLDIR", "?", buffer, 255, "WIN.INI");
        // The default "?" is one character: a missing key reads as n = 1.
        const bool accepted = section.acceptEmpty ? n != 1 : n > 1;
        if (accepted)
            return true;
    }
    return false;
}

int ProbeConfigFile(char* buffer)
{
    size_t len = std::strlen(buffer);
    const bool needsSeparator = len == 0 || buffer[len - 1] != '\\';
    const size_t nameLen = std::strlen(texts::kConfigFileName);
    // A name that would not fit the record counts as not found and leaves
    // the directory as it was.
    if (len + (needsSeparator ? 1 : 0) + nameLen > kMaxConfigPath)
        return -1;
    if (needsSeparator)
        std::strcat(buffer, "\\");
    std::strcat(buffer, texts::kConfigFileName);
    return EntryExists(buffer) ? 0 : -1;
}

void LocateRecorderConfig()
{
    char* path = RecorderConfig.path;
    RecorderConfig.valid = 0;
    if (ReadRecorderDirectory(path)) {
        if (ProbeConfigFile(path) != -1)
            RecorderConfig.valid = 1;
        else
            path[0] = '\0';
    } else {
        path[0] = '\0';
    }

    if (path[0] == '\0') {
        DWORD n = ::GetCurrentDirectoryA(241, path);
        if (n != 0 && n < 241 && ProbeConfigFile(path) != -1)
            RecorderConfig.valid = 1;
        else
            path[0] = '\0';
    }

    if (path[0] == '\0' || !RecorderConfig.valid) {
        std::strcpy(path, texts::kConfigNotFound);
        RecorderConfig.valid = 0;
    }
}
