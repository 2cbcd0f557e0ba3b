#pragma once

#include "ui/Canvas.h"

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

    /// Derives the layout units from the client area with the window's divisors (width / columns,
    /// height / rows, integer division; a divisor below 1 gives 0) and takes the window's circle
    /// constant.
    void setLayout(Size client, int columns, int rows, double circleConstant)
    {
        m_unitX = static_cast<std::int16_t>(columns > 0 ? client.cx / columns : 0);
        m_unitY = static_cast<std::int16_t>(rows > 0 ? client.cy / rows : 0);
        m_circleConstant = circleConstant;
    }

    /// Stores `text` in the scratch text, cut at its capacity.
    void setScratchText(std::u16string_view text)
    {
        m_scratchText.assign(text.substr(0, kScratchCapacity - 1));
    }
};
