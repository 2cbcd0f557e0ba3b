// Feeds arbitrary bytes to the sketch file reader. Whatever it accepts must survive a write and a
// second read unchanged, since the writer only ever produces the canonical form, and must draw in
// every symmetry mode about any centre (the extent read from the file serves as one) without
// overflow and with a pen no wider than the surface can show.
#include "sketch/SketchArchive.h"
#include "ui/RecordingCanvas.h"

#include <cstddef>
#include <cstdint>

namespace {

void drawEveryWay(const SketchContents &c)
{
    RecordingCanvas canvas(Size{640, 480});
    const Point centres[] = {{320, 240}, {c.extent.cx, c.extent.cy}};
    for (const auto &stroke : c.strokes) {
        for (const Point centre : centres) {
            stroke->setMirrorCentre(centre);
            for (const SymmetryMode mode : {kSymmetryNone, kSymmetryPoint, kSymmetryLine, c.mode})
                stroke->DrawStroke(canvas, mode);
        }
        if (CStroke::drawnWidth(stroke->lineWidth(), canvas.size()) > 2 * (640 + 480) + 2)
            __builtin_trap();
        canvas.clearLines();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const SketchReadResult first = ReadSketch({data, size});
    if (!first.ok()) {
        if (!first.contents.strokes.empty()) __builtin_trap();
        return 0;
    }
    const SketchContents &c = first.contents;
    const std::vector<std::uint8_t> bytes = WriteSketch(c.extent, c.mode, c.strokes);
    const SketchReadResult second = ReadSketch(bytes);
    if (!second.ok() || second.contents.extent != c.extent || second.contents.mode != c.mode ||
        second.contents.strokes.size() != c.strokes.size())
        __builtin_trap();
    for (std::size_t i = 0; i < c.strokes.size(); ++i) {
        if (!(*second.contents.strokes[i] == *c.strokes[i])) __builtin_trap();
    }
    drawEveryWay(c);
    return 0;
}
