#include "lessons/sequence/Seqsum.h"

#include "drill/Drill.h"
#include "mathcore/FigureHelpers.h"
#include "mathcore/FormulaDrawing.h"
#include "resources/DialogTemplates.h"

namespace {

constexpr int kFieldSummand = 113;
constexpr int kStartId = 104;
constexpr int kDrillId = 133;
/// Characters read from the summand field.
constexpr int kFieldChars = 15;
constexpr std::u16string_view kInitialSummand = u"(k-1)k(k+1)";

} // namespace

CSeqsum::CSeqsum(QWidget *parent) : LessonWindow(kTemplate117, parent)
{
    onCommand(kStartId, [this] { OnStart(); });
    onCommand(kDrillId, [this] { OnDrill(); });
}

void CSeqsum::OnInitDialog()
{
    m_metrics.setLayout(clientSize(), 48, 10, m_circleConstant);
    m_unitX = m_metrics.m_unitX;
    m_unitY = m_metrics.m_unitY;
    m_input = kInitialSummand;
    setControlText(kFieldSummand, m_input);
    m_derivation = DeriveSum(m_input);
}

void CSeqsum::OnStart()
{
    std::optional<std::u16string> summand = ReadSummand(controlText(kFieldSummand, kFieldChars));
    if (!summand) {
        refuse(SumFault::BadInput);
        return;
    }
    // The whole derivation is worked here, so that the paint only draws an accepted one.
    SumDerivation derivation = DeriveSum(*summand);
    if (derivation.fault != SumFault::None) {
        refuse(derivation.fault);
        return;
    }
    m_input = std::move(*summand);
    m_derivation = std::move(derivation);
    invalidate(true);
}

void CSeqsum::refuse(SumFault fault)
{
    if (fault == SumFault::NestedBracket) messageBox(u"（内に（は入れられません。");
    if (fault == SumFault::TooLarge) messageBox(u"数が大きすぎます。");
    focusControl(kFieldSummand);
}

void CSeqsum::OnDrill()
{
    openDrill(*this, DrillTopic::SequenceSum, 0, m_circleConstant);
}

void CSeqsum::OnPaint(Canvas &canvas)
{
    BkModeScope transparent(canvas, BkMode::Transparent);
    const int u = m_unitX;
    const int v = m_unitY;
    // Row 1: the sign; the summand is the field right of it.
    DrawSigma(5 * u, canvas, v, v);
    TextColorScope black(canvas, Colors::Black);
    for (const SumRow &row : m_derivation.rows)
        drawRow(canvas, row);
    if (m_derivation.degreeTooHigh) canvas.textOut(5 * u, 5 * v, u"３次以下です");
}

void CSeqsum::drawRow(Canvas &canvas, const SumRow &row)
{
    const int u = m_unitX;
    const int y = row.row * m_unitY;
    if (row.red) canvas.setTextColor(Colors::Red);
    canvas.textOut(4 * u, y, u"=");
    if (row.sigma) {
        DrawSigma(5 * u, canvas, y, m_unitY);
        canvas.textOut(8 * u, y, row.text);
    } else if (row.formula) {
        Size size;
        DrawFormula(m_metrics, canvas, 5 * u, y, row.text, size);
    } else {
        canvas.textOut(5 * u, y, row.text);
    }
}
