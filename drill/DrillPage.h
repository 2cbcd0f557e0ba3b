#pragma once

#include "drill/DrillParameters.h"
#include "mathcore/LessonMetrics.h"
#include "mathcore/TextFormat.h"
#include "ui/Canvas.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

/// Characters a question text may hold, its terminator included (at most 63 are kept).
constexpr std::size_t kDrillTextCapacity = 64;

/// What a question generator draws with: the paint surface (transparent background, the window's
/// default font, black text), the drill window's metrics with its cell units, the question's
/// parameters and whether the answer is to be shown.
struct DrillPage
{
    Canvas &canvas;
    LessonMetrics &metrics;
    const DrillParams &params;
    std::int16_t variant = 0;
    bool showAnswer = false;

    /// Cell width and height in pixels.
    int cw() const { return metrics.m_unitX; }
    int ch() const { return metrics.m_unitY; }
    /// Parameter `index` (0 to 19) as an int.
    int p(int index) const { return params[static_cast<std::size_t>(index)]; }

    /// Formats a text into the scratch text, cut at the question text capacity, and returns it.
    template <typename... Args>
    std::u16string format(std::u16string_view pattern, const Args &...args)
    {
        std::u16string text = formatText(pattern, args...);
        cutToCapacity(text, kDrillTextCapacity - 1);
        metrics.setScratchText(text);
        return text;
    }

    /// Draws a text with the top-left of its cell at (x, y).
    void text(int x, int y, std::u16string_view text) { canvas.textOut(x, y, text); }
};
