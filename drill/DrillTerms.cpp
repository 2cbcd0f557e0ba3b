#include "drill/DrillTerms.h"

#include "mathcore/ExactFraction.h"
#include "mathcore/TextFormat.h"

std::u16string leadingTermText(int k)
{
    if (k == 1) return u" x";
    if (k == -1) return u"-x";
    return formatText(u"%dx", k);
}

std::u16string laterTermText(int k)
{
    if (k == 0) return {};
    if (k == 1) return u"+x";
    if (k == -1) return u"-x";
    return formatText(k < 0 ? u"%dx" : u"+%dx", k);
}

std::u16string constantText(int k)
{
    if (k == 0) return {};
    return formatText(k < 0 ? u"%d" : u"+%d", k);
}

std::u16string equationHead(int a)
{
    if (a == 1) return u"y = x";
    if (a == -1) return u"y = -x";
    return formatText(u"y = %dx", a);
}

std::u16string reducedFractionText(int num, int den)
{
    // No drill draws a zero denominator; it is written "0" rather than as a division by zero.
    if (den == 0) return u"0";
    return FormatReducedFraction(num, den);
}

void drawCheckingNote(DrillPage &page, int row)
{
    page.text(0, row * page.ch(), u"（注意）終了後、元の画面で数値を入れる等で、");
    page.text(page.cw(), (row + 1) * page.ch(), u"      答えを確認して下さい。");
}
