#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

/// The block of values every lesson window (and the drill window) owns and hands by reference to
/// the formula and figure drawing helpers.
struct LessonMetrics
{
    /// Characters the scratch text can hold, its terminator included: at most 127 characters are
    /// kept.
    static constexpr std::size_t kScratchCapacity = 128;

    /// The circle constant with ten decimals, used for degree-to-radian conversion and arrow
    /// angles.
    double m_circleConstant = 3.1415926535;
    /// Work buffer for texts the helpers format or report; write it with `setScratchText`.
    std::u16string m_scratchText;
    /// Horizontal layout unit in pixels (client width divided by the window's divisor).
    std::int16_t m_unitX = 0;
    /// Vertical layout unit in pixels (client height divided by the window's divisor).
    std::int16_t m_unitY = 0;

    /// Stores `text` in the scratch text, cut at its capacity.
    void setScratchText(std::u16string_view text)
    {
        m_scratchText.assign(text.substr(0, kScratchCapacity - 1));
    }
};
