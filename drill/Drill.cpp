#include "drill/Drill.h"

#include "drill/DrillGenerators.h"
#include "drill/Worksheet.h"
#include "drill/WorksheetPdf.h"
#include "mathcore/TextFormat.h"
#include "resources/DialogTemplates.h"
#include "ui/SeedSource.h"

#include <QFileDialog>
#include <QKeyEvent>

#include <utility>

namespace {

constexpr int kAnswerId = 141;
/// The client area is divided into cells of width/56 by height/15.
constexpr int kColumns = 56;
constexpr int kRows = 15;

CDrill::WorksheetFileChooser &worksheetFileChooser()
{
    static CDrill::WorksheetFileChooser chooser;
    return chooser;
}

QString askWorksheetFile(QWidget *parent, const QString &suggested)
{
    if (worksheetFileChooser()) return worksheetFileChooser()(parent, suggested);
    QFileDialog dialog(parent, QStringLiteral("プリントを保存"), suggested,
                       QStringLiteral("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

Size drillClientSize()
{
    const DialogUnitScale scale = dialogUnitScale(kTemplate109.fontFace, kTemplate109.fontPoints);
    return Size{scale.toPixels(kTemplate109.cx), scale.toPixels(kTemplate109.cy)};
}

Size drillCellSize(Size client)
{
    return Size{client.cx / kColumns, client.cy / kRows};
}

CDrill::CDrill(std::int16_t topic, std::int16_t variant, QWidget *parent)
    : LessonWindow(kTemplate109, parent), m_topic(topic), m_variant(variant)
{
    onCommand(kAnswerId, [this] { OnAnswer(); });
}

void CDrill::OnInitDialog()
{
    const Size cell = drillCellSize(clientSize());
    m_metrics.m_unitX = static_cast<std::int16_t>(cell.cx);
    m_metrics.m_unitY = static_cast<std::int16_t>(cell.cy);
    m_metrics.m_circleConstant = m_circleConstant;
    m_seed = randomSeed();
    m_random.seed(m_seed);
    m_params.fill(0);
    drawDrillParameters(m_topic, m_variant, m_params, m_random);
    m_showAnswer = false;
}

void CDrill::OnPaint(Canvas &canvas)
{
    const DrillGenerator generator = findDrillGenerator(m_topic);
    if (!generator) return;
    BkModeScope transparent(canvas, BkMode::Transparent);
    DrillPage page{canvas, m_metrics, m_params, m_variant, m_showAnswer};
    generator(page);
}

void CDrill::OnAnswer()
{
    m_showAnswer = true;
    invalidate(true);
}

void CDrill::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Print)) {
        OnWorksheet();
        return;
    }
    LessonWindow::keyPressEvent(event);
}

void CDrill::OnWorksheet()
{
    WorksheetRequest request;
    request.topic = m_topic;
    request.variant = m_variant;
    request.count = kWorksheetCount;
    request.seed = m_seed;
    const QString suggested = QString::fromStdU16String(u"ドリル_" + Worksheet::topicName(m_topic) +
                                                        u"_" + formatText(u"%u", m_seed) + u".pdf");
    const QString file = askWorksheetFile(this, suggested);
    if (file.isEmpty()) return;
    if (!writeWorksheetPdf(request, file))
        messageBox(u"ファイルに書き込めません。", MessageButtons::Ok, MessageIcon::Warning);
}

CDrill::WorksheetFileChooser CDrill::setWorksheetFileChooser(WorksheetFileChooser chooser)
{
    return std::exchange(worksheetFileChooser(), std::move(chooser));
}

void openDrill(LessonWindow &owner, std::int16_t topic, std::int16_t variant, double circleConstant)
{
    CDrill drill(topic, variant, &owner);
    drill.setCircleConstant(circleConstant);
    drill.DoModal();
}
