// The time of an Install and of an Uninstall on the simulated machine through
// the real main window, end to end (a click on the button until the command
// has shown its summary, the box has been closed and the command returned),
// beside the time of the same registry, file and service calls made
// directly; the median of several runs each, taken in turns in one run, and
// their ratios.
#include "CdrIdentifiers.h"
#include "CdromKey.h"
#include "CdromService.h"
#include "ConfigReader.h"
#include "DriverImage.h"
#include "InstallerDlg.h"
#include "ModalDriver.h"
#include "PathJoin.h"
#include "RegistryFixture.h"
#include "SideBySide.h"
#include "SimulatedMachine.h"
#include "TempDir.h"
#include "Texts.h"
#include "resource.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 15;
// Both commands ask for their directories with this length.
constexpr DWORD kDirectoryLength = 245;

CWinApp benchApp("drvsetup");

const char kConfig[] = "[Drives]\n; supported recorders\nACME CDR-4X ;quad speed\nACME CDR-8X\nACME CDR-12X\n";

// Driver images of about the size of the real ones.
std::string Image(const char* name, size_t size)
{
    std::string bytes(name);
    while (bytes.size() < size)
        bytes += static_cast<char>(bytes.size() * 7);
    return bytes;
}

double Now()
{
    LARGE_INTEGER frequency, count;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&count);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Milliseconds(const std::function<bool()>& work, bool& ok)
{
    const double start = Now();
    ok = work() && ok;
    return Now() - start;
}

// The summary box is closed as soon as it is up, and its text is read as it
// goes: when a message box is activated, Wine (8.0) has set its caption but
// not yet its text.
HHOOK g_hook = nullptr;
HWND g_main = nullptr;
HWND g_box = nullptr;
std::string g_summary;
double g_clicked = 0;
double g_shownAfter = 0;   // ms from the click until the summary box was up

LRESULT CALLBACK CloseSummary(int code, WPARAM wParam, LPARAM lParam)
{
    const auto window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && g_main && window != g_main && !g_box) {
        g_box = window;
        g_shownAfter = Now() - g_clicked;
        ::PostMessageA(window, WM_COMMAND, IDOK, 0);
    } else if (code == HCBT_DESTROYWND && window == g_box) {
        g_summary = MessageBoxText(window);
        g_box = nullptr;
    }
    return ::CallNextHookEx(g_hook, code, wParam, lParam);
}

// A click on the button: BM_CLICK returns when the command has returned.
bool Click(int id, const std::string& expected)
{
    g_summary.clear();
    g_clicked = Now();
    ::SendMessageA(::GetDlgItem(g_main, id), BM_CLICK, 0, 0);
    return g_summary == expected;
}

// The calls of Install, in its order, on the same machine.
bool InstallCalls(const std::string& configPath)
{
    CStringArray identifiers;
    const int count = ReadRecorderConfig(identifiers, configPath.c_str());
    if (count <= 0 || !RegisterCdrIdentifiers(identifiers, count))
        return false;
    char current[MAX_PATH], source[MAX_PATH], drivers[MAX_PATH], destination[MAX_PATH];
    if (!::GetCurrentDirectoryA(kDirectoryLength, current) || !JoinPath(source, sizeof source, current, kDriverImageName)
        || !::GetWindowsDirectoryA(drivers, kDirectoryLength)
        || !JoinPath(drivers, sizeof drivers, drivers, "system32\\drivers")
        || !JoinPath(destination, sizeof destination, drivers, kDriverImageName))
        return false;
    const int backedUp = BackupDriverImage(drivers);
    const bool installed = CopyDriverFile(destination, source) && ConfigureCdromService(destination)
                           && WriteAutorun(1);
    return backedUp && installed && HasRegisteredCdr() && ReadAutorun();
}

