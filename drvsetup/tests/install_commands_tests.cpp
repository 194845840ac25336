// Install and Uninstall through the real main window under Wine, on a
// machine with the Cdrom service, its key and the prefix's own
// system32\drivers: every summary, the controls, the registry and the files
// after each command.
#include "InstallerWindowDriver.h"
#include "Machine.h"
#include "RecorderConfig.h"
#include "RegistryFixture.h"
#include "Texts.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const char kStock[] = "STOCK CDROM.SYS";
const char kReplacement[] = "REPLACEMENT CDROM.SYS";
const char kOlderBackup[] = "OLDER ORIGINAL CDROM.SYS";
const char kConfig[] = "[Drives]\n; supported recorders\nACME CDR-4X ;quad speed\nACME CDR-8X\n";
const Entries kRecorded = { { "0", "" }, { "1", "ACME CDR-4X " }, { "2", "ACME CDR-8X" } };

// What a command can run into that is not part of the machine's state.
enum Obstacle {
    kNoObstacle,
    kConfigHeld,            // another program holds FerlCdr.cfg open
    kImageHeld,             // the driver image is in use
    kServiceMarked,         // the Cdrom service is deleted but still open
    kNoCurrentDirectory,
    kNoWindowsDirectory,
    kLongWindowsDirectory,  // the driver paths would not fit MAX_PATH
};

enum ServiceState { kNoServiceKey, kKeyOnly, kStockService };

// The directories as the obstacle has them; the system's otherwise.
class ObstaclePlatform : public CommandPlatform {
public:
    explicit ObstaclePlatform(Obstacle obstacle) : m_obstacle(obstacle) {}

    DWORD CurrentDirectory(DWORD nLength, char* pBuffer) override
    {
        return m_obstacle == kNoCurrentDirectory ? 0 : CommandPlatform::CurrentDirectory(nLength, pBuffer);
    }
    UINT WindowsDirectory(char* pBuffer, UINT nSize) override
    {
        if (m_obstacle == kNoWindowsDirectory)
            return 0;
        if (m_obstacle != kLongWindowsDirectory)
            return CommandPlatform::WindowsDirectory(pBuffer, nSize);
        // 240 characters fit the 245 asked for; with "\system32\drivers\Cdrom.sys"
        // the image path would not fit MAX_PATH.
        const std::string directory = "C:\\" + std::string(237, 'w');
        if (directory.size() + 1 > nSize)
            return static_cast<UINT>(directory.size() + 1);
        std::memcpy(pBuffer, directory.c_str(), directory.size() + 1);
        return static_cast<UINT>(directory.size());
    }

private:
    Obstacle m_obstacle;
};

// Keeps the obstacle in place while the commands run and the results are
// read.
class ObstacleInPlace {
public:
    ObstacleInPlace(Obstacle obstacle, const std::string& configPath, const std::string& imagePath)
    {
        if (obstacle == kConfigHeld || obstacle == kImageHeld) {
            const std::string& path = obstacle == kConfigHeld ? configPath : imagePath;
            m_file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
            EXPECT_NE(INVALID_HANDLE_VALUE, m_file);
        }
        if (obstacle == kServiceMarked) {
            m_manager = ::OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
            m_service = ::OpenServiceA(m_manager, "Cdrom", SERVICE_ALL_ACCESS);
            EXPECT_TRUE(m_service && ::DeleteService(m_service));
        }
    }
    ~ObstacleInPlace()
    {
        if (m_file != INVALID_HANDLE_VALUE)
            ::CloseHandle(m_file);
        if (m_service)
            ::CloseServiceHandle(m_service);
        if (m_manager)
            ::CloseServiceHandle(m_manager);
    }
    ObstacleInPlace(const ObstacleInPlace&) = delete;
    ObstacleInPlace& operator=(const ObstacleInPlace&) = delete;

private:
    HANDLE m_file = INVALID_HANDLE_VALUE;
    SC_HANDLE m_manager = nullptr;
    SC_HANDLE m_service = nullptr;
};

std::string Summary(std::initializer_list<const char*> parts)
{
    std::string text;
    for (const char* part : parts)
        text += part;
    return text;
}

const std::string kInstalledWithBackup =
    Summary({ texts::kAutorunEnabled, texts::kBackedUp, texts::kInstallComplete });
