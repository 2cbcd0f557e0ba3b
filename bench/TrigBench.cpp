#include "bench/WindowRepaint.h"
#include "lessons/trig/Angdef.h"
#include "lessons/trig/Angfunc.h"
#include "lessons/trig/Tradd.h"

#include <QImage>

#include <benchmark/benchmark.h>

namespace {

// P in the third quadrant with the cosecant: grid, radius, arc, length formula and ratio panel.
void BM_AngdefPaint(benchmark::State &state)
{
    CAngdef window;
    window.initialize();
    window.clickAt(Point{72, 216});
    window.selectComboEntry(158, 5);
    repaintWindow(state, window);
}
BENCHMARK(BM_AngdefPaint);

// The tangent at 135 degrees: 240 graph columns, the construction and the exact value panel.
void BM_AngfuncPaint(benchmark::State &state)
{
    CAngfunc window;
    window.initialize();
    window.pressButton(111);
    window.scrollTo(112, 135);
    repaintWindow(state, window);
}
BENCHMARK(BM_AngfuncPaint);

// tan(120ﾟ±135ﾟ): four exact value panels per row, each row measured before it is drawn.
void BM_TraddPaint(benchmark::State &state)
{
    CTradd window;
    window.initialize();
    window.pressButton(111);
    window.selectComboEntry(158, 7);
    window.selectComboEntry(156, 8);
    repaintWindow(state, window);
}
BENCHMARK(BM_TraddPaint);

} // namespace
