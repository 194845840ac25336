// RandomLine and the rounds of resource counts.
#include "StormChecks.h"

#include <sstream>

std::string RandomLine(std::mt19937& rng, int n)
{
    static const char kLetters[] = "abcXYZ 019%sdn%%\t\xE9\xFC\x80-";
    std::string line = "#" + std::to_string(n) + " ";
    const size_t length = rng() % 1000 == 0 ? 2000 : rng() % 60;
    for (size_t i = 0; i < length; ++i)
        line += kLetters[rng() % (sizeof kLetters - 1)];
    return line;
}

void ResourceRounds::EndOfRound(Mismatches& mismatches)
{
    const ProcessResources now = CurrentProcessResources();
    if (m_round++ == 0) {
        m_first = now;
        return;
    }
    mismatches.Check(!now.Exceeds(m_first), [&] {
        std::ostringstream os;
        os << "round " << m_round << ": " << now << " after the first round's " << m_first;
        return os.str();
    });
}
