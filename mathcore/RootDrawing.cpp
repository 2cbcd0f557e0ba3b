#include "mathcore/FormulaDrawing.h"

#include "mathcore/FormulaDrawing_p.h"
#include "mathcore/FormulaText.h"

#include <algorithm>
#include <string>

using namespace formula_detail;

void DrawRootSign(int barWidth, Canvas &canvas, int x, int y, std::u16string_view text, int rows)
{
    const TextMetrics tm = canvas.textMetrics();
    const int cw = tm.aveCharWidth;
    int bar = barWidth + cw;
    if (barWidth == 0) {
        // Exponents in the text are drawn small, so each '^' takes back part of a character.
        const auto carets = static_cast<int>(std::count(text.begin(), text.end(), u'^'));
        bar = cw + canvas.textExtent(text).cx - (7 * cw * carets) / 5;
    }
    rows = std::clamp(rows, 1, 2);
    const int e = tm.height - tm.height / 8 - 2;
    const int top = rows == 1 ? y : y - tm.height / 3;
    canvas.moveTo(x - 3 * cw / 4, top + e * rows - e / 2);
    canvas.lineTo(x - cw / 2, top + e * rows - e / 8);
    canvas.lineTo(x, top - 4);
    canvas.lineTo(x + bar, top - 4);
}

namespace formula_detail {

int drawRootForm(LessonMetrics &metrics, Canvas &canvas, int x, int y, const RootParts &root,
                 bool measureOnly, std::optional<int> blankWidth)
{
    const TextMetrics tm = canvas.textMetrics();
    const int cw = tm.aveCharWidth;
    const int lineHeight = tm.height + tm.externalLeading;

    std::u16string_view shown = root.coefficient;
    if (shown == u"-1")
        shown = u"-";
    else if (shown == u"1")
        shown = {};
    Size coefficient;
    if (!shown.empty()) DrawSubscriptedText(metrics, canvas, x, y, shown, coefficient, measureOnly);
    int f = coefficient.cx + 8;

    if (root.index != u"2" && !root.index.empty()) {
        const int h1 = canvas.textExtent(u"1").cy;
        FontScope font(canvas, CreateScaledFont(canvas, h1 / 2));
        const int w = canvas.textExtent(root.index).cx;
        f += w;
        put(canvas, measureOnly, x + f - w / 2 - 4, y + h1 / 4, root.index);
    }

    std::u16string radicand(root.radicand);
    StripOuterParens(radicand);
    const bool stacked = !blankWidth && IsFractionText(radicand);
    int radicandX = x + f + cw / 2;
    int radicandWidth = 0;
    int extra = 0; // what stands right of the sign's bar
    if (blankWidth) {
        radicandWidth = *blankWidth;
        if (root.power != u"1") {
            FontScope font(canvas, CreateScaledFont(canvas, lineHeight / 2));
            const int afterBar = radicandX + radicandWidth + cw / 2;
            put(canvas, measureOnly, afterBar + 2, y - lineHeight / 8, root.power);
            extra = 2 + canvas.textExtent(root.power).cx;
        }
    } else if (root.power == u"1") {
        Size drawn;
        if (stacked) {
            radicandX = x + f + 5 * cw / 4;
            DrawFraction(metrics, canvas, radicandX, y, radicand, canvas.pen().color, drawn,
                         measureOnly);
        } else {
            DrawFormula(metrics, canvas, radicandX, y, radicand, drawn, measureOnly);
        }
        radicandWidth = drawn.cx;
    } else {
        Size drawn;
        radicandWidth = DrawPower(metrics, canvas, lineHeight, radicandX, y, root.radicand,
                                  root.power, drawn, measureOnly);
    }

    // The bar ends half a character right of the radicand.
    const int bar = radicandX - (x + f) + radicandWidth - cw / 2;
    if (!measureOnly)
        DrawRootSign(bar == 0 ? 1 : bar, canvas, x + f, y + 3, radicand, stacked ? 2 : 1);
    return radicandX - x + radicandWidth + cw / 2 + extra;
}

} // namespace formula_detail

std::int16_t DrawRootForm(std::u16string_view power, LessonMetrics &metrics, Canvas &canvas, int x,
                          int y, std::u16string_view coefficient, std::u16string_view index,
                          std::u16string_view radicand, bool measureOnly)
{
    const RootParts root{coefficient, index, radicand, power};
    return narrow(drawRootForm(metrics, canvas, x, y, root, measureOnly, std::nullopt));
}
