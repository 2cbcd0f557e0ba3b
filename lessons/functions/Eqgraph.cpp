#include "lessons/functions/Eqgraph.h"

#include "drill/Drill.h"
#include "lessons/functions/XFormula.h"
#include "mathcore/FormulaDrawing.h"
#include "mathcore/QuadraticText.h"
#include "mathcore/TermAlgebra.h"
#include "mathcore/TextFormat.h"
#include "resources/DialogTemplates.h"

#include <algorithm>

namespace {

constexpr int kStartId = 104;
constexpr int kDrillId = 133;
constexpr int kPromptId = 157;
constexpr int kFieldF = 148;
constexpr int kFieldG = 149;
/// Characters read from a formula field.
constexpr int kFormulaFieldChars = 63;

constexpr std::u16string_view kNotQuadraticMessage = u"２次ではありません。";
constexpr std::u16string_view kEmptyMessage = u"何か入れて下さい。";
constexpr std::u16string_view kDegreeTooHighMessage = u"次数が高すぎます。";

} // namespace

CEqGraph::CEqGraph(QWidget *parent) : LessonWindow(kTemplate112, parent)
{
    onCommand(kStartId, [this] { OnStart(); });
    onCommand(kDrillId, [this] {
        const std::int16_t topic =
            m_modeFlag == 1 ? DrillTopic::SetCorrespondence : DrillTopic::EquationGraph;
        openDrill(*this, topic, m_modeFlag, m_circleConstant);
    });
}

void CEqGraph::OnInitDialog()
{
    const Size client = clientSize();
    m_clientWidth = client.cx;
    m_unitX = static_cast<std::int16_t>(client.cx / 56);
    m_unitY = static_cast<std::int16_t>(client.cy / 15 + 1);
    m_metrics.m_unitX = m_unitX;
    m_metrics.m_unitY = m_unitY;
    m_metrics.m_circleConstant = m_circleConstant;
    if (m_modeFlag == 1) {
        setCaption(u"集合間の対応");
        setControlText(kPromptId, u"集合Xと集合Yとの対応 fを図示します。");
    }
    setControlText(kFieldF, u"-x^2+2x+2");
    setControlText(kFieldG, m_g);
    Worked worked;
    work(ReadQuadraticText(m_f).coefficients, ReadQuadraticText(m_g).coefficients, worked);
    store(worked);
}

bool CEqGraph::refuse(std::u16string_view message, int fieldId)
{
    messageBox(message);
    focusControl(fieldId);
    return false;
}

void CEqGraph::OnStart()
{
    // The texts are checked and worked out first; only texts that passed are stored and drawn,
    // the fields keep what was typed.
    std::u16string f = controlText(kFieldF, kFormulaFieldChars);
    std::u16string g = controlText(kFieldG, kFormulaFieldChars);
    QuadraticCoefficients fCoefficients;
    QuadraticCoefficients gCoefficients;
    if (!readF(f, fCoefficients) || !readG(g, gCoefficients)) return;
    if (const std::u16string_view message = CheckXFormulaCharacters(f); !message.empty()) {
        refuse(message, kFieldF);
        return;
    }
    if (const std::u16string_view message = CheckXFormulaCharacters(g); !message.empty()) {
        refuse(message, kFieldG);
        return;
    }
    Worked worked;
    if (!work(fCoefficients, gCoefficients, worked)) return;
    m_f = std::move(f);
    m_g = std::move(g);
    store(worked);
    invalidate(true);
}

bool CEqGraph::readF(std::u16string &f, QuadraticCoefficients &coefficients)
{
    const int code = ExpandXFormula(f, Equation);
    if (code == -8) return refuse(kNotQuadraticMessage, kFieldF);
    if (code < 0) return refuse(kSymbolMessage, kFieldF);
    const QuadraticReading reading = ReadQuadraticText(f);
    if (reading.status == QuadraticReading::Status::Unreadable)
        return refuse(kSymbolMessage, kFieldF);
    if (reading.status == QuadraticReading::Status::TooLarge)
        return refuse(kTooLargeMessage, kFieldF);
    if (reading.degree != 2) return refuse(kNotQuadraticMessage, kFieldF);
    coefficients = reading.coefficients;
    return true;
}

bool CEqGraph::readG(std::u16string &g, QuadraticCoefficients &coefficients)
{
    if (g.empty()) return refuse(kEmptyMessage, kFieldG);
    const int code = ExpandXFormula(g, Equation);
    if (code == -8) return refuse(kDegreeTooHighMessage, kFieldG);
    if (code < 0) return refuse(kSymbolMessage, kFieldG);
    const QuadraticReading reading = ReadQuadraticText(g);
    if (reading.status == QuadraticReading::Status::Unreadable)
        return refuse(kSymbolMessage, kFieldG);
    if (reading.status == QuadraticReading::Status::TooLarge)
        return refuse(kTooLargeMessage, kFieldG);
    if (reading.degree > 1) return refuse(kDegreeTooHighMessage, kFieldG);
    coefficients = reading.coefficients;
    return true;
}

