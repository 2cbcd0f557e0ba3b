#include "biorhythm/BioPrint.h"

#include "biorhythm/BioChart.h"
#include "biorhythm/BioRythm.h"
#include "mathcore/TextFormat.h"
#include "ui/QtCanvas.h"

#include <QDate>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace {

/// Screen resolution the window's pixel lengths refer to.
constexpr double kScreenDpi = 96.0;
constexpr int kPdfDpi = 600;

} // namespace

std::u16string printErrorText(PrintStatus status)
{
    switch (status) {
    case PrintStatus::Printed:
    case PrintStatus::NotStarted:
        return {};
    case PrintStatus::OutOfMemory:
        return u"メモリ不足エラー";
    case PrintStatus::OutOfDisk:
        return u"ディスク不足エラー";
    case PrintStatus::UserAbort:
        return u"ユーザーキャンセル";
    case PrintStatus::AppAbort:
        return formatText(u"By ErrorRtn %d", 0);
    case PrintStatus::GeneralError:
        return u"一般エラー";
    case PrintStatus::Abnormal:
        break;
    }
    return u"abnormal";
}

PrintStatus printBiorhythm(const CBioRythm &window, QPrinter &printer)
{
    printer.setDocName(QString::fromUtf16(u"《バイオリズム（ＰＳＩ）》"));
    QPainter painter;
    if (!painter.begin(&printer)) return PrintStatus::NotStarted;

    PageSetup setup;
    setup.screenCell = window.cellHeight();
    setup.scale = printer.resolution() / kScreenDpi;
    const QDate today = QDate::currentDate();
    setup.year = today.year();
    setup.month = today.month();
    setup.day = today.day();
    {
        QtCanvas canvas(painter, Size{printer.width(), printer.height()});
        drawBiorhythmPage(canvas, window.chart(), setup, window.circleConstant());
    }
    const bool ended = painter.end();
    switch (printer.printerState()) {
    case QPrinter::Aborted:
        return PrintStatus::UserAbort;
    case QPrinter::Error:
        return PrintStatus::GeneralError;
    default:
        break;
    }
    return ended ? PrintStatus::Printed : PrintStatus::GeneralError;
}

bool printBiorhythmToPdf(CBioRythm &window, const QString &file)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setResolution(kPdfDpi);
    return printBiorhythm(window, printer) == PrintStatus::Printed;
}
