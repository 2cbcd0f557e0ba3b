// Feeds arbitrary bytes to the sketch file reader. Whatever it accepts must survive a write and a
// second read unchanged, since the writer only ever produces the canonical form.
#include "sketch/SketchArchive.h"

#include <cstddef>
#include <cstdint>

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
    return 0;
}
