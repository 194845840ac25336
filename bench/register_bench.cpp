// How the time of RegisterCdrIdentifiers grows with the list: 10 stored and
// 10 new identifiers against 1000 and 1000, the median of several runs each,
// taken in turns in one run, printed side by side with their ratio.
#include "CdrIdentifiers.h"
#include "RegistryFixture.h"
#include "SideBySide.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 5;

CStringArray Identifiers(const char* prefix, int count)
{
    CStringArray list;
    list.SetSize(20, 1);
    for (int i = 0; i < count; ++i) {
        char text[64];
        std::snprintf(text, sizeof text, "%s CDR-%04d", prefix, i);
        list.InsertAt(i, text);
    }
    return list;
}

int EntryCount()
{
    HKEY list;
    const std::string path = std::string(kCdromKeyPath) + "\\RegisteredCDR";
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &list) != ERROR_SUCCESS)
        return -1;
    DWORD count = 0;
    ::RegQueryInfoKeyA(list, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr);
    ::RegCloseKey(list);
    return static_cast<int>(count);
}

// Milliseconds of one registration of `size` new identifiers into a list
// that holds `size` stored ones; -1 when the outcome is wrong.
double TimeOnce(int size)
{
    DeleteKeyTree(kCdromKeyPath);
    CreateKey(kCdromKeyPath);
    if (RegisterCdrIdentifiers(Identifiers("STORED", size), size) != 1)
        return -1;
    const CStringArray fresh = Identifiers("NEW", size);
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    const int result = RegisterCdrIdentifiers(fresh, size);
    ::QueryPerformanceCounter(&end);
    if (result != 1 || EntryCount() != 2 * size)
        return -1;
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The median, or -1 when any run failed (a failed run is timed as -1).
double MedianOfRuns(const std::vector<double>& times)
{
    return std::any_of(times.begin(), times.end(), [](double t) { return t < 0; }) ? -1 : Median(times);
}

} // namespace

int main()
{
    if (KeyExists(kCdromKeyPath)) {
        std::printf("This machine has a Cdrom service key; run the benchmark on one without it.\n");
        return 1;
    }
    // Small and large in turns, so that both see the same machine.
    std::vector<double> smallTimes, largeTimes;
    for (int run = 0; run < kRuns; ++run) {
        smallTimes.push_back(TimeOnce(10));
        largeTimes.push_back(TimeOnce(1000));
    }
    const double small = MedianOfRuns(smallTimes);
    const double large = MedianOfRuns(largeTimes);
    DeleteKeyTree(kCdromKeyPath);
    if (small < 0 || large < 0) {
        std::printf("RegisterCdrIdentifiers did not store every new identifier.\n");
        return 1;
    }
    std::printf("RegisterCdrIdentifiers, median of %d runs each:\n", kRuns);
    std::printf("  %4d stored, %4d new identifiers: %9.2f ms\n", 10, 10, small);
    std::printf("  %4d stored, %4d new identifiers: %9.2f ms\n", 1000, 1000, large);
    std::printf("  ratio: %.0f for 100 times the identifiers; target: linear growth, a ratio of about 100 (each "
                "stored identifier read once; reading them for every new one would give about 10000)\n",
                large / small);
    return 0;
}
