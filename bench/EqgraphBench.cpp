#include "lessons/functions/Eqgraph.h"
#include "lessons/functions/Unequal.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string_view>

namespace {

// Each benchmark starts the window on its figure, then repaints the whole window per iteration
// the way the screen asks for it: erase the backing image and run the paint handler on a QtCanvas
// over it.
void repaint(benchmark::State &state, LessonWindow &window)
{
    for (auto _ : state) {
        window.invalidate(true);
        benchmark::DoNotOptimize(window.surface().constBits());
    }
}

void paintEqGraph(benchmark::State &state, std::int16_t mode, std::u16string_view f,
                  std::u16string_view g)
{
    CEqGraph window;
    window.setModeFlag(mode);
    window.initialize();
    window.setControlText(148, f);
    window.setControlText(149, g);
    window.pressButton(104);
    repaint(state, window);
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
    repaint(state, window);
}
BENCHMARK(BM_UnequalPaint);

} // namespace
