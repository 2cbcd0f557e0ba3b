#include "biorhythm/BioChart.h"

#include "biorhythm/BioCurve.h"
#include "mathcore/TextFormat.h"

#include <cmath>

namespace {

/// Page units: h and a from the page's default font, plus the screen lengths in printer units.
struct PageUnits
{
    int h = 0;
    int a = 0;
    double scale = 1.0;
    int u = 0; ///< the screen cell height in printer units

    int fromScreen(int pixels) const { return static_cast<int>(std::lround(pixels * scale)); }
};

void drawPanelAxes(Canvas &canvas, const PageUnits &units, int top)
{
    const int h = units.h;
    const int u = units.u;
    PenScope pen(canvas, Pen{PenStyle::Solid, 2, Colors::Black});
    canvas.moveTo(10 * h, top);
    canvas.lineTo(10 * h, top + 8 * h);
    canvas.textOut(10 * h - u, top, u"+");
    canvas.textOut(10 * h - u, top + 4 * h - units.fromScreen(8), u"0");
    canvas.textOut(10 * h - u, top + 7 * h, u"-");
    canvas.moveTo(10 * h, top + 4 * h);
    canvas.lineTo(26 * h, top + 4 * h);
    canvas.textOut(26 * h + units.fromScreen(4), top + 4 * h - u / 2, u"日");

    FontScope font(canvas, Font{2 * u / 3, 0, 0, u"MS Serif"});
    for (int k = 1; k <= 31; ++k) {
        const int x = 10 * h + k * 16 * h / 31;
        canvas.moveTo(x, top);
        canvas.lineTo(x, top + 8 * h);
        canvas.textOut(x - units.fromScreen(8), top + 4 * h, formatText(u"%d", k));
    }
}

void drawPanel(Canvas &canvas, const PageUnits &units, const BiorhythmChart &chart,
               const BiorhythmCycle &cycle, int top, double circleConstant)
{
    const int h = units.h;
    canvas.textOut(18 * h, top - h,
                   formatText(u" ＜%d年 %d月＞", chart.displayYear, chart.displayMonth));
    canvas.textOut(10 * h, top - h, cycle.label);
    canvas.rectangle(10 * h, top, 26 * h, top + 8 * h);
    drawPanelAxes(canvas, units, top);
    if (!chart.hasCurves()) return;

    canvas.textOut(10 * h, top + 8 * h, formatText(u"当月までの生存日数＝%d日", chart.dayCount));
    const Rect box{10 * h, top, 26 * h, top + 8 * h};
    const CurveTrace trace = traceBiorhythmCurve(box, 16.0 * h / 31.0, cycle.period, chart.dayCount,
                                                 chart.monthDays, circleConstant);
    drawCurve(canvas, trace);
    canvas.textOut(28 * h, top + 2 * h, formatText(u"要注意日： %s", trace.critical.text()));
}

} // namespace

void drawBiorhythmPage(Canvas &canvas, const BiorhythmChart &chart, const PageSetup &setup,
                       double circleConstant)
{
    PageUnits units;
    units.scale = setup.scale;
    units.u = units.fromScreen(setup.screenCell);

    // The page's default font is the screen's default font at the printer's resolution.
    Font pageFont = Canvas::defaultFont();
    pageFont.height = units.fromScreen(pageFont.height);
    FontScope font(canvas, pageFont);
    // Transparent text, so that labels never blank out the axes and day lines they sit on.
    BkModeScope transparent(canvas, BkMode::Transparent);
    const TextMetrics metrics = canvas.textMetrics();
    units.h = metrics.height + metrics.externalLeading;
    units.a = metrics.aveCharWidth;
    const int h = units.h;
    const int a = units.a;

    canvas.textOut(20 * a, 2 * h, u"《バイオリズム（ＰＳＩ）》");
    canvas.textOut(62 * a, 2 * h,
                   formatText(u"作成日付：%4d/%2d/%2d", setup.year, setup.month, setup.day));
    if (chart.hasCurves()) {
        canvas.textOut(22 * a, 5 * h,
                       formatText(u"生年月日： %d年 %d月 %d日", chart.birthYear, chart.birthMonth,
                                  chart.birthDay));
    }
    constexpr int kPanelTops[] = {10, 25, 40};
    for (std::size_t i = 0; i < kBiorhythmCycles.size(); ++i)
        drawPanel(canvas, units, chart, kBiorhythmCycles[i], kPanelTops[i] * h, circleConstant);
}
