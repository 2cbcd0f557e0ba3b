#include "drill/Drill.h"

#include "drill/DrillGenerators.h"
#include "resources/DialogTemplates.h"
#include "ui/SeedSource.h"

namespace {

constexpr int kAnswerId = 141;
/// The client area is divided into cells of width/56 by height/15.
constexpr int kColumns = 56;
constexpr int kRows = 15;

} // namespace

CDrill::CDrill(std::int16_t topic, std::int16_t variant, QWidget *parent)
    : LessonWindow(kTemplate109, parent), m_topic(topic), m_variant(variant)
{
    onCommand(kAnswerId, [this] { OnAnswer(); });
}

void CDrill::OnInitDialog()
{
    const Size client = clientSize();
    m_metrics.m_unitX = static_cast<std::int16_t>(client.cx / kColumns);
    m_metrics.m_unitY = static_cast<std::int16_t>(client.cy / kRows);
    m_metrics.m_circleConstant = m_circleConstant;
    m_random.seed(randomSeed());
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

void openDrill(LessonWindow &owner, std::int16_t topic, std::int16_t variant, double circleConstant)
{
    CDrill drill(topic, variant, &owner);
    drill.setCircleConstant(circleConstant);
    drill.DoModal();
}
