#include "biorhythm/BioRythm.h"

#include "biorhythm/BioCalendar.h"
#include "biorhythm/BioPrint.h"
#include "mathcore/TextFormat.h"
#include "resources/DialogTemplates.h"

#include <QDate>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

constexpr int kStartButton = 104;
constexpr int kPrintButton = 156;
constexpr int kWeekdayField = 160;
/// The date fields in the order they are checked: birth year, month, day, display year, month.
constexpr std::array<int, 5> kDateFieldIds = {151, 152, 153, 154, 155};

} // namespace

CBioRythm::CBioRythm(QWidget *parent) : LessonWindow(kTemplate157, parent)
{
    onCommand(kStartButton, [this] { OnStart(); });
    onCommand(kPrintButton, [this] { OnPrint(); });
}

void CBioRythm::OnInitDialog()
{
    m_cellWidth = static_cast<std::int16_t>(clientSize().cx / 36);
    m_cellHeight = static_cast<std::int16_t>(clientSize().cy / 15);
    m_chart = BiorhythmChart{};
    // The display month starts at the current month; a page printed before the first start shows
    // it.
    const QDate today = QDate::currentDate();
    m_chart.displayYear = static_cast<std::int16_t>(today.year());
    m_chart.displayMonth = static_cast<std::int16_t>(today.month());
    m_chart.monthDays = daysInMonth(today.year(), today.month());
    setControlText(kDateFieldIds[3], formatText(u"%d", today.year()));
    setControlText(kDateFieldIds[4], formatText(u"%d", today.month()));
    enableControl(kWeekdayField, false);
    focusControl(kDateFieldIds[0]);
}

void CBioRythm::OnStart()
{
    std::array<std::u16string, 5> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = controlText(kDateFieldIds[i], kDateFieldCapacity[i]);
    const DateCheck check = checkChartDates({texts[0], texts[1], texts[2], texts[3], texts[4]});
    if (!check.dates) {
        focusControl(kDateFieldIds[static_cast<std::size_t>(check.failed)]);
        return;
    }
    const ChartDates &dates = *check.dates;
    m_chart.birthYear = static_cast<std::int16_t>(dates.birthYear);
    m_chart.birthMonth = static_cast<std::int16_t>(dates.birthMonth);
    m_chart.birthDay = static_cast<std::int16_t>(dates.birthDay);
    m_chart.displayYear = static_cast<std::int16_t>(dates.displayYear);
    m_chart.displayMonth = static_cast<std::int16_t>(dates.displayMonth);
    m_chart.dayCount = countDaysLived(dates.birthYear, dates.birthMonth, dates.birthDay,
                                      dates.displayYear, dates.displayMonth);
    m_chart.monthDays = daysInMonth(dates.displayYear, dates.displayMonth);
    setControlText(kWeekdayField,
                   weekdayName(weekdayOf(dates.birthYear, dates.birthMonth, dates.birthDay)));
    invalidate(true);
    focusControl(kDateFieldIds[0]);
}

void CBioRythm::OnPrint()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return;
    QPrinter printer(info, QPrinter::HighResolution);
    const std::u16string error = printErrorText(printBiorhythm(*this, printer));
    if (!error.empty()) messageBox(error);
}

void CBioRythm::OnPaint(Canvas &canvas)
{
    drawBiorhythmScreen(canvas, m_chart, m_cellWidth, m_cellHeight, m_circleConstant);
}
