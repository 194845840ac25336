// RecorderConfig: which recorder configuration file the installer uses, and
// how it is found (WIN.INI first, then the current directory).
#pragma once

#include <windows.h>

struct RecorderConfigRecord {
    char path[256];   // full file name, or the not-found text
    int valid;        // 1 when path names a found or chosen file
};

// The process-wide record: written by the main window, read by Install.
extern RecorderConfigRecord RecorderConfig;

// Largest configuration path the record holds.
constexpr size_t kMaxConfigPath = 255;

// Fills buffer (256 characters) with the recording software's directory from
// the first accepted FERLDIR entry of the four WIN.INI sections.
bool ReadRecorderDirectory(char* buffer);

// Turns the directory in buffer into the configuration file's name and looks
// it up: -1 when no entry of that name exists (or the name would not fit).
int ProbeConfigFile(char* buffer);

// Fills RecorderConfig.path and .valid when the main window opens.
void LocateRecorderConfig();
