#include "drill/TrigDrills.h"

#include "mathcore/FigureHelpers.h"
#include "mathcore/FormulaDrawing.h"

#include <cstddef>
#include <cstdlib>
#include <string>

const std::array<CompositionRow, kCompositionRows> kCompositionTable = {{
    {u"-5π/6", {-3, true}, {-1, false}, 2},
    {u"-3π/4", {-2, true}, {-2, true}, 2},
    {u"-2π/3", {-1, false}, {-3, true}, 2},
    {u"-π/2", {0, false}, {-1, false}, 1},
    {u"-π/3", {1, false}, {-3, true}, 2},
    {u"-π/4", {2, true}, {-2, true}, 2},
    {u"-π/6", {3, true}, {-1, false}, 2},
    {u"+0", {1, false}, {0, false}, 1},
    {u"+π/6", {3, true}, {1, false}, 2},
    {u"+π/4", {2, true}, {2, true}, 2},
    {u"+π/3", {1, false}, {3, true}, 2},
    {u"+π/2", {0, false}, {1, false}, 1},
    {u"+2π/3", {-1, false}, {3, true}, 2},
    {u"+3π/4", {-2, true}, {2, true}, 2},
    {u"+5π/6", {-3, true}, {1, false}, 2},
}};

namespace {

/// Signs of sin, cos and tan in the quadrants 0 to 3; a blank stands for a positive value.
constexpr std::u16string_view kSineSigns = u"  --";
constexpr std::u16string_view kCosineSigns = u" -- ";
constexpr std::u16string_view kTangentSigns = u" - -";

std::u16string signText(std::u16string_view signs, int quadrant)
{
    return std::u16string(1, signs[static_cast<std::size_t>(quadrant)]);
}

void drawPower(DrillPage &page, int x, int y, std::u16string_view base,
               std::u16string_view exponent)
{
    Size size;
    DrawPower(page.metrics, page.canvas, 3 * page.ch() / 2, x, y, base, exponent, size);
}

/// A one-digit `radicand` at (x, y) under a root sign in the current text colour: the sign's hook
/// stands in the cell left of x, its bar over the digit.
void drawRooted(DrillPage &page, int x, int y, std::u16string_view radicand)
{
    DrawRadicalSign(u"#", page.metrics, page.canvas, x, y, 2, page.canvas.textColor());
    page.text(x, y, radicand);
}

// Topic 2785, row 5: cos²θ = 1 - sin²θ = 1 - n²/9.
void drawSquareRow(DrillPage &page, int n)
{
    const int cw = page.cw();
    const int y = 5 * page.ch();
    drawPower(page, 6 * cw, y, u"cos", u"2");
    page.text(9 * cw + 8, y, u"θ");
    page.text(12 * cw, y, u"= 1-");
    drawPower(page, 16 * cw, y, u"sin", u"2");
    page.text(19 * cw + 6, y, u"θ");
    page.text(22 * cw, y, u"= 1-");
    page.text(27 * cw, y, u"──");
    page.text(28 * cw, y - 10, page.format(u"%d", n * n));
    page.text(28 * cw, y + 10, u"9");
}

// Row 7: cosθ = ±2√2/3 for n = 1, ±√5/3 for n = 2.
void drawCosineRow(DrillPage &page, int quadrant, int n)
{
    const int cw = page.cw();
    const int y = 7 * page.ch();
    page.text(6 * cw, y, u"cosθ");
    page.text(12 * cw, y, page.format(u"=%s───", signText(kCosineSigns, quadrant)));
    if (n == 1) {
        page.text(15 * cw, y - 10, u"2");
        drawRooted(page, 17 * cw, y - 10, u"2");
    } else {
        drawRooted(page, 15 * cw + 4, y - 10, u"5");
    }
    page.text(16 * cw, y + 10, u"3");
}

// Row 10: tanθ = sinθ/cosθ = ±√2/4 for n = 1, ±2√5/5 for n = 2.
void drawTangentRow(DrillPage &page, int quadrant, int n)
{
    const int cw = page.cw();
    const int y = 10 * page.ch();
    page.text(6 * cw, y, u"tanθ");
    page.text(12 * cw, y, u"= ───");
    page.text(14 * cw, y - 10, u"sinθ");
    page.text(14 * cw, y + 10, u"cosθ");
    page.text(20 * cw, y, page.format(u"=%s───", signText(kTangentSigns, quadrant)));
    if (n == 1) {
        drawRooted(page, 24 * cw, y - 10, u"2");
        page.text(24 * cw, y + 10, u"4");
    } else {
        page.text(23 * cw, y - 10, u"2");
        drawRooted(page, 25 * cw, y - 10, u"5");
        page.text(24 * cw, y + 10, u"5");
    }
}

/// Draws `text` at (x, y) and returns the x of the next piece: its width and 4 pixels on.
int drawPiece(DrillPage &page, int x, int y, std::u16string_view text)
{
    page.text(x, y, text);
    return x + page.canvas.textExtent(text).cx + 4;
}

/// A rooted coefficient of the composition: 12 pixels for the sign's hook, then |value| under the
/// root sign. Returns the x of the next piece.
int drawRootedCoefficient(DrillPage &page, int x, int y, int value)
{
    x += 12;
    const std::u16string radicand = page.format(u"%d", std::abs(value));
    DrawRadicalSign(radicand, page.metrics, page.canvas, x, y, 2, Colors::Black);
    return drawPiece(page, x, y, radicand);
}

/// "a sinθ ±": a coefficient of 1 is not written, -1 as "-", a rooted one under a root sign, any
/// other with "･" before sinθ.
int drawSineTerm(DrillPage &page, int x, int y, const CompositionRow &row)
{
    std::u16string prefix;
    if (std::abs(row.a.value) == 1) {
        prefix = row.a.value < 0 ? u"-" : u"";
    } else if (row.a.rooted) {
        if (row.a.value < 0) {
            page.text(x, y, u"-");
            x += page.cw();
        }
        x = drawRootedCoefficient(page, x, y, row.a.value);
    } else {
        prefix = page.format(u"%d･", row.a.value);
    }
    const std::u16string_view sign = row.b.value < 1 ? u" -" : u" +";
    return drawPiece(page, x, y, page.format(u"%ssinθ%s", prefix, sign));
}

/// "|b| cosθ" (the sign was written after sinθ), then "=" right behind it; returns the x of the
/// right-hand side.
int drawCosineTerm(DrillPage &page, int x, int y, const CompositionRow &row)
{
    std::u16string prefix;
    if (std::abs(row.b.value) != 1) {
        if (row.b.rooted)
            x = drawRootedCoefficient(page, x, y, row.b.value);
        else
            prefix = page.format(u"%d･", std::abs(row.b.value));
    }
    const std::u16string cosine = page.format(u"%scosθ", prefix);
    page.text(x, y, cosine);
    x += page.canvas.textExtent(cosine).cx + page.cw();
    page.text(x - page.cw(), y, u"=");
    return x;
}

} // namespace