bool CEqGraph::work(const QuadraticCoefficients &f, const QuadraticCoefficients &g, Worked &worked)
{
    // (3): f - g = 0. Every part is exact in 64 bits; what the figure writes through the term
    // table's 16-bit coefficients must fit them.
    QuadraticCoefficients &q = worked.coefficients;
    for (std::size_t power = 0; power < 3; ++power) {
        const auto difference = AddExact(f[power], ExactFraction{-g[power].num, g[power].den});
        if (!difference) return refuse(kTooLargeMessage, kFieldF);
        q[power] = *difference;
    }
    if (q[2].num == 0) return refuse(kNotQuadraticMessage, kFieldF);
    if (!std::all_of(q.begin(), q.end(), FitsInt16)) return refuse(kTooLargeMessage, kFieldF);
    // D = B^2 - 4AC.
    const auto square = MultiplyExact(q[1], q[1]);
    const auto product = MultiplyExact(q[2], q[0]);
    const auto fourProduct = product ? MultiplyExact(*product, ExactFraction{-4, 1}) : std::nullopt;
    const auto d = square && fourProduct ? AddExact(*square, *fourProduct) : std::nullopt;
    if (!d) return refuse(kTooLargeMessage, kFieldF);
    worked.discriminant = *d;
    const auto mappingF = MapSetX(f);
    if (!mappingF) return refuse(kTooLargeMessage, kFieldF);
    const auto mappingG = MapSetX(g);
    if (!mappingG) return refuse(kTooLargeMessage, kFieldG);
    worked.mappingF = *mappingF;
    worked.mappingG = *mappingG;
    return true;
}

void CEqGraph::store(const Worked &worked)
{
    m_coefficients = worked.coefficients;
    m_discriminant = worked.discriminant;
    m_mappingF = worked.mappingF;
    m_mappingG = worked.mappingG;
}

void CEqGraph::OnPaint(Canvas &canvas)
{
    BkModeScope transparent(canvas, BkMode::Transparent);
    paintFrame(canvas);
    if (m_modeFlag == 0)
        paintEquation(canvas);
    else if (m_modeFlag == 1)
        paintMappings(canvas);
}

void CEqGraph::paintFrame(Canvas &canvas)
{
    const int u = m_unitX;
    const int v = m_unitY;
    canvas.fillRect(Rect{u, 6 * v - 3, m_clientWidth - u, 12 * v + 3}, Colors::Yellow);
    TextColorScope blue(canvas, Colors::Blue);
    canvas.drawIcon(44 * u, v - 8, StockIcon::Information);
    canvas.textOut(49 * u, v, u"数と式");
}

void CEqGraph::paintEquation(Canvas &canvas)
{
    const int u = m_unitX;
    const int v = m_unitY;
    {
        TextColorScope red(canvas, Colors::Red);
        canvas.textOut(2 * u, 6 * v, u"交点の個数は、(1),(2)の連立方程式の解を調べればよい。");
    }
    TextColorScope black(canvas, Colors::Black);
    const std::u16string equal = formatText(u"%s=%s", m_f, m_g);
    const int n = static_cast<int>(equal.size());
    DrawMonomialText(canvas, m_metrics, 4 * u, 7 * v, equal);
    canvas.textOut((n + 6) * u, 7 * v, u"を変形して");
    DrawMonomialText(canvas, m_metrics, 4 * u, 8 * v, FormatQuadraticSum(m_coefficients) + u"=0");
    canvas.textOut((n + 6) * u, 8 * v, u"･･･(3)");
    drawDiscriminant(canvas);
}

void CEqGraph::drawDiscriminant(Canvas &canvas)
{
    const int u = m_unitX;
    const int v = m_unitY;
    Size size;
    {
        TextColorScope red(canvas, Colors::Red);
        DrawPower(m_metrics, canvas, v, 18 * u, 9 * v, u"Ｄ= b", u"2", size);
        canvas.textOut(24 * u, 9 * v, u"-4ac");
    }
    const auto &[c, b, a] = m_coefficients;
    const int width =
        DrawPower(m_metrics, canvas, v, 2 * u, 10 * v,
                  formatText(u"方程式(3)の判別式Ｄ= (%s)", FormatExactFraction(b)), u"2", size);
    const std::u16string product =
        formatText(u"-4(%s)(%s)", FormatExactFraction(a), FormatExactFraction(c));
    canvas.textOut(2 * u + width, 10 * v, product);
    const int resultX = 2 * u + width + static_cast<int>(product.size()) * u;
    canvas.textOut(resultX, 10 * v, formatText(u"= %s", FormatExactFraction(m_discriminant)));
    std::u16string_view verdict = u"Ｄ＞０（相異なる２解）だから  ２点で交わる。";
    if (m_discriminant.num == 0)
        verdict = u"Ｄ＝０（重複解）だから  １点で交わる。（接する）";
    else if (m_discriminant.num < 0)
        verdict = u"Ｄ＜０（解なし）だから  交わらない。";
    canvas.textOut(4 * u, 11 * v, verdict);
}

void CEqGraph::paintMappings(Canvas &canvas)
{
    BrushScope white(canvas, Brush{Colors::White});
    DrawSetMapping(canvas, m_metrics, 0, u"f", m_mappingF);
    DrawSetMapping(canvas, m_metrics, 1, u"g", m_mappingG);
}