// The calls of Uninstall, in its order.
bool UninstallCalls()
{
    if (!RemoveCdrIdentifiers() || !WriteAutorun(0))
        return false;
    char drivers[MAX_PATH];
    if (!::GetWindowsDirectoryA(drivers, kDirectoryLength)
        || !JoinPath(drivers, sizeof drivers, drivers, "system32\\drivers"))
        return false;
    return RestoreDriverImage(drivers) && !HasRegisteredCdr() && !ReadAutorun();
}

struct Figures {
    std::vector<double> windowInstall, installShown, callsInstall;
    std::vector<double> windowUninstall, uninstallShown, callsUninstall;
    bool ok = true;
};

// Install finds the stock system each time: the original image, no backup,
// no list, autorun off.
void Reset(const ScopedDriverDirectory& drivers, const std::string& stock)
{
    ::DeleteFileA(drivers.File("Cdrom.org").c_str());
    WriteFileBytes(drivers.File("Cdrom.sys"), stock);
    SetDword(kCdromKeyPath, "Autorun", 0);
}

void Measure(Figures& f, const ScopedDriverDirectory& drivers, const std::string& stock,
             const std::string& configPath)
{
    const std::string installed = std::string(texts::kAutorunEnabled) + texts::kBackedUp + texts::kInstallComplete;
    const std::string uninstalled = std::string(texts::kAutorunDisabled) + texts::kUninstallComplete;
    for (int run = 0; run < kRuns; ++run) {
        Reset(drivers, stock);
        f.windowInstall.push_back(Milliseconds([&] { return Click(IDC_INSTALL, installed); }, f.ok));
        f.installShown.push_back(g_shownAfter);
        f.windowUninstall.push_back(Milliseconds([&] { return Click(IDC_UNINSTALL, uninstalled); }, f.ok));
        f.uninstallShown.push_back(g_shownAfter);
        Reset(drivers, stock);
        f.callsInstall.push_back(Milliseconds([&] { return InstallCalls(configPath); }, f.ok));
        f.callsUninstall.push_back(Milliseconds(UninstallCalls, f.ok));
    }
}

void Print(const char* command, const std::vector<double>& window, const std::vector<double>& shown,
           const std::vector<double>& calls)
{
    const double w = Median(window);
    const double c = Median(calls);
    std::printf("  %-9s through the main window %7.2f ms (summary up after %6.2f ms), its calls alone %6.2f ms, "
                "ratio %.2f\n",
                command, w, Median(shown), c, w / c);
}

} // namespace

int main()
{
    ScopedCdromService service;
    ScopedDriverDirectory drivers;
    TempDir installDir("install-bench");
    ScopedCurrentDirectory inside(installDir.Path());
    if (!SeedCdromService(SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, "System32\\DRIVERS\\Cdrom.sys", "Cdrom")) {
        std::printf("The Cdrom service could not be registered.\n");
        return 1;
    }
    const std::string stock = Image("STOCK CDROM.SYS", size_t{ 62 } * 1024);
    installDir.Write("Ferlcdr.cfg", kConfig);
    installDir.Write("cdrom.sys", Image("REPLACEMENT CDROM.SYS", size_t{ 64 } * 1024));

    Figures figures;
    g_hook = ::SetWindowsHookExA(WH_CBT, CloseSummary, nullptr, ::GetCurrentThreadId());
    ModalDriver driver(
        { [&](HWND top) {
            g_main = top;
            Measure(figures, drivers, stock, installDir.File("Ferlcdr.cfg"));
            g_main = nullptr;
            PressButton(top, IDOK);
            return true;
        } },
        10 * 60 * 1000);
    CInstallerDlg dlg;
    dlg.DoModal();
    ::UnhookWindowsHookEx(g_hook);

    if (!driver.Finished() || !figures.ok) {
        std::printf("A command did not end as on a stock system; no figures.\n");
        return 1;
    }
    std::printf("Install and Uninstall on the simulated machine, median of %d runs each:\n", kRuns);
    Print("Install", figures.windowInstall, figures.installShown, figures.callsInstall);
    Print("Uninstall", figures.windowUninstall, figures.uninstallShown, figures.callsUninstall);
    return 0;
}
