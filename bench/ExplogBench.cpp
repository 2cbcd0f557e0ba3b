#include "bench/WindowRepaint.h"
#include "lessons/explog/ExpFunc.h"
#include "lessons/explog/ExpLaw.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string_view>

namespace {

void startExpLaw(CExpLaw &window, std::int16_t mode, std::u16string_view a, std::u16string_view m,
                 std::u16string_view n)
{
    window.setModeFlag(mode);
    window.initialize();
    window.setControlText(125, a);
    window.setControlText(126, m);
    window.setControlText(127, n);
    window.pressButton(104);
}

// 2^(5/2) worked into roots with "さらに", and the three laws with their exponents.
void BM_ExpLawExponentPaint(benchmark::State &state)
{
    CExpLaw window;
    startExpLaw(window, 0, u"2", u"5/2", u"3/2");
    repaintWindow(state, window);
}
BENCHMARK(BM_ExpLawExponentPaint);

// The five logarithm properties of a = 2, m = 3, n = 10 with the change of base in decimals.
void BM_ExpLawLogarithmPaint(benchmark::State &state)
{
    CExpLaw window;
    startExpLaw(window, 1, u"2", u"3", u"10");
    repaintWindow(state, window);
}
BENCHMARK(BM_ExpLawLogarithmPaint);

// y = 2^x and y = log_2 x, one point per pixel column each, on the grid with the legend.
void BM_ExpFuncPaint(benchmark::State &state)
{
    CExpFunc window;
    window.initialize();
    repaintWindow(state, window);
}
BENCHMARK(BM_ExpFuncPaint);

} // namespace
