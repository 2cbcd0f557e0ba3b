#include "lessons/trig/Tradd.h"

#include "lessons/trig/TrigFigures.h"
#include "mathcore/FigureHelpers.h"
#include "mathcore/FormulaDrawing.h"
#include "mathcore/TextFormat.h"
#include "resources/DialogTemplates.h"
#include "ui/MeasuringCanvas.h"

#include <algorithm>

namespace {

constexpr int kSineRadio = 109;
constexpr int kCosineRadio = 110;
constexpr int kTangentRadio = 111;
constexpr int kAlphaList = 158;
constexpr int kBetaList = 156;

constexpr std::array<std::u16string_view, 20> kAngleEntryTexts = {
    u"α",    u"β",    u"0ﾟ",   u"30ﾟ",  u"45ﾟ",  u"60ﾟ",  u"90ﾟ",  u"120ﾟ", u"135ﾟ", u"150ﾟ",
    u"180ﾟ", u"210ﾟ", u"225ﾟ", u"240ﾟ", u"270ﾟ", u"300ﾟ", u"315ﾟ", u"330ﾟ", u"360ﾟ", u"",
};

// One pair of formula codes per function, α+β first. A digit names a function (0 cos, 1 sin,
// 2 tan), any other character stands for itself. Sine and cosine: the operator of the left side,
// the functions of α and β in the first product, the operator between the products, the
// functions of α and β in the second product, the α+β/α−β mark. Tangent: the numerator
// (operator, tan, operator, tan), the denominator's operator after "1", the functions of α and β
// in its product, the mark.
constexpr std::array<std::array<std::u16string_view, 2>, 3> kFormulaCodes = {{
    {u"+00-110", u"-00+111"},
    {u"+10+010", u"-10-011"},
    {u"+2+2-220", u"-2-2+221"},
}};

using NameRow = std::array<std::u16string_view, 4>;
// Simplified f(A ± B) by k = degrees/90: [function][case], the cases being α+β (either order),
// α−β with α the letter, α−β with β the letter.
constexpr std::array<std::array<NameRow, 3>, 3> kSimplified = {{
    {{{u"cos", u"-sin", u"-cos", u"sin"},
      {u"cos", u"sin", u"-cos", u"-sin"},
      {u"cos", u"sin", u"-cos", u"-sin"}}},
    {{{u"sin", u"cos", u"-sin", u"-cos"},
      {u"sin", u"-cos", u"-sin", u"cos"},
      {u"-sin", u"cos", u"sin", u"-cos"}}},
    {{{u"tan", u"-cot", u"tan", u"-cot"},
      {u"tan", u"-cot", u"tan", u"-cot"},
      {u"-tan", u"cot", u"-tan", u"cot"}}},
}};

std::u16string codeText(char16_t c)
{
    switch (c) {
    case u'0':
        return u"cos";
    case u'1':
        return u"sin";
    case u'2':
        return u"tan";
    default:
        return std::u16string(1, c);
    }
}

std::u16string_view functionName(std::int16_t function)
{
    return function == CTradd::kCosine ? u"cos" : function == CTradd::kSine ? u"sin" : u"tan";
}

bool isLetter(std::int16_t index)
{
    return index < 2;
}

} // namespace

CTradd::CTradd(QWidget *parent) : LessonWindow(kTemplate115, parent)
{
    onCommand(kAlphaList, [this] { OnSelectAngle(kAlphaList, m_alpha); });
    onCommand(kBetaList, [this] { OnSelectAngle(kBetaList, m_beta); });
    onCommand(kSineRadio, [this] { selectFunction(kSine); });
    onCommand(kCosineRadio, [this] { selectFunction(kCosine); });
    onCommand(kTangentRadio, [this] { selectFunction(kTangent); });
}

void CTradd::setCircleConstant(double value)
{
    LessonWindow::setCircleConstant(value);
    m_metrics.m_circleConstant = value;
}

std::optional<int> CTradd::angleDegrees(std::u16string_view text)
{
    // The leading integer; "ﾟ" ends it.
    int value = 0;
    std::size_t digits = 0;
    for (; digits < text.size() && text[digits] >= u'0' && text[digits] <= u'9'; ++digits)
        value = value * 10 + (text[digits] - u'0');
    if (digits == 0) return std::nullopt;
    return value;
}

std::u16string_view CTradd::simplifiedName(std::int16_t function, bool difference, bool letterFirst,
                                           int degrees)
{
    const std::size_t row = !difference ? 0 : letterFirst ? 1 : 2;
    const auto k = static_cast<std::size_t>((degrees % 360) / 90);
    const auto f = static_cast<std::size_t>(function);
    return kSimplified.at(f).at(row).at(k);
}

