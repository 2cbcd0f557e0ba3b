#include "drill/ExpDrills.h"

#include "mathcore/FormulaDrawing.h"

#include <cstdlib>
#include <limits>
#include <numeric>
#include <string>

namespace {

/// One exercise line of topic 2775: the question's power, and in the answer the same power of the
/// base with the exponents worked out, then its value.
struct ExponentRow
{
    int row;            ///< in cells
    int answerExponent; ///< the worked-out exponent
};

void drawPower(DrillPage &page, int x, int y, std::u16string_view base,
               std::u16string_view exponent)
{
    Size size;
    DrawPower(page.metrics, page.canvas, 3 * page.ch() / 2, x, y, base, exponent, size);
}

void drawExponentQuestion(DrillPage &page, int base)
{
    const int cw = page.cw();
    const int ch = page.ch();
    page.text(2 * cw, ch, u"次の式を計算せよ。");
    drawPower(page, 4 * cw, 3 * ch, page.format(u"(1) %d", base),
              page.format(u"%d+%d", page.p(1), page.p(2)));
    drawPower(page, 4 * cw, 5 * ch, page.format(u"(2) %d", base),
              page.format(u"%d-%d", page.p(3), page.p(4)));
    // (a^p5)^p6: the inner power opens the bracket, the outer one closes it.
    drawPower(page, 4 * cw, 7 * ch, page.format(u"(3) (%d", base), page.format(u"%d", page.p(5)));
    drawPower(page, 11 * cw - 4, 7 * ch, u")", page.format(u"%d", page.p(6)));
    for (const int row : {3, 5, 7})
        page.text(13 * cw, row * ch, u"=");
}

void drawExponentAnswer(DrillPage &page, int base, const ExponentRow &row)
{
    const int cw = page.cw();
    const int y = row.row * page.ch();
    drawPower(page, 14 * cw, y, page.format(u"%d", base), page.format(u"%d", row.answerExponent));
    // A value that cannot be a whole number (never for the drawn exponents) is left out.
    if (const std::optional<std::int64_t> value = wholePower(base, row.answerExponent))
        page.text(17 * cw, y, page.format(u"= %lld", static_cast<long long>(*value)));
}

} // namespace

std::optional<std::int64_t> wholePower(int base, int exponent)
{
    if (exponent < 0) return std::nullopt;
    std::int64_t value = 1;
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    for (int i = 0; i < exponent; ++i) {
        if (base != 0 && (value > kMax / std::abs(base) || value < -kMax / std::abs(base)))
            return std::nullopt;
        value *= base;
    }
    return value;
}

void drawExponentLawsDrill(DrillPage &page)
{
    const int base = page.p(0);
    drawExponentQuestion(page, base);
    if (!page.showAnswer) return;

    TextColorScope red(page.canvas, Colors::Red);
    for (const ExponentRow &row :
         {ExponentRow{3, page.p(10)}, ExponentRow{5, page.p(11)}, ExponentRow{7, page.p(12)}})
        drawExponentAnswer(page, base, row);
}

void drawInverseFunctionDrill(DrillPage &page)
{
    const int cw = page.cw();
    const int ch = page.ch();
    const int a = page.p(0);
    const int b = page.p(1);
    const int c = page.p(2);
    page.text(2 * cw, ch, u"次の関数の逆関数を求めよ。");
    page.text(2 * cw, 2 * ch, page.format(u"(1) y = %dx + %d", a, b));
    drawPower(page, 2 * cw, 5 * ch, page.format(u"(2) y = %d", c), u"x");
    page.text(12 * cw, 5 * ch, u"(y>0に注意)");
    if (!page.showAnswer) return;

    TextColorScope red(page.canvas, Colors::Red);
    // x = (y - b)/a, so y = (1/a)x - b/a with b/a in lowest terms.
    const int g = std::gcd(a, b);
    const int slope = g == 0 ? a : a / g;
    const int shift = g == 0 ? b : b / g;
    const std::u16string constant =
        slope == 1 ? page.format(u"%d", shift) : page.format(u"%d/%d", shift, slope);
    page.text(6 * cw, 3 * ch, page.format(u"ｘとｙとを入れ替えて、y=(1/%d)x-%s", a, constant));
    DrawSubscript(u"y = log", page.canvas, 3 * ch / 2, 6 * cw, 6 * ch, page.format(u"%d", c));
    page.text(13 * cw + 4, 6 * ch, u"x    (x>0)");
}
