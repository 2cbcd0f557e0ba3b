// Saving, loading and repainting a large sketch: 1,000 strokes of 1,000 points each.
#include "sketch/TessarynDoc.h"
#include "sketch/TessarynView.h"
#include "ui/NullCanvas.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kStrokes = 1000;
constexpr int kPointsPerStroke = 1000;

// Strokes as a mouse draws them: small steps of a deterministic walk over a 640 x 480 client area.
void fillDocument(CTessarynDoc &doc)
{
    doc.OnNewDocument();
    std::uint32_t state = 1;
    auto step = [&state] {
        state = state * 214013 + 2531011;
        return static_cast<int>((state >> 16) % 7) - 3;
    };
    for (int s = 0; s < kStrokes; ++s) {
        CStroke &stroke = doc.AddStroke();
        int x = (s * 37) % 640;
        int y = (s * 53) % 480;
        for (int p = 0; p < kPointsPerStroke; ++p) {
            x += step();
            y += step();
            stroke.appendPoint(x, y);
        }
    }
}

CTessarynDoc &largeDocument()
{
    static CTessarynDoc doc = [] {
        CTessarynDoc d;
        fillDocument(d);
        return d;
    }();
    return doc;
}

void BM_SaveSketch(benchmark::State &state)
{
    const CTessarynDoc &doc = largeDocument();
    std::size_t size = 0;
    for (auto _ : state) {
        const std::vector<std::uint8_t> bytes = doc.Serialize();
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(BM_SaveSketch)->Unit(benchmark::kMillisecond);

void BM_LoadSketch(benchmark::State &state)
{
    const std::vector<std::uint8_t> bytes = largeDocument().Serialize();
    CTessarynDoc doc;
    for (auto _ : state) {
        const ArchiveError error = doc.OnOpenDocument(bytes);
        benchmark::DoNotOptimize(error);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LoadSketch)->Unit(benchmark::kMillisecond);

// One repaint of the strokes as the view does it: each stroke as drawn, then, unless the mode is 0,
// its mirror image about the centre of the client area.
void BM_DrawSketch(benchmark::State &state)
{
    const CTessarynDoc &doc = largeDocument();
    const auto mode = static_cast<SymmetryMode>(state.range(0));
    NullCanvas canvas;
    for (auto _ : state) {
        for (const auto &stroke : doc.strokes()) {
            stroke->DrawStroke(canvas, kSymmetryNone);
            stroke->setMirrorCentre({320, 240});
            if (mode != kSymmetryNone) stroke->DrawStroke(canvas, mode);
        }
        benchmark::DoNotOptimize(canvas.currentPosition());
    }
}
BENCHMARK(BM_DrawSketch)
    ->Arg(kSymmetryNone)
    ->Arg(kSymmetryPoint)
    ->Arg(kSymmetryLine)
    ->Unit(benchmark::kMillisecond);

// The view's full repaint of the large document into its 640 x 480 backing image: background,
// icon, hint, centre mark and every stroke with its mirror image, walked into the image.
void BM_RepaintSketchView(benchmark::State &state)
{
    CTessarynDoc &doc = largeDocument();
    doc.setSymmetryMode(static_cast<SymmetryMode>(state.range(0)));
    CTessarynView view(&doc);
    view.resize(640, 480);
    for (auto _ : state) {
        view.invalidate();
        view.flushPaint();
        benchmark::DoNotOptimize(view.surface().constBits());
    }
    doc.setSymmetryMode(kSymmetryNone);
}
BENCHMARK(BM_RepaintSketchView)
    ->Arg(kSymmetryNone)
    ->Arg(kSymmetryPoint)
    ->Arg(kSymmetryLine)
    ->Unit(benchmark::kMillisecond);

// A hostile file: 200 strokes of 48 points with the stored pen width 65535, repainted in a 640 x
// 480 view (the pen is drawn at most as wide as the view can show).
void BM_RepaintWidePenSketch(benchmark::State &state)
{
    CTessarynDoc doc;
    for (int s = 0; s < 200; ++s) {
        CStroke &stroke = doc.AddStroke();
        stroke.setLineWidth(65535);
        for (int i = 0; i < 48; ++i)
            stroke.appendPoint(320 + (s * 7 + i * 13) % 300 - 150,
                               200 + (s * 11 + i * 5) % 160 - 80);
    }
    CTessarynView view(&doc);
    view.resize(640, 480);
    for (auto _ : state) {
        view.invalidate();
        view.flushPaint();
        benchmark::DoNotOptimize(view.surface().constBits());
    }
}
BENCHMARK(BM_RepaintWidePenSketch)->Unit(benchmark::kMillisecond);

// A window resize with the large document in point symmetry: the view takes a backing image of
// the new size and repaints it from the document, as the paint event after a resize does.
void BM_ResizeSketchView(benchmark::State &state)
{
    CTessarynDoc &doc = largeDocument();
    doc.setSymmetryMode(kSymmetryPoint);
    CTessarynView view(&doc);
    view.resize(640, 480);
    benchmark::DoNotOptimize(view.surface().constBits());
    int step = 0;
    for (auto _ : state) {
        ++step;
        view.resize(640 + step % 2, 480 + step % 2);
        benchmark::DoNotOptimize(view.surface().constBits());
    }
    doc.setSymmetryMode(kSymmetryNone);
}
BENCHMARK(BM_ResizeSketchView)->Unit(benchmark::kMillisecond);

} // namespace
