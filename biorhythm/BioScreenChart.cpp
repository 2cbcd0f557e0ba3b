#include "biorhythm/BioChart.h"

#include "biorhythm/BioCurve.h"
#include "mathcore/TextFormat.h"

namespace {

void drawLegend(Canvas &canvas, int u, int w)
{
    for (std::size_t i = 0; i < kBiorhythmCycles.size(); ++i) {
        const BiorhythmCycle &cycle = kBiorhythmCycles[i];
        TextColorScope color(canvas, cycle.color);
        canvas.textOut(19 * u + 2 * w, (6 + static_cast<int>(i)) * u, cycle.label);
    }
    TextColorScope black(canvas, Colors::Black);
    canvas.textOut(19 * u + w, 9 * u, u"(要注意日)");
    canvas.textOut(19 * u + w, 10 * u, u" ０交差日 ");
}

void drawAxes(Canvas &canvas, int u)
{
    PenScope pen(canvas, Pen{PenStyle::Solid, 2, Colors::Black});
    canvas.moveTo(2 * u, 5 * u);
    canvas.lineTo(2 * u, 13 * u);
    canvas.textOut(u, 5 * u, u"+");
    canvas.textOut(u, 9 * u - 8, u"0");
    canvas.textOut(u, 12 * u, u"-");
    canvas.moveTo(2 * u, 9 * u);
    canvas.lineTo(18 * u, 9 * u);
    canvas.textOut(18 * u + 2, 9 * u - u / 2, u"日");
}

void drawDayLines(Canvas &canvas, int u, double pixelsPerDay)
{
    FontScope font(canvas, Font{2 * u / 3, 0, 0, u"MS Serif"});
    PenScope pen(canvas, Pen{PenStyle::Dot, 1, Colors::Blue});
    for (int k = 1; k <= 31; ++k) {
        const int x = 2 * u + static_cast<int>(pixelsPerDay * k);
        canvas.moveTo(x, 5 * u);
        canvas.lineTo(x, 13 * u);
        canvas.textOut(x - 8, 9 * u, formatText(u" %d", k));
    }
}

} // namespace

void drawBiorhythmScreen(Canvas &canvas, const BiorhythmChart &chart, int cellWidth, int cellHeight,
                         double circleConstant)
{
    const int u = cellHeight;
    const int w = cellWidth;
    const Rect chartBox{2 * u, 5 * u, 18 * u, 13 * u};
    canvas.fillRect(Rect{19 * u, 6 * u, 24 * u, 11 * u}, Colors::White);
    canvas.fillRect(chartBox, Colors::White);

    BkModeScope transparent(canvas, BkMode::Transparent);
    drawLegend(canvas, u, w);
    drawAxes(canvas, u);
    const double pixelsPerDay = 16.0 * u / 31.0;
    drawDayLines(canvas, u, pixelsPerDay);
    canvas.textOut(2 * u, 13 * u, formatText(u"当月までの生存日数＝%d日", chart.dayCount));

    if (!chart.hasCurves()) return;
    // Intellectual first, physical last, so the shortest cycle lies on top.
    for (auto it = kBiorhythmCycles.rbegin(); it != kBiorhythmCycles.rend(); ++it) {
        PenScope pen(canvas, Pen{PenStyle::Solid, 2, it->color});
        const CurveTrace trace = traceBiorhythmCurve(
            chartBox, pixelsPerDay, it->period, chart.dayCount, chart.monthDays, circleConstant);
        drawCurve(canvas, trace);
    }
}
