#include "drill/FunctionDrills.h"

#include "drill/DrillTerms.h"
#include "mathcore/FormulaDrawing.h"

#include <array>

namespace {

/// Value columns of the proportion table; the ones at index 2 and 4 are left for the student.
constexpr int kProportionColumns = 5;

bool isAskedCell(int index)
{
    return index == 2 || index == 4;
}

/// The outline from (2ch, top) to (14ch, top + 4ch), a line under each row, a column line every
/// 2ch and a second line 2 pixels right of the first one, which closes the row labels.
void drawProportionGrid(DrillPage &page, int top)
{
    Canvas &canvas = page.canvas;
    const int ch = page.ch();
    const int left = 2 * ch;
    const int right = 14 * ch;
    const int bottom = top + 4 * ch;
    const std::array<Point, 4> outline{
        {{left, top}, {right, top}, {right, bottom}, {left, bottom}}};
    canvas.polygon(outline);
    for (int column = 1; column <= kProportionColumns + 1; ++column) {
        canvas.moveTo(left + 2 * ch * column, top);
        canvas.lineTo(left + 2 * ch * column, bottom);
    }
    canvas.moveTo(4 * ch + 2, top);
    canvas.lineTo(4 * ch + 2, bottom);
    for (const int y : {top + 2 * ch, bottom}) {
        canvas.moveTo(left, y);
        canvas.lineTo(right, y);
    }
}

/// The value of column `index`: p[10 + index] / p[15 + index] in real division ((6k + 6) / 4 is
/// 1.5). A zero divisor, which no drawn question holds, leaves the cell empty.
void drawProportionValue(DrillPage &page, int top, int index)
{
    const int divisor = page.p(15 + index);
    if (divisor == 0) return;
    const double value = static_cast<double>(page.p(10 + index)) / divisor;
    const int x = page.cw() + 2 * page.ch() * (index + 2);
    page.text(x, top + 2 * page.ch() + 12, page.format(u"%2.1f", value));
}

void drawProportionTable(DrillPage &page, bool inverse)
{
    const int ch = page.ch();
    // trunc(4.5 ch) in integers.
    const int top = 9 * ch / 2;
    drawProportionGrid(page, top);
    page.text(2 * ch, top + 12, inverse ? u"底辺" : u"高さ");
    page.text(2 * ch, top + 2 * ch + 12, inverse ? u"高さ" : u"面積");
    for (int index = 0; index < kProportionColumns; ++index) {
        const int x = page.cw() + 2 * ch * (index + 2);
        page.text(x, top + 12, page.format(u"%d", inverse ? index + 1 : index));
        if (!isAskedCell(index)) drawProportionValue(page, top, index);
    }
    if (!page.showAnswer) return;
    TextColorScope red(page.canvas, Colors::Red);
    for (int index = 0; index < kProportionColumns; ++index)
        if (isAskedCell(index)) drawProportionValue(page, top, index);
    page.text(page.cw(), 10 * ch, u"終了後、表の数値をマウスで入れて下さい。");
}

} // namespace

void drawProportionDrill(DrillPage &page)
{
    const bool inverse = page.variant == 1;
    const int cw = page.cw();
    if (inverse) {
        page.text(cw, 0,
                  page.format(u"（反比例）三角形の面積が %dのとき、底辺と高さの", page.p(0)));
        page.text(cw, page.ch(), u"関係の表を下図のように作った。空欄をうめよ。");
    } else {
        page.text(cw, 0,
                  page.format(u"（比例）底辺の長さが %dの三角形について、高さと", page.p(0)));
        page.text(cw, page.ch(), u"面積の関係の表を下図のように作った。空欄をうめよ。");
    }
    drawProportionTable(page, inverse);
}

