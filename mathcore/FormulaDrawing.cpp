#include "mathcore/FormulaDrawing.h"

#include "mathcore/FormulaDrawing_p.h"
#include "mathcore/FormulaText.h"
#include "mathcore/TextFormat.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace formula_detail;

namespace {

// The small bold face of raised and lowered texts at half the given height.
Font smallSerif(int height)
{
    return Font{std::max(1, height / 2), 700, 0, u"MS Serif"};
}

// Text followed by a raised text; the size of the pair (width, height of the text).
Size superscript(Canvas &canvas, int height, int x, int y, std::u16string_view text,
                 std::u16string_view raised, bool measureOnly)
{
    if (text.empty()) return Size{0, 0};
    put(canvas, measureOnly, x, y, text);
    const Size extent = canvas.textExtent(text);
    FontScope font(canvas, smallSerif(height));
    put(canvas, measureOnly, x + extent.cx, y - extent.cy / 3, raised);
    return Size{extent.cx + canvas.textExtent(raised).cx, extent.cy};
}

// Whether a label opens more brackets than it closes ("(3) (4", "= (2", "(ａ"): a power drawn in
// two pieces, whose ')' comes with the second piece.
bool opensUnclosedBracket(std::u16string_view text)
{
    int depth = 0;
    for (const char16_t c : text) {
        if (c == u'(') ++depth;
        else if (c == u')' && depth > 0) --depth;
    }
    return depth > 0;
}

} // namespace

Font CreateScaledFont(Canvas &canvas, int height)
{
    Font font = canvas.font();
    if (font.face.empty()) font = Font{0, 700, 1, u"ＭＳ 明朝"};
    font.height = std::max(1, height);
    return font;
}

std::int16_t DrawSuperscript(std::u16string_view text, Canvas &canvas, int height, int x, int y,
                             std::u16string_view raised)
{
    return narrow(superscript(canvas, height, x, y, text, raised, false).cx);
}

void DrawSubscript(std::u16string_view text, Canvas &canvas, int height, int x, int y,
                   std::u16string_view lowered)
{
    if (text.empty()) return;
    canvas.textOut(x, y, text);
    const int width = canvas.textExtent(text).cx;
    FontScope font(canvas, smallSerif(height));
    canvas.textOut(x + width, y + height / 3, lowered);
}

void DrawWithSubscript(int lineHeight, int x, int y, std::u16string_view subscript, Size &size,
                       bool measureOnly, std::u16string_view base, Canvas &canvas)
{
    const Size baseSize = canvas.textExtent(base);
    put(canvas, measureOnly, x, y, base);
    FontScope font(canvas, CreateScaledFont(canvas, lineHeight / 2));
    const Size subSize = canvas.textExtent(subscript);
    put(canvas, measureOnly, x + baseSize.cx + 2, y + lineHeight - subSize.cy, subscript);
    size = Size{baseSize.cx + 2 + subSize.cx, std::max(baseSize.cy, lineHeight)};
}

int DrawSubscriptedText(LessonMetrics &, Canvas &canvas, int x, int y, std::u16string_view text,
                        Size &size, bool measureOnly)
{
    const int lineHeight = lineHeightOf(canvas);
    Size total{0, 0};
    std::u16string_view rest = text;
    for (bool first = true;; first = false) {
        const std::size_t mark = rest.find(u'_');
        if (mark == std::u16string_view::npos) {
            if (first || !rest.empty()) {
                const Size extent = canvas.textExtent(rest);
                put(canvas, measureOnly, x + total.cx, y, rest);
                total = Size{total.cx + extent.cx, std::max(total.cy, extent.cy)};
            }
            break;
        }
        const std::u16string_view base = rest.substr(0, mark);
        rest.remove_prefix(mark + 1);
        std::u16string_view subscript;
        if (!rest.empty() && rest.front() == u'(') {
            // A group without its ')' runs to the end of the text.
            const int close = FindClosingParen(0, rest);
            subscript = rest.substr(1, static_cast<std::size_t>(close - 1));
            rest.remove_prefix(std::min(rest.size(), static_cast<std::size_t>(close) + 1));
        } else if (!rest.empty()) {
            subscript = rest.substr(0, 1);
            rest.remove_prefix(1);
        }
        Size part;
        DrawWithSubscript(lineHeight, x + total.cx, y, subscript, part, measureOnly, base, canvas);
        total = Size{total.cx + part.cx, std::max(total.cy, part.cy)};
    }
    size = total;
    return length(text);
}