void CTradd::OnInitDialog()
{
    m_metrics = TrigLessonMetrics(clientSize(), 18, m_circleConstant);
    m_unitX = m_metrics.m_unitX;
    m_unitY = m_metrics.m_unitY;
    for (std::size_t i = 0; i < m_angleTexts.size(); ++i)
        m_angleTexts[i] = kAngleEntryTexts[i];
    for (int id : {kAlphaList, kBetaList}) {
        clearComboEntries(id);
        for (int i = 0; i < kAngleEntries; ++i)
            addComboEntry(id, m_angleTexts[static_cast<std::size_t>(i)]);
    }
    setComboSelection(kAlphaList, 0);
    setComboSelection(kBetaList, 1);
    m_alpha = 0;
    m_beta = 1;
    setCheckState(kSineRadio, 1);
    m_function = kSine;
}

void CTradd::OnSelectAngle(int id, std::int16_t &member)
{
    const int selected = comboSelection(id);
    if (selected < 0 || selected >= kAngleEntries) return;
    member = static_cast<std::int16_t>(selected);
    invalidate(true);
}

void CTradd::selectFunction(std::int16_t function)
{
    m_function = function;
    invalidate(true);
}

std::u16string_view CTradd::angleText(std::int16_t index) const
{
    return m_angleTexts.at(static_cast<std::size_t>(index));
}

std::u16string_view CTradd::code(bool difference) const
{
    return kFormulaCodes.at(static_cast<std::size_t>(m_function))[difference ? 1 : 0];
}

void CTradd::OnPaint(Canvas &canvas)
{
    BkModeScope transparent(canvas, BkMode::Transparent);
    const int ch = m_unitY;
    drawLetterForm(canvas, false, 3 * ch);
    drawLetterForm(canvas, true, 9 * ch);
    if (isLetter(m_alpha) && isLetter(m_beta)) {
        if (m_alpha == m_beta) {
            TextColorScope red(canvas, Colors::Red);
            drawDoubleAngleForm(canvas, false, 5 * ch);
            drawDoubleAngleForm(canvas, true, 11 * ch);
        }
        return;
    }
    drawValueRow(canvas, false, 5 * ch);
    drawValueRow(canvas, true, 11 * ch);
    const std::int16_t numeric = isLetter(m_alpha) ? m_beta : m_alpha;
    const std::optional<int> degrees = angleDegrees(angleText(numeric));
    if ((isLetter(m_alpha) || isLetter(m_beta)) && degrees && *degrees % 90 == 0) {
        TextColorScope red(canvas, Colors::Red);
        drawSimplifiedForm(canvas, false, 7 * ch);
        drawSimplifiedForm(canvas, true, 13 * ch);
    }
}

int CTradd::drawLeftSide(Canvas &canvas, std::u16string_view name, char16_t op, int row)
{
    // f(A±B) at x0; returns where "=" goes: under the other rows' "=", or right of a left side
    // too long to end before it.
    const int x0 = 2 * m_unitX;
    const std::u16string text =
        formatText(u"%s(%s%s%s)", name, angleText(m_alpha), codeText(op), angleText(m_beta));
    canvas.textOut(x0, row, text);
    return std::max(x0 + 12 * m_unitX, x0 + canvas.textExtent(text).cx + 4);
}

void CTradd::drawLetterForm(Canvas &canvas, bool difference, int row)
{
    const std::u16string_view c = code(difference);
    if (m_function == kTangent) {
        drawTangentLetterForm(canvas, c, row);
        return;
    }
    const std::u16string_view a = angleText(m_alpha);
    const std::u16string_view b = angleText(m_beta);
    const int equals = drawLeftSide(canvas, functionName(m_function), c[0], row);
    canvas.textOut(equals, row,
                   formatText(u"= %s%s%s%s%s%s%s%s%s", codeText(c[1]), a, codeText(c[2]), b,
                              codeText(c[3]), codeText(c[4]), a, codeText(c[5]), b));
}

void CTradd::drawTangentLetterForm(Canvas &canvas, std::u16string_view c, int row)
{
    // tan(A±B) = (tanA ± tanB) / (1 ∓ tanA tanB), stacked over a bar.
    const int cw = m_unitX;
    const int ch = m_unitY;
    const std::u16string_view a = angleText(m_alpha);
    const std::u16string_view b = angleText(m_beta);
    const int equals = drawLeftSide(canvas, u"tan", c[0], row);
    canvas.textOut(equals, row, u"=");
    const int x = equals + cw;
    canvas.textOut(
        x, row - ch / 2,
        formatText(u" %s%s%s%s%s", codeText(c[1]), a, codeText(c[2]), codeText(c[3]), b));
    const std::u16string denominator =
        formatText(u" 1%s%s%s%s%s", codeText(c[4]), codeText(c[5]), a, codeText(c[6]), b);
    canvas.textOut(x, row + ch / 2 + 1, denominator);
    canvas.moveTo(x, row + ch / 2);
    canvas.lineTo(x + static_cast<int>(denominator.size()) * cw, row + ch / 2);
}

