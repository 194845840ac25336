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

// Install summary, in the order the messages can appear.
constexpr const char kRegistryNotUpdated[] =
    "Could not open and update the system registry file. Please install manually.\n\n";
constexpr const char kCopyFailed[] =
    "There was a problem copying the Cdrom.Sys file:\nPlease rename the Cdrom.Sys file in your "
    "NT4\\system32\\drivers directory to Cdrom.Org and retry installation.\n\n";
constexpr const char kNotInstalled[] = "Could not install the driver.\n\n";
constexpr const char kServiceFailed[] =
    "There was a problem starting the Cdrom service.\nPlease install the original driver first.\n\n";
constexpr const char kAutorunEnabled[] =
    "The autorun feature of the Cdrom driver has been enabled.\nPlease disable this if your CD-Recordable "
    "drive isn't supported\nby Ferl (See FerlCdr.cfg).\n\n";
constexpr const char kAutorunNotEnabled[] = "Could not enable the autorun feature of the Cdrom driver.\n\n";
constexpr const char kBackedUp[] = "The existing Cdrom.Sys file is backed up as Cdrom.Org.\n\n";
constexpr const char kInstallComplete[] =
    "Installation complete,\nPlease reboot your system to activate the new driver.\n";

// Uninstall summary, in the order the messages can appear.
constexpr const char kListNotRemoved[] =
    "There was a problem removing the CD-R Inquiriy Strings form the registry.\nPlease remove these "
    "manually.\n\n";
constexpr const char kAutorunDisabled[] = "The autorun feature of the Cdrom driver has been disabled.\n\n";
constexpr const char kAutorunNotDisabled[] =
    "Could not disable the autorun feature of the Cdrom driver.\nPlease disable manually if necessary.\n\n";
// A backup that is there but could not be copied back leaves the replacement
// driver in place: the user must know, and put the original back by hand.
constexpr const char kBackupNotRestored[] =
    "The original driver could not be restored from Cdrom.Org.\nPlease copy the Cdrom.Org file in your "
    "NT4\\system32\\drivers directory to Cdrom.Sys manually.\n\n";
constexpr const char kUninstallComplete[] =
    "UnInstallation complete.\nPlease reboot your system to deactivate the current driver.";

} // namespace texts
