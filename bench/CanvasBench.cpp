#include "ui/QtCanvas.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// A 625 x 400 block of escape-time colours: 250,000 pixels, as the fractal explorer paints them.
constexpr int kColumns = 625;
constexpr int kRows = 400;

Rgb escapeColor(int column, int row)
{
    const double cx = -2.0 + 2.5 * column / kColumns;
    const double cy = -1.0 + 2.0 * row / kRows;
    double x = 0, y = 0;
    int n = 0;
    while (n < 16 && x * x + y * y < 4) {
        const double t = x * x - y * y + cx;
        y = 2 * x * y + cy;
        x = t;
        ++n;
    }
    return kSystemPalette[static_cast<std::size_t>(n % 20)];
}

const std::vector<Rgb> &escapeColors()
{
    static const std::vector<Rgb> colors = [] {
        std::vector<Rgb> out;
        out.reserve(kColumns * kRows);
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                out.push_back(escapeColor(column, row));
        return out;
    }();
    return colors;
}

void BM_SetPixel250k(benchmark::State &state)
{
    const std::vector<Rgb> &colors = escapeColors();
    QImage image(640, 480, static_cast<QImage::Format>(state.range(0)));
    for (auto _ : state) {
        QtCanvas canvas(image);
        std::size_t i = 0;
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                canvas.setPixel(column, row, colors[i++]);
    }
    benchmark::DoNotOptimize(image.constBits());
    state.SetItemsProcessed(state.iterations() * kColumns * kRows);
}
// The direct path on a 32-bit image, and the painter on a 24-bit one for comparison.
BENCHMARK(BM_SetPixel250k)
    ->Arg(QImage::Format_RGB32)
    ->Arg(QImage::Format_RGB888)
    ->Unit(benchmark::kMillisecond);

void BM_SetPixelRun250k(benchmark::State &state)
{
    const std::vector<Rgb> &colors = escapeColors();
    QImage image(640, 480, static_cast<QImage::Format>(state.range(0)));
    for (auto _ : state) {
        QtCanvas canvas(image);
        for (int row = 0; row < kRows; ++row)
            canvas.setPixelRun(0, row, std::span(colors).subspan(row * kColumns, kColumns));
    }
    benchmark::DoNotOptimize(image.constBits());
    state.SetItemsProcessed(state.iterations() * kColumns * kRows);
}
BENCHMARK(BM_SetPixelRun250k)
    ->Arg(QImage::Format_RGB32)
    ->Arg(QImage::Format_RGB888)
    ->Unit(benchmark::kMillisecond);

// A parabola of 600 short segments plus a grid of 1-pixel lines, with a 1- or 2-pixel pen.
void BM_GraphLines(benchmark::State &state)
{
    QImage image(640, 480, QImage::Format_RGB32);
    const int width = static_cast<int>(state.range(0));
    for (auto _ : state) {
        QtCanvas canvas(image);
        for (int x = 20; x < 620; x += 20) {
            canvas.moveTo(x, 0);
            canvas.lineTo(x, 480);
        }
        PenScope pen(canvas, Pen{PenStyle::Solid, width, Colors::Red});
        canvas.moveTo(20, 0);
        for (int x = 21; x < 620; ++x) {
            const double t = (x - 320) / 100.0;
            canvas.lineTo(x, 400 - static_cast<int>(std::lround(t * t * 40)));
        }
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_GraphLines)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// 100,000 short slanted segments as a mouse draws them, with a 1-, 2- or 3-pixel pen: the
// scan-line walk (argument 0) against antialiased stroking (argument 1).
void BM_ShortSegments(benchmark::State &state)
{
    QImage image(640, 480, QImage::Format_RGB32);
    const auto width = static_cast<int>(state.range(0));
    const bool antialiased = state.range(1) != 0;
    std::vector<Point> points;
    std::uint32_t seed = 1;
    Point p{320, 240};
    for (int i = 0; i < 100'000; ++i) {
        seed = seed * 214013 + 2531011;
        p.x = std::clamp(p.x + static_cast<int>((seed >> 16) % 7) - 3, 0, 639);
        p.y = std::clamp(p.y + static_cast<int>((seed >> 20) % 7) - 3, 0, 479);
        points.push_back(p);
    }
    for (auto _ : state) {
        QtCanvas canvas(image);
        canvas.setAntialiasedLines(antialiased);
        PenScope pen(canvas, Pen{PenStyle::Solid, width, Colors::Black});
        canvas.moveTo(points[0].x, points[0].y);
        for (const Point &q : points)
            canvas.lineTo(q.x, q.y);
    }
    benchmark::DoNotOptimize(image.constBits());
    state.SetItemsProcessed(state.iterations() * 100'000);
}
BENCHMARK(BM_ShortSegments)->ArgsProduct({{1, 2, 3}, {0, 1}})->Unit(benchmark::kMillisecond);

// Figure text: a mixed Latin and Japanese line, measured and drawn, 40 times.
void BM_TextOut(benchmark::State &state)
{
    QImage image(640, 480, QImage::Format_RGB32);
    for (auto _ : state) {
        QtCanvas canvas(image);
        FontScope font(canvas, Font{16, 0, 128, u"MS Serif"});
        for (int i = 0; i < 40; ++i) {
            const Size extent = canvas.textExtent(u"y = 2x² − 3 の頂点");
            canvas.textOut(10, 10 + i * 11, u"y = 2x² − 3 の頂点");
            benchmark::DoNotOptimize(extent);
        }
    }
}
BENCHMARK(BM_TextOut)->Unit(benchmark::kMicrosecond);

} // namespace
