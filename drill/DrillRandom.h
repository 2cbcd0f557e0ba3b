#pragma once

#include <cstdint>

/// The drill window's pseudo-random generator: the classic C runtime's linear congruential step,
/// so that one seed always gives the same exercise.
class DrillRandom
{
public:
    /// Largest value `next` returns.
    static constexpr int kMax = 0x7FFF;

    explicit DrillRandom(unsigned seed = 1) : m_state(seed) {}

    void seed(unsigned seed) { m_state = seed; }

    /// The next draw, 0 to `kMax`: state = state * 214013 + 2531011, result (state >> 16) & 0x7FFF.
    int next()
    {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFFu);
    }

    /// The next draw modulo `n`: 0 to n - 1 (`n` must be positive).
    int below(int n) { return next() % n; }

    /// `below(n) - offset`, with a result of 0 replaced by 1: a value that is never zero (1 is
    /// twice as likely as any other).
    int nonZero(int n, int offset)
    {
        const int value = below(n) - offset;
        return value == 0 ? 1 : value;
    }

private:
    std::uint32_t m_state;
};
