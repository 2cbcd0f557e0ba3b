#include "mathcore/FormulaDrawing.h"

#include "mathcore/FormulaDrawing_p.h"
#include "mathcore/FormulaText.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace formula_detail;

namespace {

// One piece of a sum of fractions: a numerator over an optional denominator, or an operator.
struct FractionPiece
{
    std::u16string numerator;
    std::u16string denominator;
    bool hasDenominator = false;
};

bool isPieceOperator(char16_t c)
{
    return c == u'+' || c == u'-' || c == u'<' || c == u'=' || c == u'>';
}

// Splits a sum of fractions into pieces; false when a part or the number of pieces is too large.
bool parseFraction(std::u16string_view text, std::vector<FractionPiece> &pieces)
{
    FractionPiece piece;
    bool inDenominator = false;
    int depth = 0;
    auto finishPiece = [&] {
        if (!piece.numerator.empty() || piece.hasDenominator) pieces.push_back(std::move(piece));
        piece = FractionPiece{};
        inDenominator = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const char16_t previous = i > 0 ? text[i - 1] : u'\0';
        if (depth == 0 && isPieceOperator(c) && previous != u'/' && previous != u'*') {
            finishPiece();
            piece.numerator = c;
            finishPiece();
        } else if (depth == 0 && c == u'/') {
            if (inDenominator) piece.denominator += u'*'; // a/b/c has the denominator b*c
            inDenominator = true;
            piece.hasDenominator = true;
        } else if (depth == 0 && c == u'*') {
            inDenominator = false;
            if (!piece.numerator.empty()) piece.numerator += u'*';
        } else {
            if (c == u'(')
                ++depth;
            else if (c == u')')
                depth = std::max(0, depth - 1);
            (inDenominator ? piece.denominator : piece.numerator) += c;
        }
        if (piece.numerator.size() >= kFractionPartLimit ||
            piece.denominator.size() >= kFractionPartLimit ||
            pieces.size() > kFractionPieceCapacity)
            return false;
    }
    finishPiece();
    return pieces.size() <= kFractionPieceCapacity;
}

// The extent of a numerator or denominator: width, height and how far it reaches above its y.
struct PartExtent
{
    int width = 0;
    int height = 0;
    int above = 0;
};

PartExtent drawFractionPart(LessonMetrics &metrics, Canvas &canvas, int x, int y,
                            std::u16string_view part, Rgb color, bool measureOnly, int depth)
{
    Size size;
    if (depth >= 2) {
        DrawFormula(metrics, canvas, x, y, part, size, measureOnly);
        return PartExtent{size.cx, size.cy, 0};
    }
    if (IsFractionText(part)) {
        const int above =
            DrawFraction(metrics, canvas, x, y, part, color, size, measureOnly, depth + 1);
        return PartExtent{size.cx, size.cy, std::max(0, above)};
    }
    DrawProduct(size, canvas, metrics, x, y, part, color, measureOnly);
    return PartExtent{size.cx, size.cy, 0};
}

} // namespace

