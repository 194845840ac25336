// The Install and Uninstall commands: the order of the steps, the conditions
// between them and the summary each ends with.
#include "InstallCommands.h"

#include "CdrIdentifiers.h"
#include "CdromKey.h"
#include "CdromService.h"
#include "ConfigReader.h"
#include "DriverImage.h"
#include "InstallerDlg.h"
#include "PathJoin.h"
#include "RecorderConfig.h"
#include "Texts.h"

#include <cstring>

namespace {

// Both directories are asked for with this length; a directory that needs
// more, like one whose driver paths would not fit MAX_PATH, is treated as a
// directory that is not available.
constexpr DWORD kDirectoryLength = 245;
constexpr char kDriverSubdirectory[] = "system32\\drivers";

// The messages of one command, appended in order; 4096 bytes hold the
// longest summary several times over.
class Summary {
public:
    void Append(const char* pszText)
    {
        const size_t used = std::strlen(m_text);
        size_t length = std::strlen(pszText);
        if (length > sizeof m_text - 1 - used)
            length = sizeof m_text - 1 - used;
        std::memcpy(m_text + used, pszText, length);
        m_text[used + length] = '\0';
    }
    const char* Text() const { return m_text; }

private:
    char m_text[4096] = {};
};

// The replacement image in the current directory.
bool SourceImagePath(CommandPlatform& platform, char (&source)[MAX_PATH])
{
    char directory[MAX_PATH];
    const DWORD n = platform.CurrentDirectory(kDirectoryLength, directory);
    return n != 0 && n < kDirectoryLength && JoinPath(source, sizeof source, directory, kDriverImageName);
}

// The system's driver directory, never ending in a backslash; its image and
// backup paths fit MAX_PATH.
bool DriverDirectory(CommandPlatform& platform, char (&directory)[MAX_PATH])
{
    const UINT n = platform.WindowsDirectory(directory, kDirectoryLength);
    char image[MAX_PATH];
    return n != 0 && n < kDirectoryLength && JoinPath(directory, sizeof directory, directory, kDriverSubdirectory)
           && JoinPath(image, sizeof image, directory, kDriverImageName);
}

// What one Install has done so far.
struct InstallRun {
    Summary summary;
    int backedUp = 0;
    int copied = 0;
    char destination[MAX_PATH] = "";
};

// Reading, recording and copying, in this order; the first step that fails
// ends them, and the closing texts tell the rest. A read error of the
// configuration file passes through: the window's command dispatch reports it.
void RecordAndCopy(CommandPlatform& platform, InstallRun& run)
{
    if (RecorderConfig.path[0] == '\0' || !RecorderConfig.valid)
        return;
    CStringArray identifiers;
    const int count = ReadRecorderConfig(identifiers, RecorderConfig.path);
    if (count <= 0)
        return;
    if (!RegisterCdrIdentifiers(identifiers, count)) {
        run.summary.Append(texts::kRegistryNotUpdated);
        return;
    }
    char source[MAX_PATH];
    char driverDirectory[MAX_PATH];
    if (!SourceImagePath(platform, source) || !DriverDirectory(platform, driverDirectory)
        || !JoinPath(run.destination, sizeof run.destination, driverDirectory, kDriverImageName))
        return;
    run.backedUp = BackupDriverImage(driverDirectory);
    run.copied = CopyDriverFile(run.destination, source);
    if (!run.copied)
        run.summary.Append(texts::kCopyFailed);
}

} // namespace

CommandPlatform& SystemCommandPlatform()
{
    static CommandPlatform platform;
    return platform;
}

void CInstallerDlg::OnInstall()
{
    InstallRun run;
    RecordAndCopy(m_platform, run);

    if (!run.copied) {
        run.summary.Append(texts::kNotInstalled);
    } else if (!ConfigureCdromService(run.destination)) {
        run.summary.Append(texts::kServiceFailed);
    } else {
        run.summary.Append(WriteAutorun(1) == 1 ? texts::kAutorunEnabled : texts::kAutorunNotEnabled);
        if (run.backedUp == 1)
            run.summary.Append(texts::kBackedUp);
        run.summary.Append(texts::kInstallComplete);
        m_uninstallButton.EnableWindow(HasRegisteredCdr() == 1);
        m_autorunCheck.EnableWindow(TRUE);
    }
    // Install brings the window up to date before its summary.
    m_autorunChecked = ReadAutorun();
    UpdateData(FALSE);
    MessageBox(run.summary.Text(), texts::kCaption, texts::kBoxStyle);
}

void CInstallerDlg::OnUninstall()
{
    Summary summary;
    if (!RemoveCdrIdentifiers()) {
        summary.Append(texts::kListNotRemoved);
    } else {
        summary.Append(WriteAutorun(0) == 1 ? texts::kAutorunDisabled : texts::kAutorunNotDisabled);
        // Without a backup there is nothing to put back and nothing to say;
        // a backup that is there but did not go back is reported.
        char driverDirectory[MAX_PATH];
        if (DriverDirectory(m_platform, driverDirectory) && !RestoreDriverImage(driverDirectory)
            && DriverBackupExists(driverDirectory))
            summary.Append(texts::kBackupNotRestored);
        summary.Append(texts::kUninstallComplete);
    }
    // Uninstall shows its summary first and then brings the window up to date.
    MessageBox(summary.Text(), texts::kCaption, texts::kBoxStyle);
    m_uninstallButton.EnableWindow(HasRegisteredCdr() == 1);
    m_autorunChecked = ReadAutorun();
    m_autorunCheck.EnableWindow(TRUE);
    UpdateData(FALSE);
}
