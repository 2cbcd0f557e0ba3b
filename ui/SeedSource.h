#pragma once

#include <optional>

/// The seed for a window's random generator: the current time in seconds, unless a test or the
/// render tool has fixed one.
unsigned randomSeed();

/// Fixes the seed that `randomSeed` returns (nullopt: back to the clock).
void fixRandomSeed(std::optional<unsigned> seed);
