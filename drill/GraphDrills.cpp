#include "drill/GraphDrills.h"

#include "drill/DrillTerms.h"
#include "mathcore/FigureHelpers.h"
#include "mathcore/FormulaDrawing.h"

namespace {

/// Values of the correspondence question, for 1 to 5.
constexpr int kCorrespondenceValues = 5;

/// The discriminant's verdict on whether the parabola meets the x axis, in two lines. The
/// sentence for a touching parabola is the one the lesson has always shown.
void drawAxisVerdict(DrillPage &page, int discriminant)
{
    const int x = 6 * page.cw();
    const int ch = page.ch();
    if (discriminant > 0) {
        page.text(x, 6 * ch, page.format(u"D = %d > 0 だから", discriminant));
        page.text(x, 7 * ch, u"（１）のグラフはｘ軸と２点で交わる。");
    } else if (discriminant < 0) {
        page.text(x, 6 * ch, page.format(u"D = %d < 0 だから", discriminant));
        page.text(x, 7 * ch, u"（１）のグラフはｘ軸と交わらない。");
    } else {
        page.text(x, 6 * ch, page.format(u"D = %d だから", discriminant));
        page.text(x, 7 * ch, u"（１）のグラフは接ｘ軸とする。");
    }
}

/// y = k/(x - s) + t stacked at (x, y): k over a bar over x - s, the bar in the row of "y = ".
void drawShiftedFunction(DrillPage &page, int x, int y, int s, int t)
{
    const int cw = page.cw();
    page.text(x + (s != 0 ? 5 : 4) * cw, y, page.format(u"%d", page.p(0)));
    page.text(x, y + 12, page.format(u"y = %s %s", s != 0 ? u"───" : u"─", constantText(t)));
    std::u16string denominator = u"x";
    if (s > 0) denominator = page.format(u"x-%d", s);
    if (s < 0) denominator = page.format(u"x+%d", -s);
    page.text(x + 4 * cw, y + 22, denominator);
}

/// f(t) of relation `relation`: a t, a t², t + a or a / t, in single precision.
float correspondingValue(int relation, float a, int t)
{
    const auto value = static_cast<float>(t);
    switch (relation) {
    case 1:
        return a * value;
    case 2:
        return a * value * value;
    case 3:
        return value + a;
    default:
        return a / value;
    }
}

void drawCorrespondenceChoices(DrillPage &page)
{
    const int x = 27 * page.cw();
    const int ch = page.ch();
    page.text(x, 3 * ch, u"1) y = ax");
    Size size;
    DrawPower(page.metrics, page.canvas, 3 * ch / 2, x, 4 * ch, u"2) y = ax", u"2", size);
    page.text(x, 5 * ch, u"3) y = x+a");
    page.text(x, 6 * ch, u"4) y = a/x");
}

/// The sets X and Y as ellipses with the arrow f between them, and an arrow from each t = 1..5 in
/// X to its image in Y. Arrows run through the middle of their rows, at (row + 1/2) ch.
void drawCorrespondenceSets(DrillPage &page, float a)
{
    Canvas &canvas = page.canvas;
    const int cw = page.cw();
    const int ch = page.ch();
    canvas.ellipse(3 * cw, 3 * ch, 9 * cw, 9 * ch);
    page.text(5 * cw, 3 * ch, u"X");
    canvas.ellipse(13 * cw, 3 * ch, 21 * cw, 9 * ch);
    page.text(16 * cw, 3 * ch, u"Y");
    DrawArrow(canvas, page.metrics, 9 * cw, 7 * ch / 2, 14 * cw, 7 * ch / 2);
    page.text(11 * cw, 6 * ch, u"f");
    for (int t = 1; t <= kCorrespondenceValues; ++t) {
        page.text(5 * cw, (t + 3) * ch, page.format(u"%d", t));
        const float image = correspondingValue(page.p(0), a, t);
        page.text(15 * cw, (t + 3) * ch, page.format(u"%4.2f", image));
        const int middle = (2 * t + 7) * ch / 2;
        DrawArrow(canvas, page.metrics, 9 * cw, middle, 14 * cw, middle);
    }
}

} // namespace

void drawEquationGraphDrill(DrillPage &page)
{
    const int cw = page.cw();
    const int ch = page.ch();
    const bool tangent = page.variant == 1;
    const std::u16string head = u"y = " + leadingTermText(page.p(0));
    Size size;
    DrawPower(page.metrics, page.canvas, 3 * ch / 2, 6 * cw, ch, head, u"2", size);
    page.text((static_cast<int>(head.size()) + 7) * cw, ch,
              page.format(u"%s %s ･･･(1)", laterTermText(page.p(1)), constantText(page.p(2))));
    page.text(6 * cw, 2 * ch,
              tangent ? u"y = c         ･･･(2)  のとき" : u"y = 0(ｘ軸)    ･･･(2)  のとき");
    page.text(4 * cw, 3 * ch,
              tangent ? u"(1)と(2)のグラフが接する。ｃの値を求めよ。"
                      : u"(1)と(2)のグラフが交わるか調べよ。");
    if (!page.showAnswer) return;

    TextColorScope red(page.canvas, Colors::Red);
    if (!tangent) {
        drawAxisVerdict(page, page.p(10));
        return;
    }
    // x² + bx + c0 = c touches when D = b² - 4(c0 - c) = 0, at c = c0 - (b/2)².
    const int b = page.p(1);
    page.text(6 * cw, 6 * ch, page.format(u"D = %d -4･1･(%d -c) = 0 から", b * b, page.p(2)));
    page.text(6 * cw, 7 * ch, page.format(u"c = %d", page.p(10)));
}

void drawFractionalShiftDrill(DrillPage &page)
{
    const int cw = page.cw();
    const int ch = page.ch();
    const int dx = page.p(3);
    const int dy = page.p(4);
    page.text(3 * cw, ch, page.format(u"次の関数のグラフをx軸方向に %d,y軸方向に%dだけ", dx, dy));
    page.text(2 * cw, 2 * ch, u"平行移動した関数を求めよ。");
    // The function stands three cell heights from the left edge as well as from the top.
    drawShiftedFunction(page, 3 * ch, 3 * ch, page.p(1), page.p(2));
    page.text(2 * cw, 5 * ch, page.format(u"ヒント：yに y-(%d),xに x-(%d)を代入する。", dy, dx));
    if (!page.showAnswer) return;

    TextColorScope red(page.canvas, Colors::Red);
    drawShiftedFunction(page, 3 * ch, 7 * ch, page.p(10), page.p(11));
}

void drawCorrespondenceDrill(DrillPage &page)
{
    // a = p[1] / p[2]; no drawn question has p[2] = 0, which would leave the relation undefined.
    if (page.p(2) == 0) return;
    const float a = static_cast<float>(page.p(1)) / static_cast<float>(page.p(2));
    page.text(2 * page.cw(), page.ch(), u"次の関数関係を表す式は1)-4)のどれか。");
    drawCorrespondenceChoices(page);
    drawCorrespondenceSets(page, a);
    if (!page.showAnswer) return;

    TextColorScope red(page.canvas, Colors::Red);
    page.text(27 * page.cw(), 9 * page.ch(), page.format(u"(%d) a=%3.1f", page.p(0), a));
}