std::int16_t DrawPower(LessonMetrics &metrics, Canvas &canvas, int lineHeight, int x, int y,
                       std::u16string_view base, std::u16string_view exponent, Size &size,
                       bool measureOnly)
{
    std::u16string inner(base);
    const bool bracketed = StripOuterParens(inner);
    Size baseSize;
    if (IsFractionText(inner)) {
        // A fraction base is stacked, inside its brackets when it had them.
        int cx = x;
        if (bracketed) {
            put(canvas, measureOnly, cx, y, kOpenBracket);
            cx += canvas.textExtent(kOpenBracket).cx;
        }
        Size fraction;
        DrawFraction(metrics, canvas, cx, y, inner, canvas.textColor(), fraction, measureOnly);
        cx += fraction.cx;
        if (bracketed) {
            put(canvas, measureOnly, cx, y, kCloseBracket);
            cx += canvas.textExtent(kCloseBracket).cx;
        }
        baseSize = Size{cx - x, fraction.cy};
    } else if (opensUnclosedBracket(base)) {
        // The first half of a bracketed power: its ')' follows in a later label, so the base is
        // plain text here, not a formula with a missing bracket.
        put(canvas, measureOnly, x, y, base);
        baseSize = canvas.textExtent(base);
    } else {
        DrawFormula(metrics, canvas, x, y, base, baseSize, measureOnly);
    }

    std::u16string raised(exponent);
    StripOuterParens(raised);
    FontScope font(canvas, CreateScaledFont(canvas, lineHeight / 2));
    put(canvas, measureOnly, x + baseSize.cx + 2, y - lineHeight / 8, raised);
    const int width = baseSize.cx + canvas.textExtent(raised).cx + 2;
    size = Size{width, baseSize.cy};
    return narrow(width);
}

namespace {

// Lays out one formula line left to right. Plain characters collect in a stretch that is drawn
// (with '*' hidden before letters and brackets) whenever a '+' or '-' outside brackets, a power or
// a root form needs the position behind it.
class FormulaLine
{
public:
    FormulaLine(LessonMetrics &metrics, Canvas &canvas, int x, int y, bool measureOnly)
        : m_metrics(metrics), m_canvas(canvas), m_x0(x), m_x(x), m_y(y), m_measureOnly(measureOnly)
    {
        const TextMetrics tm = canvas.textMetrics();
        m_lineHeight = tm.height + tm.externalLeading;
        m_charWidth = tm.aveCharWidth;
    }

    void run(std::u16string_view text);
    Size size() const { return Size{m_x - m_x0, m_lastHeight > 0 ? m_lastHeight : m_lineHeight}; }
    int flags() const { return m_flags; }

private:
    int openBracket(std::u16string_view text, int i);
    int caret(std::u16string_view text, int i);
    void flush();
    std::u16string takeBase();
    void rootForm(std::u16string_view notation);
    void nestedRootForm(std::u16string_view notation, std::u16string_view group);
    void rootError();
    void missingBracket();