int DrawFraction(LessonMetrics &metrics, Canvas &canvas, int x, int y, std::u16string_view text,
                 Rgb color, Size &size, bool measureOnly, int depth)
{
    std::vector<FractionPiece> pieces;
    if (!parseFraction(text, pieces)) {
        put(canvas, measureOnly, x, y, kFractionTooLongText);
        size = canvas.textExtent(kFractionTooLongText);
        return -1;
    }
    PenScope pen(canvas, Pen{PenStyle::Solid, 1, color});
    const int th = canvas.textMetrics().height;
    const int barY = y + th / 2 - 1;
    int cx = x;
    int above = 0;
    int below = 0;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        FractionPiece &piece = pieces[k];
        if (k > 0) cx += 4;
        if (!piece.hasDenominator) {
            const PartExtent plain = drawFractionPart(metrics, canvas, cx, y, piece.numerator,
                                                      color, measureOnly, depth);
            above = std::max(above, plain.above);
            below = std::max(below, plain.height - plain.above);
            cx += plain.width;
            continue;
        }
        StripOuterParens(piece.numerator);
        const PartExtent num =
            drawFractionPart(metrics, canvas, cx, y, piece.numerator, color, true, depth);
        const PartExtent den =
            drawFractionPart(metrics, canvas, cx, y, piece.denominator, color, true, depth);
        const int wide = std::max(num.width, den.width);
        // A plain numerator stands with its top at y - (th/2 - 1); a taller one rises further.
        const int numTop = y - (th / 2 - 1) - std::max(0, num.height - th);
        const int denTop = barY;
        if (!measureOnly) {
            drawFractionPart(metrics, canvas, cx + (wide - num.width) / 2, numTop + num.above,
                             piece.numerator, color, false, depth);
            drawFractionPart(metrics, canvas, cx + (wide - den.width) / 2, denTop + den.above,
                             piece.denominator, color, false, depth);
            canvas.moveTo(cx - 2, barY);
            canvas.lineTo(cx + wide + 2, barY);
        }
        above = std::max(above, y - numTop);
        below = std::max(below, denTop + den.height - y);
        cx += wide;
    }
    size = Size{cx - x, above + below};
    return above;
}

int DrawProduct(Size &size, Canvas &canvas, LessonMetrics &metrics, int x, int y,
                std::u16string_view text, Rgb color, bool measureOnly)
{
    std::u16string product(text);
    if (product.starts_with(u"-1*("))
        product.replace(0, 4, u"-(");
    else if (product.starts_with(u"1*("))
        product.replace(0, 3, u"(");

    int cx = x;
    int height = 0;
    int flags = 0;
    const int n = length(product);
    for (int start = 0; start < n;) {
        int end = start;
        const int kind = FindFactorEnd(start, product, end);
        const std::u16string factor = product.substr(static_cast<std::size_t>(start),
                                                     static_cast<std::size_t>(end - start + 1));
        const bool afterStar = start > 0 && product[static_cast<std::size_t>(start) - 1] == u'*';
        start = end + 2; // behind the '*' that ends the factor
        if (factor.empty()) continue;

        Size drawn;
        std::u16string inner = factor;
        if (StripOuterParens(inner) && IsFractionText(inner)) {
            put(canvas, measureOnly, cx, y, kOpenBracket);
            const int open = canvas.textExtent(kOpenBracket).cx;
            DrawFraction(metrics, canvas, cx + open, y, inner, color, drawn, measureOnly);
            put(canvas, measureOnly, cx + open + drawn.cx, y, kCloseBracket);
            drawn.cx += open + canvas.textExtent(kCloseBracket).cx;
        } else if (kind == 3) {
            std::u16string index, radicand, coefficient, power;
            if (SplitRootNotation(index, radicand, factor, coefficient, power)) {
                drawn.cx = DrawRootForm(power, metrics, canvas, cx, y, coefficient, index, radicand,
                                        measureOnly);
                flags |= kDrewRootForm;
            } else {
                put(canvas, measureOnly, cx, y, kRootNotationErrorText);
                drawn.cx = canvas.textExtent(kRootNotationErrorText).cx;
            }
            drawn.cy = lineHeightOf(canvas);
        } else if (IsFractionText(factor)) {
            DrawFraction(metrics, canvas, cx, y, factor, color, drawn, measureOnly);
        } else {
            int star = 0;
            if (afterStar && (isDigit(factor.front()) || factor.front() == u'-')) {
                put(canvas, measureOnly, cx, y, u"*");
                star = canvas.textExtent(u"*").cx;
            }
            flags |= DrawFormula(metrics, canvas, cx + star, y, factor, drawn, measureOnly);
            drawn.cx += star;
        }
        cx += drawn.cx;
        height = std::max(height, drawn.cy);
    }
    size = Size{cx - x, height};
    return flags;
}
