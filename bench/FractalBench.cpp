#include "fractal/Fractal.h"

#include <benchmark/benchmark.h>

// One repaint of the fractal explorer per iteration, as a change of the count combo box asks for
// it: the figure rectangle is erased and the figure painted on a QtCanvas over the backing image.
// Each figure runs with its largest count (iteration limit 38 or depth 10) and its default
// parameter (the coarse zoom for the Mandelbrot set).
static void BM_FractalPaint(benchmark::State &state)
{
    constexpr int kKindCombo = 161;
    constexpr int kCountCombo = 1006;
    CFractal window;
    window.initialize();
    window.selectComboEntry(kKindCombo, static_cast<int>(state.range(0)));
    window.selectComboEntry(kCountCombo, 9);
    benchmark::DoNotOptimize(window.surface().constBits());
    for (auto _ : state) {
        window.selectComboEntry(kCountCombo, 9);
        benchmark::DoNotOptimize(window.surface().constBits());
    }
}
BENCHMARK(BM_FractalPaint)
    ->ArgName("kind")
    ->DenseRange(0, 6)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The Mandelbrot set at its finest zoom ("0.0001") with the largest iteration limit, 38: most of
// the 250,000 points there never escape, so every one of them runs all 38 steps.
static void BM_MandelbrotFinestZoom(benchmark::State &state)
{
    CFractal window;
    window.initialize();
    window.selectComboEntry(CFractal::kCountCombo, 9);
    window.selectComboEntry(CFractal::kParameterCombo, 2);
    benchmark::DoNotOptimize(window.surface().constBits());
    for (auto _ : state) {
        window.selectComboEntry(CFractal::kCountCombo, 9);
        benchmark::DoNotOptimize(window.surface().constBits());
    }
}
BENCHMARK(BM_MandelbrotFinestZoom)->Unit(benchmark::kMillisecond);