    LessonMetrics &m_metrics;
    Canvas &m_canvas;
    int m_x0;
    int m_x;
    int m_y;
    bool m_measureOnly;
    int m_lineHeight = 0;
    int m_charWidth = 0;
    int m_lastHeight = 0;
    int m_flags = 0;
    int m_depth = 0;
    bool m_stopped = false;
    std::u16string m_stretch;
};

void FormulaLine::run(std::u16string_view text)
{
    int i = 0;
    while (i < length(text) && !m_stopped) {
        const char16_t c = text[static_cast<std::size_t>(i)];
        if (c == u'(') {
            i = openBracket(text, i);
        } else if (c == u'^') {
            i = caret(text, i);
        } else {
            m_stretch += c;
            if (c == u')')
                m_depth = std::max(0, m_depth - 1);
            else if ((c == u'+' || c == u'-') && m_depth == 0)
                flush();
            ++i;
        }
    }
    if (!m_stopped) flush();
}

// Handles the '(' at i; returns where the scan goes on.
int FormulaLine::openBracket(std::u16string_view text, int i)
{
    const int n = length(text);
    const int close = FindClosingParen(i, text);
    if (close >= n) {
        missingBracket();
        return n;
    }
    const auto group =
        text.substr(static_cast<std::size_t>(i), static_cast<std::size_t>(close - i + 1));
    if (i > 0 && text[static_cast<std::size_t>(i) - 1] == u'_') {
        m_stretch += group; // a bracketed subscript, laid out by DrawSubscriptedText
        return close + 1;
    }
    const bool powered = close + 2 < n && text[static_cast<std::size_t>(close) + 1] == u'^' &&
                         text[static_cast<std::size_t>(close) + 2] == u'(';
    if (!powered) {
        m_stretch += u'(';
        ++m_depth;
        return i + 1;
    }
    const int exponentClose = FindClosingParen(close + 2, text);
    if (exponentClose >= n) {
        missingBracket();
        return n;
    }
    flush();
    m_x += m_charWidth / 2;
    const auto notation =
        text.substr(static_cast<std::size_t>(i), static_cast<std::size_t>(exponentClose - i + 1));
    if (HasRootExponent(close, text, i)) {
        nestedRootForm(notation, group);
        return exponentClose + 1;
    }
    if (groupHoldsSlash(text, close + 2)) {
        rootForm(notation);
        return exponentClose + 1;
    }
    // An ordinary power of a bracketed group: the '^' that follows takes the group as its base.
    m_stretch = group;
    return close + 1;
}

// Handles the '^' at i; returns where the scan goes on.
int FormulaLine::caret(std::u16string_view text, int i)
{
    const int n = length(text);
    if (i + 1 < n && text[static_cast<std::size_t>(i) + 1] == u'(') {
        const int close = FindClosingParen(i + 1, text);
        if (close >= n) {
            missingBracket();
            return n;
        }
        const auto group =
            text.substr(static_cast<std::size_t>(i) + 1, static_cast<std::size_t>(close - i));
        std::u16string base = takeBase();
        if (groupHoldsSlash(text, i + 1)) {
            rootForm(base + u'^' + std::u16string(group));
        } else {
            Size drawn;
            m_x += DrawPower(m_metrics, m_canvas, m_lineHeight, m_x, m_y, base, group, drawn,
                             m_measureOnly) +
                   2;
            m_lastHeight = drawn.cy;
        }
        return close + 1;
    }
    // A simple exponent: one character, then every following character at or above '0'.
    int end = std::min(n, i + 2);
    while (end < n && text[static_cast<std::size_t>(end)] >= u'0')
        ++end;
    const auto raised =
        text.substr(static_cast<std::size_t>(i) + 1, static_cast<std::size_t>(end - i - 1));
    const std::u16string base = takeBase();
    if (base.find(u'_') != std::u16string::npos) {
        // A subscripted base such as a_n needs the formula layout to show its subscript.
        Size drawn;
        m_x += DrawPower(m_metrics, m_canvas, m_lineHeight, m_x, m_y, base, raised, drawn,
                         m_measureOnly) +
               2;
        m_lastHeight = drawn.cy;
    } else {
        const Size drawn = superscript(m_canvas, m_lineHeight, m_x, m_y, DropMultiplySigns(base),
                                       raised, m_measureOnly);
        m_x += drawn.cx + 2;
        m_lastHeight = drawn.cy;
    }
    return end;
}

void FormulaLine::flush()
{
    if (m_stretch.empty()) return;
    Size drawn;
    DrawSubscriptedText(m_metrics, m_canvas, m_x, m_y, DropMultiplySigns(m_stretch), drawn,
                        m_measureOnly);
    m_x += drawn.cx;
    m_lastHeight = drawn.cy;
    m_stretch.clear();
}

// The base of a power: the stretch behind its last unclosed '(' (what comes before, up to that
// bracket, is drawn first), or the whole stretch.
std::u16string FormulaLine::takeBase()
{
    std::vector<std::size_t> opens;
    for (std::size_t k = 0; k < m_stretch.size(); ++k) {
        if (m_stretch[k] == u'(')
            opens.push_back(k);
        else if (m_stretch[k] == u')' && !opens.empty())
            opens.pop_back();
    }
    std::u16string base;
    if (opens.empty()) {
        base.swap(m_stretch);
    } else {
        base = m_stretch.substr(opens.back() + 1);
        m_stretch.resize(opens.back() + 1);
        flush();
    }
    return base;
}

void FormulaLine::rootForm(std::u16string_view notation)
{
    std::u16string index, radicand, coefficient, power;
    if (!SplitRootNotation(index, radicand, notation, coefficient, power)) {
        rootError();
        return;
    }
    const RootParts root{coefficient, index, radicand, power};
    m_x += drawRootForm(m_metrics, m_canvas, m_x, m_y, root, m_measureOnly, std::nullopt) +
           2 * m_charWidth;
    m_lastHeight = m_lineHeight;
    m_flags |= kDrewRootForm;
}

// A root whose radicand holds a root: the radicand's content is laid out first, right of the room
// the sign, its index and the coefficient take, and the sign is drawn over a blank as wide as it.
void FormulaLine::nestedRootForm(std::u16string_view notation, std::u16string_view group)
{
    std::u16string index, radicand, coefficient, power;
    if (!SplitRootNotation(index, radicand, notation, coefficient, power)) {
        rootError();
        return;
    }
    const int cw = m_charWidth;
    int room = (power == u"1" ? 2 : 3) * cw + cw / 2 * length(index);
    if (coefficient != u"1") room += length(coefficient) * cw;
    std::u16string content(group);
    StripOuterParens(content);
    Size drawn;
    m_flags |= DrawFormula(m_metrics, m_canvas, m_x + room, m_y + 2, content, drawn, m_measureOnly);
    const RootParts root{coefficient, index, u"", power};
    m_x += drawRootForm(m_metrics, m_canvas, m_x, m_y, root, m_measureOnly, drawn.cx + 3 * cw) +
           2 * cw;
    m_lastHeight = m_lineHeight;
    m_flags |= kDrewNestedRootForm;
}

void FormulaLine::rootError()
{
    put(m_canvas, m_measureOnly, m_x, m_y, kRootNotationErrorText);
    m_x += m_canvas.textExtent(kRootNotationErrorText).cx;
}

void FormulaLine::missingBracket()
{
    put(m_canvas, m_measureOnly, m_x0, m_y - 100, kMissingBracketText);
    m_stretch.clear();
    m_stopped = true;
}

} // namespace

