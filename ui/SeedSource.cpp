#include "ui/SeedSource.h"

#include <chrono>

namespace {
std::optional<unsigned> g_fixedSeed;
}

unsigned randomSeed()
{
    if (g_fixedSeed) return *g_fixedSeed;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<unsigned>(std::chrono::duration_cast<std::chrono::seconds>(now).count());
}

void fixRandomSeed(std::optional<unsigned> seed)
{
    g_fixedSeed = seed;
}
