// Feeds arbitrary texts to DrawFormula on a RecordingCanvas, measuring and drawing: no overrun, no
// undefined behaviour, no hang, and measuring gives the size the drawing reports.
#include "mathcore/FormulaDrawing.h"
#include "tests/mathcore/fuzz/FuzzText.h"
#include "ui/RecordingCanvas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::u16string text = fuzzText(data, size);
    LessonMetrics metrics;
    metrics.m_unitX = 18;
    metrics.m_unitY = 20;
    RecordingCanvas canvas(Size{640, 480});
    canvas.select(Font{16, 0, 128, u"system"});

    Size measured;
    const int measuredBits = DrawFormula(metrics, canvas, 40, 200, text, measured, true);
    Size drawn;
    const int drawnBits = DrawFormula(metrics, canvas, 40, 200, text, drawn, false);
    if (measuredBits != drawnBits) fuzzFailure();
    if (measured.cx != drawn.cx || measured.cy != drawn.cy) fuzzFailure();
    return 0;
}