void CTradd::drawFactor(Canvas &canvas, int &x, int row, char16_t functionCode, std::int16_t angle)
{
    // A letter is written with its function; an angle gets the exact value in brackets.
    const int cw = m_unitX;
    const std::u16string name = codeText(functionCode);
    const std::optional<int> degrees = angleDegrees(angleText(angle));
    if (!degrees) {
        const std::u16string text = formatText(u"%s%s", name, angleText(angle));
        canvas.textOut(x, row, text);
        x += static_cast<int>(text.size()) * cw;
        return;
    }
    canvas.textOut(x, row, u"(");
    int width = 0;
    if (functionCode == u'0')
        width = DrawCosValue(*degrees, row, canvas, m_metrics, x + cw, Colors::Black, false);
    else if (functionCode == u'1')
        width = DrawSinValue(*degrees, row, canvas, m_metrics, x + cw, Colors::Black, false);
    else
        width = DrawTanValue(canvas, m_metrics, x + cw, row, *degrees, Colors::Black, false);
    canvas.textOut(x + cw + width, row, u")");
    x += width + 2 * cw;
}

void CTradd::drawValueRow(Canvas &canvas, bool difference, int row)
{
    // The row starts under the letter row's "=", unless it would then run past the window's
    // right edge: it is measured first and moved left as far as it must, at most to x0.
    const int cw = m_unitX;
    const int start = 14 * cw;
    MeasuringCanvas measure(canvas);
    const int end = drawValueForm(measure, difference, row, start);
    const int overflow = end - (clientSize().cx - cw);
    drawValueForm(canvas, difference, row, start - std::clamp(overflow, 0, 12 * cw));
}

int CTradd::drawValueForm(Canvas &canvas, bool difference, int row, int x)
{
    // x is where "=" stands; returns the right end of the row.
    const std::u16string_view c = code(difference);
    if (m_function == kTangent) return drawTangentValueForm(canvas, c, row, x);
    const int cw = m_unitX;
    canvas.textOut(x, row, u"=");
    x += cw;
    const auto put = [&](std::u16string_view text, int advance) {
        canvas.textOut(x, row, text);
        x += advance;
    };
    drawFactor(canvas, x, row, c[1], m_alpha);
    put(u"*", cw);
    drawFactor(canvas, x, row, c[2], m_beta);
    put(codeText(c[3]), cw + 2);
    drawFactor(canvas, x, row, c[4], m_alpha);
    put(u"*", cw);
    drawFactor(canvas, x, row, c[5], m_beta);
    return x;
}

int CTradd::drawTangentValueForm(Canvas &canvas, std::u16string_view c, int row, int x)
{
    const int cw = m_unitX;
    canvas.textOut(x, row, u"=(");
    x += 2 * cw;
    const auto put = [&](std::u16string_view text, int advance) {
        canvas.textOut(x, row, text);
        x += advance;
    };
    drawFactor(canvas, x, row, c[1], m_alpha);
    put(codeText(c[2]), cw + 2);
    drawFactor(canvas, x, row, c[3], m_beta);
    const std::u16string middle = formatText(u")/(1%s", codeText(c[4]));
    put(middle, canvas.textExtent(middle).cx + 2);
    drawFactor(canvas, x, row, c[5], m_alpha);
    put(u"*", cw);
    drawFactor(canvas, x, row, c[6], m_beta);
    put(u")", cw);
    return x;
}

void CTradd::drawSimplifiedForm(Canvas &canvas, bool difference, int row)
{
    const bool letterFirst = isLetter(m_alpha);
    const std::int16_t letter = letterFirst ? m_alpha : m_beta;
    const std::int16_t other = letterFirst ? m_beta : m_alpha;
    const int degrees = angleDegrees(angleText(other)).value_or(0);
    canvas.textOut(2 * m_unitX + 12 * m_unitX, row,
                   formatText(u"=%s%s",
                              simplifiedName(m_function, difference, letterFirst, degrees),
                              angleText(letter)));
}

void CTradd::drawDoubleAngleForm(Canvas &canvas, bool difference, int row)
{
    const int cw = m_unitX;
    const int ch = m_unitY;
    const int x0 = 2 * cw;
    const std::u16string_view letter = angleText(m_alpha);
    if (m_function == kTangent) {
        // tan(α−α) = 0; tan 2α is left to the letter rows.
        if (difference) canvas.textOut(x0 + 12 * cw, row, u"= 0");
        return;
    }
    canvas.textOut(x0 + 12 * cw, row, u"=");
    const int x = x0 + 13 * cw;
    if (m_function == kSine) {
        canvas.textOut(x, row,
                       difference ? std::u16string(u" 0")
                                  : formatText(u" 2sin%scos%s", letter, letter));
        return;
    }
    // cos²L − sin²L, and cos²L + sin²L = 1.
    Size size;
    const int lineHeight = 3 * ch / 2 + 2;
    DrawPower(m_metrics, canvas, lineHeight, x, row, u"cos", u"2", size);
    const int second = x + 3 * cw + 2;
    const std::u16string base = formatText(difference ? u"%s + sin" : u"%s - sin", letter);
    const int width = DrawPower(m_metrics, canvas, lineHeight, second, row, base, u"2", size);
    canvas.textOut(second + width + 2, row,
                   difference ? formatText(u"%s = 1", letter) : std::u16string(letter));
}
