#pragma once

#include <array>
#include <functional>
#include <optional>

/// The value pairs a function lesson hands to its correspondence table: x and the matching y of
/// the function it draws, in single precision. A pair whose y is undefined (the pole of a
/// fractional function) is flagged, so that any real value can still be shown as it is.
struct CorrespondencePoints
{
    /// Pairs the table holds at most.
    static constexpr int kCapacity = 10;
    /// Pairs a lesson hands over: one per grid column, x = -4w .. 4w.
    static constexpr int kColumnPairs = 9;

    int m_tableCount = 0;
    std::array<float, kCapacity> m_tableX{};
    std::array<float, kCapacity> m_tableY{};
    std::array<bool, kCapacity> m_tableDefined{};

    /// Rebuilds the pairs for the grid columns x = j * step, j = -4..4; `valueAt` gives y for x, or
    /// nothing where the function is undefined.
    void fillColumns(int step, const std::function<std::optional<double>(double)> &valueAt);
};