void drawLineDrill(DrillPage &page)
{
    const int cw = page.cw();
    const int ch = page.ch();
    const int a = page.p(0);
    const int b = page.p(1);
    const std::u16string equation = page.format(u"%s%s", equationHead(a), constantText(b));
    page.text(cw, ch, equation);
    page.text((static_cast<int>(equation.size()) + 1) * cw, ch, u"のグラフをかけ。");
    if (!page.showAnswer) return;

    TextColorScope red(page.canvas, Colors::Red);
    page.text(4 * cw, 6 * ch, page.format(u"傾き     %d", a));
    page.text(4 * cw, 7 * ch, page.format(u"ｙ切片   %d", b));
    // The x intercept -b/a, reduced; b = 0 gives 0.
    page.text(4 * cw, 8 * ch, page.format(u"ｘ切片   %s", reducedFractionText(-b, a)));
    drawCheckingNote(page, 10);
}

void drawParabolaDrill(DrillPage &page)
{
    const int cw = page.cw();
    const int ch = page.ch();
    const int a = page.p(0);
    const int b = page.p(1);
    const int c = page.p(2);
    const std::u16string head = equationHead(a);
    Size size;
    DrawPower(page.metrics, page.canvas, ch, 2 * cw, ch, head, u"2", size);
    const std::u16string rest = page.format(u"%s%s", laterTermText(b), constantText(c));
    const int headLength = static_cast<int>(head.size());
    page.text((headLength + 3) * cw, ch, rest);
    page.text((headLength + static_cast<int>(rest.size()) + 4) * cw, ch, u"のグラフをかけ。");
    if (!page.showAnswer) return;

    TextColorScope red(page.canvas, Colors::Red);
    // Axis x = -b/(2a); vertex y = (4ac - b²)/(4a). A zero numerator is written 0.
    const std::u16string axis = reducedFractionText(-b, 2 * a);
    const std::u16string vertex = reducedFractionText(4 * a * c - b * b, 4 * a);
    page.text(4 * cw, 6 * ch, page.format(u"軸    %s", axis));
    page.text(4 * cw, 8 * ch, page.format(u"頂点  (%s,%s)", axis, vertex));
    drawCheckingNote(page, 10);
}

void drawInequalityDrill(DrillPage &page)
{
    const int cw = page.cw();
    const int ch = page.ch();
    const int a = page.p(0);
    page.text(4 * cw, 0, u"次の不等式を解け。中学生(1)(2)");
    const std::u16string shifted = page.format(a < 0 ? u"x%d" : u"x+%d", a);
    page.text(4 * cw, 2 * ch, page.format(u"(1)  %s  > 0", shifted));
    page.text(4 * cw, 4 * ch, page.format(u"(2) -(%s) > 0", shifted));

    // (x + p1)(x + p2) = x² + (p1 + p2)x + p1 p2, and its negation; "(4) -(x" opens the bracket
    // that the text after the square closes.
    const std::u16string rest = page.format(u"%s%s", laterTermText(page.p(1) + page.p(2)),
                                            constantText(page.p(1) * page.p(2)));
    Size size;
    DrawPower(page.metrics, page.canvas, ch, 4 * cw, 6 * ch, u"(3)  x", u"2", size);
    page.text(10 * cw, 6 * ch, page.format(u"%s > 0", rest));
    DrawPower(page.metrics, page.canvas, ch, 4 * cw, 8 * ch, u"(4) -(x", u"2", size);
    page.text(11 * cw, 8 * ch, page.format(u"%s) > 0", rest));
    if (!page.showAnswer) return;

    TextColorScope red(page.canvas, Colors::Red);
    const int low = page.p(11);
    const int high = page.p(12);
    page.text(7 * cw, 3 * ch, page.format(u"x > %d", -a));
    page.text(7 * cw, 5 * ch, page.format(u"x < %d", -a));
    page.text(7 * cw, 7 * ch, page.format(u"x < %d, x> %d", low, high));
    page.text(7 * cw, 9 * ch,
              low == high ? std::u16string(u"解なし") : page.format(u"%d < x < %d", low, high));
    drawCheckingNote(page, 11);
}
