#include "drill/SequenceDrill.h"

#include "mathcore/FigureHelpers.h"

#include <algorithm>

namespace {

/// The first factor of the general term: b alone, (n+b) or (an+b).
std::u16string firstFactor(DrillPage &page, int a, int b)
{
    if (a == 0) return page.format(u"%d", b);
    if (a == 1) return page.format(u"(n+%d)", b);
    return page.format(u"(%dn+%d)", a, b);
}

} // namespace

void drawSequenceSumDrill(DrillPage &page)
{
    const int cw = page.cw();
    const int ch = page.ch();
    const int a = page.p(0);
    const int b = page.p(1);
    const int c = page.p(2);
    page.text(2 * cw, ch, u"次の数列の和を求めよ。");
    const std::u16string general = firstFactor(page, a, b) + page.format(u"(n+%d)", c);
    const std::u16string line = page.format(u"%d･%d+", a + b, c + 1) +
                                page.format(u"%d･%d+", 2 * a + b, c + 2) + u"･･･+" + general;
    page.text(2 * cw, 3 * ch, line);
    if (!page.showAnswer) return;

    TextColorScope red(page.canvas, Colors::Red);
    std::u16string summand = general;
    std::replace(summand.begin(), summand.end(), u'n', u'k');
    DrawSigma(5 * cw, page.canvas, 6 * ch, ch);
    page.text(7 * cw, 6 * ch, summand + u" を計算する。");
}
