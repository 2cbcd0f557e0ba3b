#include "lessons/functions/Twofunc.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string_view>

namespace {

// Starts the lesson in `mode` with the given fields, then repaints the whole window per iteration
// the way the screen asks for it: erase the backing image and run the paint handler on a QtCanvas
// over it.
void paintAfterStart(benchmark::State &state, std::int16_t mode, std::u16string_view a,
                     std::u16string_view b, std::u16string_view c)
{
    CTwofunc window;
    window.setModeFlag(mode);
    window.initialize();
    window.setControlText(105, a);
    window.setControlText(106, b);
    if (mode == 0) window.setControlText(107, c);
    window.pressButton(104);
    for (auto _ : state) {
        window.invalidate(true);
        benchmark::DoNotOptimize(window.surface().constBits());
    }
}

// y = 2x^2 + 3x + 1 over the previous y = x^2 - 4x, with fraction texts, the vertex mark and the
// nine table points.
void BM_TwofuncQuadraticPaint(benchmark::State &state)
{
    paintAfterStart(state, 0, u"2", u"3", u"1");
}
BENCHMARK(BM_TwofuncQuadraticPaint);

// sinθ + 2cosθ: no standard angle, so the exact cos α and sin α are written out as well.
void BM_TwofuncCompositionPaint(benchmark::State &state)
{
    paintAfterStart(state, 1, u"1", u"2", u"");
}
BENCHMARK(BM_TwofuncCompositionPaint);

} // namespace
