#include "mathcore/FormulaDrawing.h"
#include "ui/RecordingCanvas.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

namespace {

// A canvas that draws nothing and measures texts with the recording canvas's fixed metrics, so that
// the benchmark times the formula layout itself.
class NullCanvas : public Canvas
{
public:
    Size size() const override { return Size{480, 120}; }

protected:
    void doSelectPen(const Pen &) override {}
    void doSelectBrush(const Brush &) override {}
    void doSelectFont(const Font &) override {}
    void doSetTextColor(Rgb) override {}
    void doSetBkMode(BkMode) override {}
    void doSetClip(const std::optional<Rect> &) override {}
    void doMoveTo(int, int) override {}
    void doLine(Point, Point) override {}
    void doEllipse(const Rect &) override {}
    void doArc(const Rect &, Point, Point) override {}
    void doRectangle(const Rect &) override {}
    void doRoundRect(const Rect &) override {}
    void doPolygon(std::span<const Point>) override {}
    void doFillRect(const Rect &, Rgb) override {}
    void doSetPixel(int, int, Rgb) override {}
    void doTextOut(int, int, std::u16string_view) override {}
    Size doTextExtent(std::u16string_view text) override
    {
        return Size{RecordingCanvas::measureText(text, font().height), font().height};
    }
    TextMetrics doTextMetrics() override
    {
        const int h = font().height;
        return TextMetrics{h, h * 7 / 8, h / 2, 0};
    }
    void doDrawIcon(int, int, StockIcon) override {}
    void doDrawBitmap(int, int, int) override {}
};

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
    NullCanvas canvas;
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
