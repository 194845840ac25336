// Timing of two pieces of work measured side by side in one run: a batch of
// one, then a batch of the other, many times over, so that the load of the
// machine at any moment weighs on both alike; the figures are medians.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

// Microseconds per call of one batch of `calls` calls of work(i).
template <typename Work>
double MicrosecondsPerCall(int calls, Work&& work)
{
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    for (int i = 0; i < calls; ++i)
        work(i);
    ::QueryPerformanceCounter(&end);
    return 1e6 * static_cast<double>(end.QuadPart - start.QuadPart) /
           (static_cast<double>(frequency.QuadPart) * calls);
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Comparison {
    double measured;   // median microseconds per call of the work under study
    double baseline;   // the same for the work it is compared with
    double ratio;      // median of the ratios of batches timed one after the other
};

// Each batch function times one batch and returns microseconds per call.
// Which of the two goes first alternates from one repetition to the next.
template <typename MeasuredBatch, typename BaselineBatch>
Comparison CompareSideBySide(int repetitions, MeasuredBatch&& measured, BaselineBatch&& baseline)
{
    std::vector<double> a, b, ratios;
    for (int r = 0; r < repetitions; ++r) {
        double ta, tb;
        if (r % 2 == 0) {
            ta = measured();
            tb = baseline();
        } else {
            tb = baseline();
            ta = measured();
        }
        a.push_back(ta);
        b.push_back(tb);
        ratios.push_back(ta / tb);
    }
    return { Median(a), Median(b), Median(ratios) };
}
