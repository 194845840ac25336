// The driver image files: copy, backup, restore.
#include "DriverImage.h"

#include "FindHandle.h"
#include "PathJoin.h"

#include <windows.h>

namespace {

struct ImagePaths {
    char image[MAX_PATH];
    char backup[MAX_PATH];
};

// The image and backup paths in a directory; false when either would not
// fit a path buffer.
bool MakeImagePaths(const char* pszDirectory, ImagePaths& paths)
{
    return pszDirectory && JoinPath(paths.image, sizeof paths.image, pszDirectory, kDriverImageName)
           && JoinPath(paths.backup, sizeof paths.backup, pszDirectory, kDriverBackupName);
}

} // namespace

int CopyDriverFile(const char* pszDestination, const char* pszSource)
{
    if (!pszDestination || !pszSource)
        return 0;
    // A read-only, hidden or system image in place is overwritten too; there
    // may be no image yet, so the outcome is not examined.
    ::SetFileAttributesA(pszDestination, FILE_ATTRIBUTE_NORMAL);
    if (!::CopyFileA(pszSource, pszDestination, FALSE))
        return 0;
    return ::SetFileAttributesA(pszDestination, FILE_ATTRIBUTE_NORMAL) ? 1 : 0;
}

int BackupDriverImage(const char* pszDirectory)
{
    ImagePaths paths;
    if (!MakeImagePaths(pszDirectory, paths))
        return 0;
    // The first backup made on a system is the original driver: never
    // replace it with an image this installer put in place.
    if (!::CopyFileA(paths.image, paths.backup, TRUE))
        return 0;
    ::SetFileAttributesA(paths.backup, FILE_ATTRIBUTE_NORMAL);
    return 1;
}

int RestoreDriverImage(const char* pszDirectory)
{
    ImagePaths paths;
    if (!MakeImagePaths(pszDirectory, paths))
        return 0;
    ::SetFileAttributesA(paths.backup, FILE_ATTRIBUTE_NORMAL);
    return ::CopyFileA(paths.backup, paths.image, FALSE) ? 1 : 0;
}

bool DriverBackupExists(const char* pszDirectory)
{
    ImagePaths paths;
    return MakeImagePaths(pszDirectory, paths) && EntryExists(paths.backup);
}
