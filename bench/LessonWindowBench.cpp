#include "resources/DialogTemplates.h"
#include "ui/LessonWindow.h"

#include <benchmark/benchmark.h>

// A full repaint of an empty lesson window: erase the backing image and run the paint on a QtCanvas.
static void BM_EmptyLessonWindowPaint(benchmark::State &state)
{
    LessonWindow window(kTemplate102);
    window.initialize();
    for (auto _ : state) {
        window.invalidate(true);
        benchmark::DoNotOptimize(window.surface().constBits());
    }
}
BENCHMARK(BM_EmptyLessonWindowPaint);
