// The driver image files in the system's driver directory: installing the
// new image, keeping the one in use as a backup and putting it back.
#pragma once

constexpr char kDriverImageName[] = "Cdrom.sys";
constexpr char kDriverBackupName[] = "Cdrom.org";

// Copies source over destination (an existing file is overwritten, whatever
// its attributes) and leaves it with normal attributes; 1 on success.
int CopyDriverFile(const char* pszDestination, const char* pszSource);

// Copies the image in pszDirectory to Cdrom.org beside it, never over an
// existing backup; 1 when a new backup was made.
int BackupDriverImage(const char* pszDirectory);

// Copies Cdrom.org over the image in pszDirectory; the backup stays. 1 when
// the backup was copied back.
int RestoreDriverImage(const char* pszDirectory);

// Whether pszDirectory holds a Cdrom.org.
bool DriverBackupExists(const char* pszDirectory);
