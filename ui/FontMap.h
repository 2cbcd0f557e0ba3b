#pragma once

#include "ui/Canvas.h"

#include <QFont>
#include <QStringList>

#include <string_view>

/// The one table that turns the classic face names of figures and dialog templates into installed
/// font families: the Latin face first, then the Japanese fallback. Unknown faces get the
/// proportional gothic. On Windows the classic names are used as they are.
QStringList fontFamilies(std::u16string_view face);

/// The Qt font for a canvas font. The canvas font's height is the cell height in pixels; the pixel
/// size is chosen so that the font's ascent + descent comes out at the height or just below it.
/// The choice is measured once per font and cached.
QFont qtFont(const Font &font);

/// The font of the controls of a dialog template: face and size in points (pixel size =
/// points * 4 / 3, rounded).
QFont dialogFont(std::u16string_view face, int points);
