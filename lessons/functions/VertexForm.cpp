#include "lessons/functions/VertexForm.h"

#include "mathcore/NumberText.h"
#include "mathcore/TextFormat.h"

#include <cstdint>

namespace {

constexpr std::size_t kTextCapacity = 64;

/// num/den reduced, sign on the numerator, 0 as 0/1; nullopt when a part exceeds 16 bits.
std::optional<TypedFraction> reducedFraction(std::int64_t num, std::int64_t den)
{
    if (num == 0) return TypedFraction{0, 1};
    const std::int64_t divisor = reducingDivisor(num, den);
    num /= divisor;
    den /= divisor;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    if (num < INT16_MIN || num > INT16_MAX || den > INT16_MAX) return std::nullopt;
    return TypedFraction{static_cast<std::int16_t>(num), static_cast<std::int16_t>(den)};
}

std::u16string signedFraction(std::int32_t num, std::int32_t den, bool plus)
{
    std::u16string text;
    FormatSignedFraction(text, num, plus, den);
    return text;
}

std::u16string coefficientText(const Quadratic &quadratic, bool decimal)
{
    if (quadratic.a == 1.0) return {};
    if (quadratic.a == -1.0) return u"-";
    if (decimal) return formatText(u"%3.2f", quadratic.a);
    const TypedFraction &a = quadratic.fractionA;
    const std::u16string text = signedFraction(a.numerator, a.denominator, false);
    return a.denominator != 1 ? formatText(u"(%s)", text) : text;
}

VertexFormTexts fractionTexts(const Quadratic &quadratic, const ExactVertex &vertex)
{
    const TypedFraction &p = vertex.p;
    const TypedFraction &q = vertex.q;
    VertexFormTexts texts;
    texts.coefficient = coefficientText(quadratic, false);
    texts.square =
        p.numerator == 0 ? u"x" : u"(x" + signedFraction(p.numerator, p.denominator, true) + u")";
    if (q.numerator != 0) texts.constant = signedFraction(q.numerator, q.denominator, true);
    texts.vertexX = signedFraction(-std::int32_t{p.numerator}, p.denominator, false);
    texts.vertexY = signedFraction(q.numerator, q.denominator, false);
    return texts;
}

VertexFormTexts decimalTexts(const Quadratic &quadratic)
{
    const double p = quadratic.p();
    const double q = quadratic.q();
    VertexFormTexts texts;
    texts.coefficient = coefficientText(quadratic, true);
    texts.square = p > 0.0   ? formatText(u"(x+%3.2f)", p)
                   : p < 0.0 ? formatText(u"(x%3.2f)", p)
                             : std::u16string(u"x");
    if (q != 0.0) texts.constant = formatText(q > 0.0 ? u"+%3.2f" : u"%3.2f", q);
    // Adding 0.0 turns a negative zero into 0, so the vertex never reads "-0.00".
    texts.vertexX = formatText(u"%3.2f", -p + 0.0);
    texts.vertexY = formatText(u"%3.2f", q + 0.0);
    return texts;
}

} // namespace

std::optional<ExactVertex> ExactVertexFractions(const Quadratic &quadratic)
{
    const std::int64_t aN = quadratic.fractionA.numerator;
    const std::int64_t aD = quadratic.fractionA.denominator;
    const std::int64_t bN = quadratic.fractionB.numerator;
    const std::int64_t bD = quadratic.fractionB.denominator;
    const std::int64_t cN = quadratic.fractionC.numerator;
    const std::int64_t cD = quadratic.fractionC.denominator;
    if (aN == 0 || aD == 0 || bD == 0 || cD == 0) return std::nullopt;
    // Each product has at most four 16-bit factors and a factor 4, so its magnitude is at most
    // 2^62 and the difference of the two numerator terms stays below 2^63: 64 bits are exact.
    const auto p = reducedFraction(bN * aD, 2 * aN * bD);
    const auto q =
        reducedFraction(4 * aN * bD * bD * cN - aD * bN * bN * cD, 4 * aN * bD * bD * cD);
    if (!p || !q) return std::nullopt;
    return ExactVertex{*p, *q};
}

VertexFormTexts WriteVertexForm(const Quadratic &quadratic, bool decimalInput)
{
    std::optional<ExactVertex> exact;
    if (!decimalInput) exact = ExactVertexFractions(quadratic);
    VertexFormTexts texts = exact ? fractionTexts(quadratic, *exact) : decimalTexts(quadratic);
    for (std::u16string *text :
         {&texts.coefficient, &texts.square, &texts.constant, &texts.vertexX, &texts.vertexY})
        cutToCapacity(*text, kTextCapacity);
    return texts;
}
