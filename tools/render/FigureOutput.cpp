#include "tools/render/FigureOutput.h"

#include "ui/LessonWindow.h"
#include "ui/QtCanvas.h"

#include <QImage>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>
#include <cstdio>
#include <utility>

namespace {

/// Logical pixels per inch: a figure's pixel is a pixel of a common screen.
constexpr double kLogicalDpi = 96.0;
/// The PNG writer's quality that gives zlib level 1: (100 - quality) * 9 / 91 = 1.
constexpr int kFastPngQuality = 85;

QString fileName(const std::string &file)
{
    return QString::fromStdString(file);
}

} // namespace

std::string &reportedErrors()
{
    static std::string errors;
    return errors;
}

void reportRenderError(const std::string &message)
{
    std::fprintf(stderr, "tessaryn-render: %s\n", message.c_str());
    std::string &errors = reportedErrors();
    if (!errors.empty()) errors += "; ";
    errors += message;
}

std::string takeRenderErrors()
{
    return std::exchange(reportedErrors(), std::string());
}

void reportUnwritable(const std::string &file)
{
    reportRenderError("cannot write " + file);
}

bool savePngFast(const QImage &image, const std::string &file)
{
    QImageWriter writer(fileName(file), "png");
    writer.setQuality(kFastPngQuality);
    return writer.write(image);
}

bool writeScaledPng(const std::string &file, Size size, double scale, const FigurePaint &paint)
{
    QImage image(static_cast<int>(std::ceil(size.cx * scale)),
                 static_cast<int>(std::ceil(size.cy * scale)), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paint(painter);
    }
    return savePngFast(image, file);
}

bool writeSvg(const std::string &file, Size size, const FigurePaint &paint)
{
    QSvgGenerator generator;
    generator.setFileName(fileName(file));
    generator.setSize(QSize(size.cx, size.cy));
    generator.setViewBox(QRect(0, 0, size.cx, size.cy));
    generator.setResolution(static_cast<int>(kLogicalDpi));
    generator.setTitle(QStringLiteral("Tessaryn"));
    QPainter painter;
    if (!painter.begin(&generator)) return false;
    paint(painter);
    return painter.end();
}

bool writePdf(const std::string &file, Size size, const FigurePaint &paint)
{
    QPdfWriter writer(fileName(file));
    writer.setCreator(QStringLiteral("Tessaryn"));
    const QSizeF points(size.cx * 72.0 / kLogicalDpi, size.cy * 72.0 / kLogicalDpi);
    writer.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    const double scale = writer.logicalDpiX() / kLogicalDpi;
    painter.scale(scale, scale);
    paint(painter);
    return painter.end();
}

bool writeFigureOutputs(const RenderCommand &command, Size size, const FigurePaint &paint)
{
    bool written = true;
    auto check = [&written](bool ok, const std::string &file) {
        if (ok) return;
        reportUnwritable(file);
        written = false;
    };
    if (!command.pngFile.empty() && command.scale != 1.0)
        check(writeScaledPng(command.pngFile, size, command.scale, paint), command.pngFile);
    if (!command.svgFile.empty()) check(writeSvg(command.svgFile, size, paint), command.svgFile);
    if (!command.pdfFile.empty()) check(writePdf(command.pdfFile, size, paint), command.pdfFile);
    return written;
}

void paintWindowFigure(LessonWindow &window, QPainter &painter)
{
    const Size size = window.clientSize();
    painter.fillRect(QRect(0, 0, size.cx, size.cy), QColor::fromRgb(LessonWindow::kBackground));
    {
        QtCanvas canvas(painter, size);
        window.paintOn(canvas);
    }
    // The controls over the figure, in their stacking order, drawn by the style on the same
    // painter: vector where the painter is.
    for (QObject *child : window.children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget->isWindow() || !widget->isVisibleTo(&window)) continue;
        widget->render(&painter, widget->pos(), QRegion(),
                       QWidget::DrawChildren | QWidget::DrawWindowBackground);
    }
}
