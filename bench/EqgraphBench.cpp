#include "bench/WindowRepaint.h"
#include "lessons/functions/Eqgraph.h"
#include "lessons/functions/Unequal.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string_view>

namespace {

void paintEqGraph(benchmark::State &state, std::int16_t mode, std::u16string_view f,
                  std::u16string_view g)
{
    CEqGraph window;
    window.setModeFlag(mode);
    window.initialize();
    window.setControlText(148, f);
    window.setControlText(149, g);
    window.pressButton(104);
    repaintWindow(state, window);
}

// f = x^2/2 + x/3 against g = 1/6: the working in fractions, D = 4/9 and the verdict.
void BM_EqGraphEquationPaint(benchmark::State &state)
{
    paintEqGraph(state, 0, u"x^2/2+x/3", u"1/6");
}
BENCHMARK(BM_EqGraphEquationPaint);

// f = x^2 (merged values) and g = x + 5: two arrow diagrams.
void BM_EqGraphSetsPaint(benchmark::State &state)
{
    paintEqGraph(state, 1, u"x^2", u"x+5");
}
BENCHMARK(BM_EqGraphSetsPaint);

// The default inequality: both curves, the region scan with its end lines, grid and panel.
void BM_UnequalPaint(benchmark::State &state)
{
    CUnequal window;
    window.initialize();
    repaintWindow(state, window);
}
BENCHMARK(BM_UnequalPaint);

} // namespace
