#include "drill/Drill.h"
#include "ui/SeedSource.h"

#include <benchmark/benchmark.h>

// A full repaint of the logarithm drill with its answer shown: question, formula helpers and the
// red working, drawn on a QtCanvas over the window's backing image.
static void BM_LogarithmDrillPaint(benchmark::State &state)
{
    fixRandomSeed(1u);
    CDrill drill(DrillTopic::Logarithm, 0);
    drill.initialize();
    drill.pressButton(141);
    for (auto _ : state) {
        drill.invalidate(true);
        benchmark::DoNotOptimize(drill.surface().constBits());
    }
    fixRandomSeed(std::nullopt);
}
BENCHMARK(BM_LogarithmDrillPaint);
