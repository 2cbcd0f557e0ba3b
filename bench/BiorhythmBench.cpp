#include "biorhythm/BioChart.h"
#include "biorhythm/BioRythm.h"
#include "ui/QtCanvas.h"

#include <QImage>

#include <benchmark/benchmark.h>

namespace {

void startChart(CBioRythm &window)
{
    window.initialize();
    window.setControlText(151, u"1925");
    window.setControlText(152, u"6");
    window.setControlText(153, u"15");
    window.setControlText(154, u"2025");
    window.setControlText(155, u"6");
    window.pressButton(104);
}

} // namespace

// A full repaint of the chart with its three curves, on the window's backing image.
static void BM_BiorhythmScreenPaint(benchmark::State &state)
{
    CBioRythm window;
    startChart(window);
    for (auto _ : state) {
        window.invalidate(true);
        benchmark::DoNotOptimize(window.surface().constBits());
    }
}
BENCHMARK(BM_BiorhythmScreenPaint);

// The printed page at 300 dpi on an A4 image: three panels with axes, labels and curves.
static void BM_BiorhythmPrintedPage(benchmark::State &state)
{
    CBioRythm window;
    startChart(window);
    QImage page(2480, 3508, QImage::Format_RGB32);
    PageSetup setup;
    setup.screenCell = window.cellHeight();
    setup.scale = 300.0 / 96.0;
    setup.year = 2025;
    setup.month = 6;
    setup.day = 1;
    for (auto _ : state) {
        page.fill(Qt::white);
        QtCanvas canvas(page);
        drawBiorhythmPage(canvas, window.chart(), setup, window.circleConstant());
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK(BM_BiorhythmPrintedPage);