int DrawFormula(LessonMetrics &metrics, Canvas &canvas, int x, int y, std::u16string_view text,
                Size &size, bool measureOnly)
{
    FormulaLine line(metrics, canvas, x, y, measureOnly);
    line.run(text.substr(0, kFormulaCapacity));
    size = line.size();
    return line.flags();
}

std::int16_t DrawMonomialText(Canvas &canvas, LessonMetrics &metrics, int x, int y,
                              std::u16string_view text)
{
    // A letter (any character above '?') and how often it stands repeated, or a run of other
    // characters.
    struct Item
    {
        std::u16string text;
        int count = 1;
        bool letter = false;
    };
    std::vector<Item> items;
    for (const char16_t c : text) {
        const bool letter = c > u'?';
        if (letter && !items.empty() && items.back().letter && items.back().text.front() == c)
            ++items.back().count;
        else if (!letter && !items.empty() && !items.back().letter)
            items.back().text += c;
        else
            items.push_back(Item{std::u16string(1, c), 1, letter});
        if (items.size() > kMonomialItemCapacity) {
            metrics.setScratchText(kTooManyItemsText);
            canvas.textOut(20 * canvas.textMetrics().aveCharWidth, y, metrics.m_scratchText);
            return 0;
        }
    }

    const int lineHeight = lineHeightOf(canvas);
    int cx = x;
    for (const Item &item : items) {
        if (item.count > 1) {
            Size drawn;
            cx += DrawPower(metrics, canvas, lineHeight, cx, y, item.text,
                            formatText(u"%d", item.count), drawn);
        } else {
            canvas.textOut(cx, y, item.text);
            cx += canvas.textExtent(item.text).cx;
        }
    }
    return narrow(cx - x);
}

void DrawFormulaAs(Canvas &canvas, LessonMetrics &metrics, std::u16string_view kind, int x, int y,
                   std::u16string_view text)
{
    Size size;
    if (kind == u"fraction") {
        DrawFraction(metrics, canvas, x, y, text, canvas.textColor(), size);
    } else if (kind == u"product") {
        DrawProduct(size, canvas, metrics, x, y, text, canvas.textColor());
    } else if (kind == u"power") {
        const std::size_t caret = text.find(u'^');
        const std::u16string_view base = text.substr(0, caret);
        const std::u16string_view exponent =
            caret == std::u16string_view::npos ? std::u16string_view{} : text.substr(caret + 1);
        DrawPower(metrics, canvas, lineHeightOf(canvas), x, y, base, exponent, size);
    } else if (kind == u"monomial") {
        DrawMonomialText(canvas, metrics, x, y, text);
    } else if (kind == u"root") {
        std::u16string index, radicand, coefficient, power;
        if (SplitRootNotation(index, radicand, text, coefficient, power))
            DrawRootForm(power, metrics, canvas, x, y, coefficient, index, radicand);
        else
            canvas.textOut(x, y, kRootNotationErrorText);
    } else {
        DrawFormula(metrics, canvas, x, y, text, size);
    }
}