const std::string kInstalled = Summary({ texts::kAutorunEnabled, texts::kInstallComplete });
const std::string kUninstalled = Summary({ texts::kAutorunDisabled, texts::kUninstallComplete });

} // namespace

TEST_F(InstallMachine, EveryOutcomeOfInstallAndUninstall)
{
    struct Before {
        const char* config;       // FerlCdr.cfg beside the installer, or none
        ServiceState service;
        const Entries* list;      // RegisteredCDR, or none
        const char* backup;       // Cdrom.org in the driver directory, or none
        bool source;              // cdrom.sys beside the installer
        Obstacle obstacle;
    };
    struct After {
        std::vector<std::string> boxes;
        Controls controls;
        const Entries* list;      // RegisteredCDR, or none
        const char* image;
        const char* backup;
        DWORD start;              // of the Cdrom service; 0: no service
        int autorun;              // -1: no value
    };
    struct Case {
        const char* name;
        Before before;
        std::vector<int> buttons;
        After after;
    };
    const int kInstall = IDC_INSTALL;
    const int kUninstall = IDC_UNINSTALL;
    const char* kNoFile = "(none)";
    const Entries kEmpty;
    const Entries kOld = { { "0", "ACME CDR-4X" } };
    const Entries kGap = { { "0", "A" }, { "2", "C" } };
    const Entries kAboveGap = { { "2", "C" } };
    const Case cases[] = {
        { "Install without a configuration file",
          { nullptr, kStockService, nullptr, nullptr, true, kNoObstacle }, { kInstall },
          { { texts::kNotInstalled }, { false, false, true }, nullptr, kStock, kNoFile, SERVICE_DEMAND_START, 1 } },
        { "Install with a configuration file of no identifiers",
          { "[Drives]\n\n  indented\n", kStockService, nullptr, nullptr, true, kNoObstacle }, { kInstall },
          { { texts::kNotInstalled }, { false, false, true }, nullptr, kStock, kNoFile, SERVICE_DEMAND_START, 1 } },
        { "Install with the configuration file open elsewhere",
          { kConfig, kStockService, nullptr, nullptr, true, kConfigHeld }, { kInstall },
          { { texts::kConfigOpenFailed, texts::kNotInstalled }, { false, false, true }, nullptr, kStock, kNoFile,
            SERVICE_DEMAND_START, 1 } },
        { "Install without the Cdrom key: list not recorded",
          { kConfig, kNoServiceKey, nullptr, nullptr, true, kNoObstacle }, { kInstall },
          { { Summary({ texts::kRegistryNotUpdated, texts::kNotInstalled }) }, { false, false, false }, nullptr,
            kStock, kNoFile, 0, -1 } },
        { "Install without the current directory",
          { kConfig, kStockService, nullptr, nullptr, true, kNoCurrentDirectory }, { kInstall },
          { { texts::kNotInstalled }, { false, false, true }, &kRecorded, kStock, kNoFile, SERVICE_DEMAND_START,
            1 } },
        { "Install without the Windows directory",
          { kConfig, kStockService, nullptr, nullptr, true, kNoWindowsDirectory }, { kInstall },
          { { texts::kNotInstalled }, { false, false, true }, &kRecorded, kStock, kNoFile, SERVICE_DEMAND_START,
            1 } },
        { "Install with driver paths too long",
          { kConfig, kStockService, nullptr, nullptr, true, kLongWindowsDirectory }, { kInstall },
          { { texts::kNotInstalled }, { false, false, true }, &kRecorded, kStock, kNoFile, SERVICE_DEMAND_START,
            1 } },
        { "Install without the replacement image: not copied, backup made",
          { kConfig, kStockService, nullptr, nullptr, false, kNoObstacle }, { kInstall },
          { { Summary({ texts::kCopyFailed, texts::kNotInstalled }) }, { false, false, true }, &kRecorded, kStock,
            kStock, SERVICE_DEMAND_START, 1 } },
        { "Install with the service marked for deletion",
          { kConfig, kStockService, nullptr, nullptr, true, kServiceMarked }, { kInstall },
          { { texts::kServiceFailed }, { false, false, true }, &kRecorded, kReplacement, kStock,
            SERVICE_DEMAND_START, 1 } },
        { "Install on the stock system: service configured, new backup",
          { kConfig, kStockService, nullptr, nullptr, true, kNoObstacle }, { kInstall },
          { { kInstalledWithBackup }, { true, true, true }, &kRecorded, kReplacement, kStock,
            SERVICE_SYSTEM_START, 1 } },
        { "Install with a backup already there",
          { kConfig, kStockService, nullptr, kOlderBackup, true, kNoObstacle }, { kInstall },
          { { kInstalled }, { true, true, true }, &kRecorded, kReplacement, kOlderBackup, SERVICE_SYSTEM_START,
            1 } },
        { "Install with a key the service manager does not know: service created",
          { kConfig, kKeyOnly, nullptr, nullptr, true, kNoObstacle }, { kInstall },
          { { kInstalledWithBackup }, { true, true, true }, &kRecorded, kReplacement, kStock,
            SERVICE_SYSTEM_START, 1 } },
        { "second Install",
          { kConfig, kStockService, nullptr, nullptr, true, kNoObstacle }, { kInstall, kInstall },
          { { kInstalledWithBackup, kInstalled }, { true, true, true }, &kRecorded, kReplacement, kStock,
            SERVICE_SYSTEM_START, 1 } },
        { "Install, then Uninstall",
          { kConfig, kStockService, nullptr, nullptr, true, kNoObstacle }, { kInstall, kUninstall },
          { { kInstalledWithBackup, kUninstalled }, { false, true, false }, nullptr, kStock, kStock,
            SERVICE_SYSTEM_START, 0 } },
        { "Uninstall without a list",
          { kConfig, kStockService, nullptr, kOlderBackup, true, kNoObstacle }, { kUninstall },
          { { texts::kListNotRemoved }, { false, true, true }, nullptr, kStock, kOlderBackup, SERVICE_DEMAND_START,
            1 } },
        { "Uninstall without a backup",
          { kConfig, kStockService, &kOld, nullptr, true, kNoObstacle }, { kUninstall },
          { { kUninstalled }, { false, true, false }, nullptr, kStock, kNoFile, SERVICE_DEMAND_START, 0 } },
        { "Uninstall with the image in use",
          { kConfig, kStockService, &kOld, kOlderBackup, true, kImageHeld }, { kUninstall },
          { { Summary({ texts::kAutorunDisabled, texts::kBackupNotRestored, texts::kUninstallComplete }) },
            { false, true, false }, nullptr, kStock, kOlderBackup, SERVICE_DEMAND_START, 0 } },
        { "Uninstall with a gap in the list",
          { kConfig, kStockService, &kGap, kOlderBackup, true, kNoObstacle },
          { kUninstall },
          { { texts::kListNotRemoved }, { true, true, true }, &kAboveGap, kStock, kOlderBackup,
            SERVICE_DEMAND_START, 1 } },
    };
    const std::string drivers = m_drivers.Path();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedCdromService service;
        if (c.before.service == kStockService) {
            ASSERT_TRUE(SeedCdromService(SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, "System32\\DRIVERS\\Cdrom.sys",
                                         "Cdrom"));
        }
        if (c.before.service == kKeyOnly) {
            ASSERT_TRUE(CreateKey(kCdromKeyPath));
        }
        if (c.before.service != kNoServiceKey)
            SetDword(kCdromKeyPath, "Autorun", 0);
        if (c.before.list)
            SeedEntries(*c.before.list);
        WriteFileBytes(m_drivers.File("Cdrom.sys"), kStock);
        ::DeleteFileA(m_drivers.File("Cdrom.org").c_str());
        if (c.before.backup)
            WriteFileBytes(m_drivers.File("Cdrom.org"), c.before.backup);
        ::DeleteFileA(m_installDir.File("Ferlcdr.cfg").c_str());
        if (c.before.config)
            m_installDir.Write("Ferlcdr.cfg", c.before.config);
        ::DeleteFileA(m_installDir.File("cdrom.sys").c_str());
        if (c.before.source)
            m_installDir.Write("cdrom.sys", kReplacement);

        ObstaclePlatform platform(c.before.obstacle);
        RunResult run;
        {
            ObstacleInPlace obstacle(c.before.obstacle, m_installDir.File("Ferlcdr.cfg"), m_drivers.File("Cdrom.sys"));
            // The window opened with Autorun 0; the commands must reload it.
            run = RunCommands(c.buttons, platform, [&] {
                if (c.before.service != kNoServiceKey)
                    SetDword(kCdromKeyPath, "Autorun", 1);
            });
            EXPECT_EQ(c.after.list != nullptr, KeyExists(kListPath.c_str()));
            EXPECT_EQ(c.after.list ? *c.after.list : kEmpty, StoredEntries());
            ServiceConfig config = QueryCdromService();
            EXPECT_EQ(c.after.start, config.exists ? config.start : 0);
            StoredValue autorun = ReadValue(kCdromKeyPath, "Autorun");
            EXPECT_EQ(c.after.autorun, autorun.type == REG_DWORD ? static_cast<int>(autorun.data[0]) : -1);
        }
        ASSERT_TRUE(run.finished);
        std::vector<std::string> texts;
        for (const MessageBoxSeen& box : run.boxes) {
            texts.push_back(box.text);
            EXPECT_EQ(texts::kCaption, box.caption);
            EXPECT_TRUE(box.systemModal);
            EXPECT_EQ(IDI_ASTERISK, box.icon);
            // The reader's boxes have no owner; the summaries belong to the window.
            EXPECT_EQ(box.text == texts::kConfigOpenFailed ? nullptr : run.main, box.owner) << box.text;
        }
        EXPECT_EQ(c.after.boxes, texts);
        EXPECT_EQ(c.after.controls, run.after);
        EXPECT_EQ(c.after.image, FileBytes(m_drivers.File("Cdrom.sys")));
        EXPECT_EQ(c.after.backup, FileBytes(m_drivers.File("Cdrom.org")));
    }
}

