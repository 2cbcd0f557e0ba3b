#include "tools/render/FormulaTarget.h"

#include "tools/render/FigureOutput.h"
#include "tools/render/RenderTargets.h"

#include "mathcore/FormulaDrawing.h"
#include "mathcore/LessonMetrics.h"
#include "mathcore/TextFormat.h"
#include "ui/QtCanvas.h"
#include "ui/RecordingCanvas.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdio>

namespace {

constexpr Size kClient{480, 120};
constexpr Point kOrigin{20, 50};

void drawFormula(Canvas &canvas, const RenderCommand &command)
{
    LessonMetrics metrics;
    metrics.m_unitX = static_cast<std::int16_t>(kClient.cx / 36);
    metrics.m_unitY = static_cast<std::int16_t>(kClient.cy / 18);
    FontScope font(canvas, Font{20, 0, 0, u"MS Serif"});
    BkModeScope background(canvas, BkMode::Transparent);
    DrawFormulaAs(canvas, metrics, fromUtf8(command.formulaKind), kOrigin.x, kOrigin.y,
                  fromUtf8(command.formula));
}

} // namespace

int renderFormula(const RenderCommand &command)
{
    int status = 0;
    if (!command.pngFile.empty() && command.scale == 1.0) {
        QImage image(kClient.cx, kClient.cy, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QtCanvas canvas(image);
            drawFormula(canvas, command);
        }
        if (!savePngFast(image, command.pngFile)) {
            reportUnwritable(command.pngFile);
            status = 1;
        }
    }
    const auto paint = [&command](QPainter &painter) {
        painter.fillRect(QRect(0, 0, kClient.cx, kClient.cy), Qt::white);
        QtCanvas canvas(painter, kClient);
        drawFormula(canvas, command);
    };
    if (!writeFigureOutputs(command, kClient, paint)) status = 1;
    if (!command.opsFile.empty()) {
        RecordingCanvas canvas(kClient);
        drawFormula(canvas, command);
        if (!writeLines(command.opsFile, canvas.lines())) {
            reportUnwritable(command.opsFile);
            status = 1;
        }
    }
    return status;
}
