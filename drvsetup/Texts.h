// Every text the installer shows, side by side.
#pragma once

namespace texts {

constexpr const char kCaption[] = "NT CD-ROM Driver installation";
// MB_SYSTEMMODAL | MB_ICONINFORMATION, one OK button.
constexpr unsigned kBoxStyle = 0x1040;

// Start-up checks.
constexpr const char kNotForWindows95[] = "This driver is not suited for Windows 95";
constexpr const char kNotForOldNt[] = "This driver is not suited for Windows NT versions prior to 4.0";
constexpr const char kDirectoryTooDeep[] = "The installation directory path is too deep.";
constexpr const char kImageMissing[] = "The driver file Cdrom.sys is missing from your install directory.";

// Main window.
constexpr const char kConfigNotFound[] = "No Recorder Configuration File FerlCdr.cfg could be found.";
constexpr const char kConfigFileName[] = "Ferlcdr.cfg";
constexpr const char kBrowseDefExt[] = "*.cfg";
constexpr const char kBrowseFilter[] = "Ferl CDR config files (*.cfg)|*.cfg|All Files (*.*)|*.*||";

// Configuration reader.
constexpr const char kConfigOpenFailed[] = "Could not open selected configuration file ...";
constexpr const char kConfigNoMemory[] = "Not enough memory to read configuration file ...";


} // namespace texts
