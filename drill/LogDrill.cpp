#include "drill/LogDrill.h"

#include "mathcore/FormulaDrawing.h"

#include <array>
#include <cstddef>
#include <optional>

namespace {

struct LogBase
{
    int x;
    int twos;   ///< b: the power of 2 in 2x
    int threes; ///< c: the power of 3 in 2x
};

constexpr std::array<LogBase, kLogDrillBases> kBases = {{
    {2, 2, 0},
    {3, 1, 1},
    {4, 3, 0},
    {6, 2, 1},
    {8, 4, 0},
    {9, 1, 2},
}};

/// From this index on 5/x < 1, so the question asks for the first non-zero decimal place.
constexpr int kFirstBaseBelowOne = 3;

std::optional<LogBase> baseAt(int index)
{
    if (index < 0 || index >= kLogDrillBases) return std::nullopt;
    return kBases[static_cast<std::size_t>(index)];
}

int power(int base, int exponent)
{
    int value = 1;
    for (int i = 0; i < exponent; ++i)
        value *= base;
    return value;
}

/// A coefficient in front of log 2 or log 3: empty for 1.
std::u16string coefficientText(DrillPage &page, int value)
{
    return value == 1 ? std::u16string() : page.format(u"%d", value);
}

/// (5/x) with the 5 stacked over x inside the brackets, raised to n.
void drawFifthPower(DrillPage &page, int x, int y, int base, const std::u16string &exponent)
{
    const int h = 3 * page.ch() / 2;
    Size size;
    DrawPower(page.metrics, page.canvas, h, x, y, u"(──)", exponent, size);
    page.text(x + 2 * page.cw(), y - 10, u"5");
    page.text(x + 2 * page.cw(), y + 8, page.format(u"%d", base));
}

void drawQuestion(DrillPage &page, const LogBase &base, const std::u16string &exponent)
{
    const int cw = page.cw();
    const int ch = page.ch();
    page.text(2 * cw, ch, u"次の問いに答えよ。ただし log2=0.3010,log3=0.4771");

    page.text(cw, 3 * ch, u"(1)");
    DrawSubscript(u"log", page.canvas, 3 * ch / 2, 4 * cw, 3 * ch, u" ");
    drawFifthPower(page, 7 * cw, 3 * ch, base.x, exponent);
    page.text(16 * cw, 3 * ch, u"を計算せよ。");

    page.text(cw, 10 * ch, u"(2)");
    drawFifthPower(page, 4 * cw, 10 * ch, base.x, exponent);
    if (page.p(0) >= kFirstBaseBelowOne) {
        page.text(13 * cw, 10 * ch, u"は小数第何位に初めて０でない");
        page.text(3 * cw, 12 * ch, u"数があらわれるか。");
    } else {
        page.text(13 * cw, 10 * ch, u"の整数部分は何桁か。");
    }
}

/// Rows 5 to 7: n log 10/(2x) = n(log 10 - log 2^b - log 3^c) = n(log10 - b log2 - c log3)
/// = n(1 - b*0.3010 - c*0.4771). Returns the column where the right-hand sides start.
int drawAnswerSteps(DrillPage &page, const LogBase &base, const std::u16string &exponent)
{
    const int cw = page.cw();
    const int ch = page.ch();
    const int b = page.p(10);
    const int c = page.p(11);

    const std::u16string head = page.format(u"与式= %s", exponent);
    page.text(3 * cw, 5 * ch, head);
    int column = static_cast<int>(head.size()) + 5;
    DrawSubscript(u"log", page.canvas, 3 * ch / 2, column * cw, 5 * ch, u"10");
    page.text((column + 4) * cw, 5 * ch, u"──");
    page.text((column + 5) * cw, 5 * ch - 10, u"10");
    const std::u16string twice = page.format(u"2*%d", base.x);
    page.text((column + 4) * cw, 5 * ch + 8, twice);
    column += static_cast<int>(twice.size()) + 5;

    const std::u16string logs = c == 0 ? page.format(u"log%d", page.p(12))
                                       : page.format(u"log%d-log%d", page.p(12), page.p(13));
    page.text(column * cw, 5 * ch, page.format(u"= %s(log10-%s)", exponent, logs));

    const std::u16string twos = coefficientText(page, b);
    const std::u16string threes = coefficientText(page, c);
    const std::u16string split =
        c == 0 ? page.format(u"%slog2", twos) : page.format(u"%slog2-%slog3", twos, threes);
    page.text(column * cw, 6 * ch, page.format(u"= %s(log10-%s)", exponent, split));

    const std::u16string twosTimes = twos.empty() ? twos : twos + u'*';
    const std::u16string threesTimes = threes.empty() ? threes : threes + u'*';
    const std::u16string values = c == 0
                                      ? page.format(u"%s0.3010", twosTimes)
                                      : page.format(u"%s0.3010-%s0.4771", twosTimes, threesTimes);
    page.text(column * cw, 7 * ch, page.format(u"= %s(1-%s)", exponent, values));
    return column;
}

/// Rows 8, 13 and 14: the value N of (1) and what it says about (2). For N < 0, with K = N - 1
/// cut toward zero, (5/x)^n = 10^K * 10^(N-K) with 1 <= 10^(N-K) < 10, so the first non-zero
/// digit stands in decimal place -K; for N > 0 the number has N + 1 cut toward zero digits.
void drawConclusion(DrillPage &page, int column)
{
    const int cw = page.cw();
    const int ch = page.ch();
    const double logarithm = 1.0 - page.p(10) * 0.301 - page.p(11) * 0.4771;
    const float value = static_cast<float>(logarithm * page.p(1));
    page.text(column * cw, 8 * ch, page.format(u"= %5.3f", value));

    if (page.p(0) >= kFirstBaseBelowOne) {
        const int whole = static_cast<int>(value - 1.0f);
        const float rest = value - static_cast<float>(whole);
        page.text(3 * cw, 13 * ch, page.format(u"(1)=%5.3f=%d+%5.3f", value, whole, rest));
        page.text(3 * cw, 14 * ch, page.format(u"だから、第 %d位", -whole));
    } else {
        page.text(3 * cw, 13 * ch, page.format(u"(1)=%5.3f", value));
        page.text(3 * cw, 14 * ch, page.format(u"だから、%d桁", static_cast<int>(value + 1.0f)));
    }
}

} // namespace

void deriveLogDrillValues(DrillParams &p)
{
    const std::optional<LogBase> base = baseAt(p[0]);
    if (!base) return;
    p[10] = static_cast<std::int16_t>(base->twos);
    p[11] = static_cast<std::int16_t>(base->threes);
    p[12] = static_cast<std::int16_t>(power(2, base->twos));
    p[13] = static_cast<std::int16_t>(power(3, base->threes));
}

void drawLogarithmDrill(DrillPage &page)
{
    const std::optional<LogBase> base = baseAt(page.p(0));
    if (!base) return;
    const std::u16string exponent = page.format(u"%d", page.p(1));
    drawQuestion(page, *base, exponent);
    if (!page.showAnswer) return;

    TextColorScope red(page.canvas, Colors::Red);
    const int column = drawAnswerSteps(page, *base, exponent);
    drawConclusion(page, column);
}
