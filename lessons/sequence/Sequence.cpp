#include "lessons/sequence/Sequence.h"

#include "mathcore/FormulaDrawing.h"
#include "mathcore/NumberText.h"
#include "resources/DialogTemplates.h"

#include <array>
#include <limits>
#include <optional>

namespace {

constexpr int kFieldA = 143;
constexpr int kFieldD = 144;
constexpr int kFieldN = 145;
constexpr int kFieldB = 146;
constexpr int kFieldR = 147;
constexpr int kStartId = 104;
/// Characters read from each field.
constexpr int kFieldChars = 5;
constexpr int kMaxTermNumber = 99;
/// A ratio must lie in [-10, 10] and differ from 1.
constexpr double kRatioLimit = 10.0;

/// The integer value at the start of a text as the runtime's conversion reads it: an optional
/// sign, then digits up to the first other character; none give 0. nullopt when it leaves the
/// 16-bit range the lesson's numbers are kept in.
std::optional<int> leadingInteger(std::u16string_view text)
{
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == u'-';
    if (!text.empty() && (text[0] == u'-' || text[0] == u'+')) ++i;
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i] - u'0');
        if (value > std::numeric_limits<std::int16_t>::max()) return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

/// A fraction field: '/' where CheckFractionText finds it, the denominator 1 without one.
std::optional<ExactFraction> readFraction(std::u16string_view text)
{
    const int slash = CheckFractionText(text);
    if (slash < 0) return std::nullopt;
    const std::optional<int> num = leadingInteger(text);
    const std::optional<int> den =
        slash == 0 ? std::optional<int>(1) : leadingInteger(text.substr(slash + 1));
    if (!num || !den || *den == 0) return std::nullopt;
    return ExactFraction{*num, *den};
}

std::optional<int> readTermNumber(std::u16string_view text)
{
    if (CheckDecimalText(text) < 0) return std::nullopt;
    const std::optional<int> n = leadingInteger(text);
    if (!n || *n < 1 || *n > kMaxTermNumber) return std::nullopt;
    return n;
}

bool acceptableRatio(ExactFraction r)
{
    const double value = static_cast<double>(r.num) / static_cast<double>(r.den);
    return value != 1.0 && value <= kRatioLimit && value >= -kRatioLimit;
}

} // namespace

CSequence::CSequence(QWidget *parent) : LessonWindow(kTemplate110, parent)
{
    onCommand(kStartId, [this] { OnStart(); });
}

void CSequence::OnInitDialog()
{
    m_metrics.setLayout(clientSize(), 36, 18, m_circleConstant);
    m_unitX = m_metrics.m_unitX;
    m_unitY = m_metrics.m_unitY;
    setControlText(kFieldA, u"2");
    setControlText(kFieldD, u"1/2");
    setControlText(kFieldN, u"3");
    setControlText(kFieldB, u"2");
    setControlText(kFieldR, u"1/2");
    m_input = SequenceInput();
    m_figure = *ComputeSequenceFigure(m_input);
}

/// Reads field `id` into its member of `input`; false when the field is bad.
bool CSequence::readField(int id, SequenceInput &input) const
{
    const std::u16string text = controlText(id, kFieldChars);
    if (id == kFieldN) {
        const std::optional<int> n = readTermNumber(text);
        if (n) input.n = *n;
        return n.has_value();
    }
    const std::optional<ExactFraction> value = readFraction(text);
    if (!value || (id == kFieldR && !acceptableRatio(*value))) return false;
    ExactFraction &target = id == kFieldA   ? input.a
                            : id == kFieldD ? input.d
                            : id == kFieldB ? input.b
                                            : input.r;
    target = *value;
    return true;
}

void CSequence::OnStart()
{
    // The fields are read in order; the first bad one gets the focus and nothing changes.
    SequenceInput input;
    for (const int id : {kFieldA, kFieldD, kFieldN, kFieldB, kFieldR}) {
        if (!readField(id, input)) {
            focusControl(id);
            return;
        }
    }
    // A shown decimal that is not finite cannot be written: the ratio is refused.
    const std::optional<SequenceFigure> figure = ComputeSequenceFigure(input);
    if (!figure) {
        focusControl(kFieldR);
        return;
    }
    m_input = input;
    m_figure = *figure;
    invalidate(true);
}

