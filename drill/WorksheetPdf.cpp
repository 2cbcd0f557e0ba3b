#include "drill/WorksheetPdf.h"

#include "ui/QtCanvas.h"

#include <QFile>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

std::optional<Worksheet> paintWorksheet(const WorksheetRequest &request, QPagedPaintDevice &device)
{
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&device)) return std::nullopt;
    // The page's pixels are 1/96 inch, as the drill window's on a common screen.
    const double scale = device.logicalDpiX() / 96.0;
    painter.scale(scale, scale);
    std::optional<Worksheet> sheet;
    {
        QtCanvas measure(painter, Worksheet::kPageSize);
        sheet = Worksheet::create(request, measure);
    }
    if (!sheet) {
        painter.end();
        return std::nullopt;
    }
    for (int page = 0; page < sheet->pageCount(); ++page) {
        if (page > 0) device.newPage();
        QtCanvas canvas(painter, Worksheet::kPageSize);
        sheet->paintPage(canvas, page);
    }
    if (!painter.end()) return std::nullopt;
    return sheet;
}

bool writeWorksheetPdf(const WorksheetRequest &request, const QString &file)
{
    QPdfWriter writer(file);
    writer.setCreator(QStringLiteral("Tessaryn"));
    writer.setTitle(QString::fromStdU16String(request.title.empty() ? u"ドリル" : request.title));
    const bool written = paintWorksheet(request, writer).has_value();
    // A refused request leaves no empty file behind.
    if (!written) QFile::remove(file);
    return written;
}
