#pragma once

// Internals shared by the formula drawing sources; not part of the mathematics core's interface.

#include "mathcore/LessonMetrics.h"
#include "ui/Canvas.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

namespace formula_detail {

constexpr std::u16string_view kOpenBracket = u"(";
constexpr std::u16string_view kCloseBracket = u")";

inline std::int16_t narrow(int value)
{
    return static_cast<std::int16_t>(value);
}

inline int length(std::u16string_view text)
{
    return static_cast<int>(text.size());
}

inline bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

/// The font's height plus its external leading.
inline int lineHeightOf(Canvas &canvas)
{
    const TextMetrics tm = canvas.textMetrics();
    return tm.height + tm.externalLeading;
}

/// Draws a text unless only measuring.
inline void put(Canvas &canvas, bool measureOnly, int x, int y, std::u16string_view text)
{
    if (!measureOnly) canvas.textOut(x, y, text);
}

/// The four fields of a root form.
struct RootParts
{
    std::u16string_view coefficient;
    std::u16string_view index;
    std::u16string_view radicand;
    std::u16string_view power;
};

/// Draws a root form; with `blankWidth` the radicand is a blank of that width (the caller has laid
/// out the radicand itself) and only the power, unless it reads "1", stands behind the bar.
/// Returns the width used.
int drawRootForm(LessonMetrics &metrics, Canvas &canvas, int x, int y, const RootParts &root,
                 bool measureOnly, std::optional<int> blankWidth);

} // namespace formula_detail
