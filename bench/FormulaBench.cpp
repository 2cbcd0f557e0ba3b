#include "mathcore/FormulaDrawing.h"
#include "ui/NullCanvas.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

namespace {

struct Formula
{
    std::u16string_view kind;
    std::u16string_view text;
};

// Twenty formulas of the kinds the lessons draw.
constexpr std::array<Formula, 20> kFormulas = {{
    {u"formula", u"2*x+3*4"},
    {u"formula", u"x^2+y_1"},
    {u"formula", u"2*(3)^(1/2)"},
    {u"formula", u"2*(3)^(1/3)"},
    {u"formula", u"(2*(3)^(1/2))^(1/3)"},
    {u"formula", u"r^2 =(3.0-(1.0))^2+(4.0-(2.0))^2 "},
    {u"formula", u"a_(n+1)=a_n+2"},
    {u"formula", u"(x+1)^(2)-2*(x+1)+1"},
    {u"fraction", u"1/2+3/4"},
    {u"fraction", u"(x+1)/2-x/(x+2)=1/3"},
    {u"fraction", u"(1/2)/3+a/b/c"},
    {u"product", u"-1*(x+1)"},
    {u"product", u"2*x*(1/2)*(3)^(1/2)"},
    {u"power", u"y = a^x"},
    {u"power", u"(1/2)^(n-1)"},
    {u"monomial", u"aab"},
    {u"monomial", u"{r|Zn+1=Zn^2+r,Z0=0,lim|Zn|<∞}"},
    {u"root", u"2*(3)^(1/2)"},
    {u"root", u"-1*(1/2)^(1/3)"},
    {u"root", u"5;x+1;2;3"},
}};

void BM_DrawTwentyFormulas(benchmark::State &state)
{
    NullCanvas canvas({480, 120});
    canvas.select(Font{20, 0, 0, u"MS Serif"});
    LessonMetrics metrics;
    for (auto _ : state) {
        int y = 0;
        for (const Formula &formula : kFormulas)
            DrawFormulaAs(canvas, metrics, formula.kind, 20, y += 20, formula.text);
        benchmark::DoNotOptimize(metrics);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kFormulas.size()));
}
BENCHMARK(BM_DrawTwentyFormulas)->Unit(benchmark::kMicrosecond);

} // namespace