void CSequence::HighlightText(Canvas &canvas, int x, int y, std::u16string_view text, int first,
                              int count, Rgb brush) const
{
    const std::u16string_view before = text.substr(0, static_cast<std::size_t>(first));
    const std::u16string_view marked = text.substr(before.size(), static_cast<std::size_t>(count));
    const int left = x + canvas.textExtent(before).cx;
    canvas.fillRect(Rect{left, y, left + canvas.textExtent(marked).cx, y + m_unitY}, brush);
}

void CSequence::drawMarked(Canvas &canvas, int x, int y, const MarkedText &marked) const
{
    for (const TextSpan &span : marked.marks)
        HighlightText(canvas, x, y, marked.text, span.first, span.count, Colors::Yellow);
    canvas.textOut(x, y, marked.text);
}

void CSequence::drawPanel(Canvas &canvas, int top, int bottom, std::u16string_view list) const
{
    // A yellow panel over its shadow, 4 pixels down and right of it; the terms in red on it.
    const int v = m_unitY;
    canvas.fillRect(Rect{3 * v, top, 18 * v, bottom}, Colors::NearBlack);
    canvas.fillRect(Rect{3 * v - 4, top - 4, 18 * v - 4, bottom - 4}, Colors::Yellow);
    TextColorScope red(canvas, Colors::Red);
    canvas.textOut(4 * m_unitX, top, list);
}

int CSequence::drawRaised(Canvas &canvas, int x, int y, const MarkedText &base,
                          std::u16string_view exponent)
{
    // The base stays plain text even when it holds a '/' (a fraction as first term), so the
    // highlights under it stay where its characters are.
    drawMarked(canvas, x, y, base);
    const int baseWidth = canvas.textExtent(base.text).cx;
    Size raised;
    return baseWidth +
           DrawPower(m_metrics, canvas, 3 * m_unitY / 2, x + baseWidth, y, u"", exponent, raised);
}

void CSequence::OnPaint(Canvas &canvas)
{
    BkModeScope transparent(canvas, BkMode::Transparent);
    drawArithmetic(canvas);
    drawGeometric(canvas);
}

void CSequence::drawArithmetic(Canvas &canvas) const
{
    const int u = m_unitX;
    const int v = m_unitY;
    drawPanel(canvas, 5 * v / 2, 7 * v / 2 + 6, m_figure.arithmeticList);
    drawMarked(canvas, 12 * u, 9 * v / 2, m_figure.nthTerm);
    drawMarked(canvas, 2 * u, 13 * v / 2, m_figure.arithmeticSum);
    // n over the bar "──" that follows the lead, 2 under it, both centred on the bar.
    const int barLeft = 2 * u + canvas.textExtent(m_figure.sumLead).cx;
    const int barWidth = canvas.textExtent(u"──").cx;
    const int nLeft = barLeft + (barWidth - canvas.textExtent(m_figure.nText).cx) / 2;
    HighlightText(canvas, nLeft, 6 * v, m_figure.nText, 0, static_cast<int>(m_figure.nText.size()),
                  Colors::Yellow);
    canvas.textOut(nLeft, 6 * v, m_figure.nText);
    canvas.textOut(barLeft + (barWidth - canvas.textExtent(u"2").cx) / 2, 7 * v, u"2");
}

void CSequence::drawGeometric(Canvas &canvas)
{
    const int u = m_unitX;
    const int v = m_unitY;
    drawPanel(canvas, 56 * v / 5, 61 * v / 5 + 6, m_figure.geometricList);
    const int termWidth =
        drawRaised(canvas, 2 * u, 13 * v, m_figure.geometricTerm, m_figure.termExponent);
    if (m_figure.decimals) canvas.textOut(2 * u + termWidth + 2 * u, 13 * v, m_figure.termDecimal);

    const int barRow = 31 * v / 2;
    canvas.textOut(2 * u, barRow, m_figure.sumBar);
    if (m_figure.decimals)
        canvas.textOut(2 * u + canvas.textExtent(m_figure.sumBar).cx, barRow, m_figure.sumDecimal);
    const int numeratorWidth =
        drawRaised(canvas, 10 * u, 15 * v - 2, m_figure.sumNumerator, m_figure.nText);
    canvas.textOut(10 * u + numeratorWidth, 15 * v - 2, u"}");
    drawMarked(canvas, 11 * u, 16 * v, m_figure.sumDenominator);
    // The bar again, over the highlights that reach into its row.
    canvas.textOut(2 * u, barRow, m_figure.sumBar);
}
