#include "tools/render/FigureOutput.h"

#include "ui/LessonWindow.h"
#include "ui/QtCanvas.h"

#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <png.h>

#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <utility>

namespace {

/// Logical pixels per inch: a figure's pixel is a pixel of a common screen.
constexpr double kLogicalDpi = 96.0;
/// zlib's fastest level.
constexpr int kFastPngLevel = 1;

QString fileName(const std::string &file)
{
    return QString::fromStdString(file);
}

void writeToFile(png_structp png, png_bytep data, png_size_t length)
{
    auto *file = static_cast<QFile *>(png_get_io_ptr(png));
    if (file->write(reinterpret_cast<const char *>(data), static_cast<qint64>(length)) !=
        static_cast<qint64>(length))
        png_error(png, "write failed");
}

void flushFile(png_structp png)
{
    static_cast<QFile *>(png_get_io_ptr(png))->flush();
}

/// Writes an RGB888 image as PNG: zlib level 1 and every row with the Sub filter, instead of
/// trying all five filters on each row, which took most of a figure's time. The figures' flat
/// colours compress well either way.
bool writePngRows(const QImage &rgb, QFile &file)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    // libpng reports errors by a long jump back here; nothing with a destructor lives between.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &file, writeToFile, flushFile);
    png_set_IHDR(png, info, static_cast<png_uint_32>(rgb.width()),
                 static_cast<png_uint_32>(rgb.height()), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, kFastPngLevel);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_write_info(png, info);
    for (int y = 0; y < rgb.height(); ++y)
        png_write_row(png, rgb.constScanLine(y));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
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
    QFile out(fileName(file));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    return writePngRows(rgb, out) && out.flush();
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
