#include "drill/MatrixDrills.h"

#include "mathcore/MatrixDrawing.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace {

/// Gap in pixels between the wider row's end and the rightmost point of the right bracket: the
/// arc's ends lean 4 pixels back towards the rows.
constexpr int kRightBracketGap = 6;
/// Gap between the label and the left bracket: three blanks follow the label in the matrix-basics
/// question, only two in the simultaneous-equations answer.
constexpr int kBasicsLabelGap = 4;
constexpr int kSystemLabelGap = 1;

/// Draws labelled matrix rows ("A =   1  2" over "       3  4") at (x, row ch) and (x, (row + 1)
/// ch) with brackets in `color`, measured in the current font: the left one `labelGap` pixels
/// right of the label ("A ="), the right one just after the wider row.
void drawLabelledMatrix(DrillPage &page, int x, int row, std::u16string_view label, int labelGap,
                        const std::u16string &first, const std::u16string &second, Rgb color)
{
    const int ch = page.ch();
    page.text(x, row * ch, first);
    page.text(x, (row + 1) * ch, second);
    const int left = x + page.canvas.textExtent(label).cx + labelGap;
    const int width = std::max(page.canvas.textExtent(first).cx, page.canvas.textExtent(second).cx);
    DrawMatrixBrackets(page.canvas, left, x + width + kRightBracketGap, row * ch, ch, color);
}

/// A result matrix of the answer at (x, row ch): rows "%2d  %2d", brackets 4 pixels outside the
/// rows on the left and just after the wider row on the right.
void drawAnswerMatrix(DrillPage &page, int x, int row, int first)
{
    const int ch = page.ch();
    const int width = DrawMatrixRows(
        page.canvas, x, row * ch, ch, page.format(u"%2d  %2d", page.p(first), page.p(first + 1)),
        page.format(u"%2d  %2d", page.p(first + 2), page.p(first + 3)));
    DrawMatrixBrackets(page.canvas, x - 4, x + width + kRightBracketGap, row * ch, ch, Colors::Red);
}

/// The x term of an equation: " x" for 1, "-x" for -1, else "%dx".
std::u16string leadingTerm(DrillPage &page, int k)
{
    if (k == 1) return u" x";
    if (k == -1) return u"-x";
    return page.format(u"%dx", k);
}

/// The y term: "+y" for 1, "-y" for -1, "%dy" for other negatives, "+%dy" for other positives.
std::u16string laterYTerm(DrillPage &page, int k)
{
    if (k == 1) return u"+y";
    if (k == -1) return u"-y";
    return page.format(k < 0 ? u"%dy" : u"+%dy", k);
}

} // namespace

void drawMatrixBasicsDrill(DrillPage &page)
{
    const int cw = page.cw();
    const int ch = page.ch();
    drawLabelledMatrix(page, 2 * cw, 1, u"A =", kBasicsLabelGap,
                       page.format(u"A =   %2d  %2d", page.p(0), page.p(1)),
                       page.format(u"       %2d  %2d", page.p(2), page.p(3)), Colors::Black);
    drawLabelledMatrix(page, 18 * cw, 1, u"B =", kBasicsLabelGap,
                       page.format(u"B =   %2d  %2d", page.p(4), page.p(5)),
                       page.format(u"       %2d  %2d", page.p(6), page.p(7)), Colors::Black);
    page.text(2 * cw, 3 * ch, u"このとき、次の計算をせよ。");
    page.text(2 * cw, 5 * ch, u"A + B =");
    page.text(2 * cw, 8 * ch, u"AB    =");
    if (!page.showAnswer) return;
    TextColorScope red(page.canvas, Colors::Red);
    drawAnswerMatrix(page, 10 * cw, 5, 10);
    drawAnswerMatrix(page, 10 * cw, 8, 14);
}

void drawSimultaneousDrill(DrillPage &page)
{
    const int cw = page.cw();
    const int ch = page.ch();
    // The coefficients of x and y are never shown as 0.
    std::array<int, 6> c{};
    for (int i = 0; i < 6; ++i)
        c[static_cast<std::size_t>(i)] = page.p(i);
    for (const std::size_t i : {0u, 1u, 3u, 4u})
        if (c[i] == 0) c[i] = 1;
    page.text(cw, ch, u"次の連立方程式を解け。");
    page.text(cw, 5 * ch / 2, u"{");
    for (std::size_t i = 0; i < 2; ++i) {
        const std::u16string x = leadingTerm(page, c[3 * i]);
        const std::u16string y = laterYTerm(page, c[3 * i + 1]);
        page.text(3 * cw, static_cast<int>(2 + i) * ch,
                  page.format(u"%s %s = %d", x, y, c[3 * i + 2]));
    }
    if (!page.showAnswer) return;
    TextColorScope red(page.canvas, Colors::Red);
    drawLabelledMatrix(page, 2 * cw, 6, u"A =", kSystemLabelGap,
                       page.format(u"A =  %2d  %2d", c[0], c[1]),
                       page.format(u"      %2d  %2d", c[3], c[4]), Colors::Red);
    drawLabelledMatrix(page, 16 * cw, 6, u"B =", kSystemLabelGap, page.format(u"B =  %2d", c[2]),
                       page.format(u"      %2d", c[5]), Colors::Red);
    page.text(24 * cw, 7 * ch, u"を代入");
}