TEST_F(InstallMachine, InstallUpdatesTheWindowBeforeItsSummaryUninstallAfter)
{
    ASSERT_TRUE(SeedCdromService(SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, "System32\\DRIVERS\\Cdrom.sys", "Cdrom"));
    WriteFileBytes(m_drivers.File("Cdrom.sys"), kStock);
    m_installDir.Write("Ferlcdr.cfg", kConfig);
    m_installDir.Write("cdrom.sys", kReplacement);
    RunResult run = RunCommands({ IDC_INSTALL, IDC_UNINSTALL }, SystemCommandPlatform());
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(2u, run.atBox.size());
    const Controls installed = { true, true, true };
    EXPECT_EQ(installed, run.atBox[0]);
    EXPECT_EQ(installed, run.atBox[1]);
    EXPECT_EQ((Controls{ false, true, false }), run.after);
}

TEST_F(InstallMachine, ReadErrorIsReportedByTheWindowAndNothingIsInstalled)
{
    ASSERT_TRUE(SeedCdromService(SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, "System32\\DRIVERS\\Cdrom.sys", "Cdrom"));
    WriteFileBytes(m_drivers.File("Cdrom.sys"), kStock);
    m_installDir.Write("cdrom.sys", kReplacement);
    // Reading Z:\proc\self\mem fails under Wine (see the framework's tests).
    const char* path = "Z:\\proc\\self\\mem";
    RunResult run = RunCommands({ IDC_INSTALL }, SystemCommandPlatform(), [&] {
        std::strcpy(RecorderConfig.path, path);
        RecorderConfig.valid = 1;
    });
    ASSERT_TRUE(run.finished);   // the window stayed open and took Exit
    ASSERT_EQ(1u, run.boxes.size());
    EXPECT_EQ(std::string("An unknown error occurred while accessing ") + path + ".", run.boxes[0].text);
    EXPECT_EQ(IDI_HAND, run.boxes[0].icon);
    EXPECT_EQ(run.main, run.boxes[0].owner);
    EXPECT_FALSE(KeyExists(kListPath.c_str()));
    EXPECT_EQ(kStock, FileBytes(m_drivers.File("Cdrom.sys")));
    EXPECT_EQ("(none)", FileBytes(m_drivers.File("Cdrom.org")));
    EXPECT_EQ(static_cast<DWORD>(SERVICE_DEMAND_START), QueryCdromService().start);
}