void drawTrigValuesDrill(DrillPage &page)
{
    const int index = page.p(0);
    if (index < 0 || index >= static_cast<int>(kTrigDrillAngles.size())) return;
    const int angle = kTrigDrillAngles[static_cast<std::size_t>(index)];
    const int cw = page.cw();
    const int ch = page.ch();
    page.text(2 * cw, ch, u"次の値を答えよ。");
    page.text(4 * cw, 3 * ch, page.format(u"cos(%dﾟ) =", angle));
    page.text(4 * cw, 6 * ch, page.format(u"sin(%dﾟ) =", angle));
    page.text(4 * cw, 9 * ch, page.format(u"tan(%dﾟ) =", angle));
    if (!page.showAnswer) return;

    // The reference triangle: O at the left, H below A.
    Canvas &canvas = page.canvas;
    canvas.moveTo(33 * cw, 5 * ch);
    canvas.lineTo(38 * cw, 5 * ch);
    canvas.lineTo(38 * cw, 3 * ch);
    canvas.lineTo(33 * cw, 5 * ch);
    page.text(33 * cw, 5 * ch, u"O");
    page.text(38 * cw, 5 * ch, u"H");
    page.text(38 * cw, 2 * ch, u"A");

    TextColorScope red(canvas, Colors::Red);
    DrawCosValue(angle, 3 * ch, canvas, page.metrics, 15 * cw, Colors::Red, true);
    DrawSinValue(angle, 6 * ch, canvas, page.metrics, 15 * cw, Colors::Red, true);
    DrawTanValue(canvas, page.metrics, 15 * cw, 9 * ch, angle, Colors::Red, true);
}

void drawTrigDefinitionDrill(DrillPage &page)
{
    const int quadrant = page.p(0);
    const int n = page.p(1);
    if (quadrant < 0 || quadrant > 3 || n < 1 || n > 2) return;
    const int cw = page.cw();
    const int ch = page.ch();
    page.text(2 * cw, ch,
              page.format(u"%dﾟ<θ<%dﾟで、%s=%s%d/3のとき、", 90 * quadrant, 90 * quadrant + 90,
                          u"sinθ", signText(kSineSigns, quadrant), n));
    page.text(6 * cw, 2 * ch, page.format(u"%s,%sの値を求めよ。", u"cosθ", u"tanθ"));
    if (!page.showAnswer) return;

    TextColorScope red(page.canvas, Colors::Red);
    drawSquareRow(page, n);
    drawCosineRow(page, quadrant, n);
    drawTangentRow(page, quadrant, n);
}

void drawCompositionDrill(DrillPage &page)
{
    const int index = page.p(0);
    if (index < 0 || index >= kCompositionRows) return;
    const CompositionRow &row = kCompositionTable[static_cast<std::size_t>(index)];
    const int cw = page.cw();
    const int ch = page.ch();
    page.text(2 * cw, ch, u"次の式中の角度αを求めよ。(-π<α<π)");

    const int y = 3 * ch;
    int x = drawSineTerm(page, 3 * cw, y, row);
    x = drawCosineTerm(page, x, y, row);
    const std::u16string amplitude = row.r == 1 ? std::u16string() : page.format(u"%d", row.r);
    page.text(x, y, page.format(u"%ssin(θ+α)", amplitude));
    if (!page.showAnswer) return;

    TextColorScope red(page.canvas, Colors::Red);
    page.text(7 * cw, 6 * ch, page.format(u"α= %s", row.alpha));
}
