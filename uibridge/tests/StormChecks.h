// What the storm tests share: random log lines from a seeded generator, the
// first mismatches of a long run, and the comparison of the process's
// resources from one round of a storm to the next.
#pragma once

#include "ProcessResources.h"

#include <random>
#include <string>

// Line number n with a random tail: format directives, tabs, letters of code
// page 1252 beyond ASCII; one line in a thousand is 2 000 characters long.
std::string RandomLine(std::mt19937& rng, int n);

// Keeps the first few mismatches of a run of a million calls, so that a
// fault shows what went wrong without a million lines of output.
class Mismatches {
public:
    // describe() is called only for a mismatch.
    template <typename Describe>
    void Check(bool ok, Describe&& describe)
    {
        if (ok)
            return;
        if (m_count++ < kKept)
            m_first += describe() + "\n";
    }
    int Count() const { return m_count; }
    const std::string& First() const { return m_first; }

private:
    static constexpr int kKept = 5;
    int m_count = 0;
    std::string m_first;
};

// The process's handles, GDI and USER objects and windows at the end of the
// first round of a storm (once everything has been created and the heap has
// grown to its working size), against which every later round is compared.
class ResourceRounds {
public:
    void EndOfRound(Mismatches& mismatches);

private:
    int m_round = 0;
    ProcessResources m_first;
};
