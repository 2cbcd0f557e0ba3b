#include "lessons/sequence/SequenceTerms.h"

#include "mathcore/TextFormat.h"

#include <cmath>

namespace {

constexpr int kListedTerms = 4;

int length(std::u16string_view text)
{
    return static_cast<int>(text.size());
}

/// A fraction joined onto a formula, as it stands: a leading blank where a positive value would
/// take its "+" sign (" 1/2", "-3/4", "0/2").
std::u16string joinedText(ExactFraction f)
{
    return (f.num < 1 ? u"" : u" ") + FormatExactFraction(f);
}

/// The four terms from `first`, each followed by ",", then "･･･"; `next` gives the term after.
template <typename Next> std::optional<std::u16string> termList(ExactFraction first, Next next)
{
    std::u16string list;
    ExactFraction term = first;
    for (int i = 0; i < kListedTerms; ++i) {
        list += joinedText(term) + u",";
        const std::optional<ExactFraction> following = next(term);
        if (!following) return std::nullopt;
        term = *following;
    }
    return list + u"･･･";
}

/// a + (n-1)d over (den a)(den d), reduced unless it is 0.
std::optional<ExactFraction> nthArithmeticTerm(const SequenceInput &in)
{
    const auto left = CheckedMultiply(in.a.num, in.d.den);
    const auto step = CheckedMultiply(in.n - 1, in.d.num);
    const auto right = step ? CheckedMultiply(*step, in.a.den) : std::nullopt;
    const auto den = CheckedMultiply(in.a.den, in.d.den);
    if (!left || !right || !den) return std::nullopt;
    const auto num = CheckedAdd(*left, *right);
    if (!num) return std::nullopt;
    return ReduceExactFraction(ExactFraction{*num, *den});
}

/// n(a + a_n)/2 as n(a_num a_n,den + a_n,num a_den) / (2 a_den a_n,den), reduced.
std::optional<ExactFraction> arithmeticSum(const SequenceInput &in, ExactFraction nth)
{
    const auto left = CheckedMultiply(in.a.num, nth.den);
    const auto right = CheckedMultiply(nth.num, in.a.den);
    const auto inner = left && right ? CheckedAdd(*left, *right) : std::nullopt;
    const auto num = inner ? CheckedMultiply(in.n, *inner) : std::nullopt;
    const auto twice = CheckedMultiply(2, in.a.den);
    const auto den = twice ? CheckedMultiply(*twice, nth.den) : std::nullopt;
    if (!num || !den) return std::nullopt;
    return ReduceExactFraction(ExactFraction{*num, *den});
}

bool fillArithmetic(const SequenceInput &in, SequenceFigure &figure)
{
    const auto list = termList(in.a, [&in](ExactFraction t) { return AddExact(t, in.d); });
    const auto nth = nthArithmeticTerm(in);
    const auto sum = nth ? arithmeticSum(in, *nth) : std::nullopt;
    if (!list || !sum) return false;
    const std::u16string a = joinedText(in.a);
    const std::u16string d = joinedText(in.d);
    figure.nText = formatText(u"%d", in.n);
    const int n = length(figure.nText);
    figure.arithmeticList = *list;
    figure.nthTerm.text = formatText(u"%s+(%s-1)*%s=%s", a, figure.nText, d, joinedText(*nth));
    figure.nthTerm.marks = {{0, length(a)}, {length(a) + 2, n}, {length(a) + 2 + n + 4, length(d)}};
    figure.sumLead = figure.nText + u"項までの和＝";
    const std::u16string open = figure.sumLead + u"──｛2*";
    figure.arithmeticSum.text =
        formatText(u"%s%s+(%s-1)*%s｝=%s", open, a, figure.nText, d, joinedText(*sum));
    const int at = length(open);
    figure.arithmeticSum.marks = {
        {at, length(a)}, {at + length(a) + 2, n}, {at + length(a) + 2 + n + 4, length(d)}};
    return true;
}

double toDouble(ExactFraction f)
{
    return static_cast<double>(f.num) / static_cast<double>(f.den);
}

void fillGeometricTexts(const SequenceInput &in, SequenceFigure &figure)
{
    const std::u16string b = joinedText(in.b);
    const std::u16string r = joinedText(in.r);
    const std::u16string lead = formatText(u"第 %d項 ＝ ", in.n);
    figure.geometricTerm.text = lead + b + u"(" + r + u")";
    figure.geometricTerm.marks = {{length(lead), length(b)},
                                  {length(lead) + length(b) + 1, length(r)}};
    figure.termExponent = formatText(u"%d-1", in.n);
    figure.sumBar = formatText(u"%d項までの和＝──────", in.n);
    figure.sumNumerator.text = b + u"{1-(" + r + u")";
    figure.sumNumerator.marks = {{0, length(b)}, {length(b) + 4, length(r)}};
    const bool negative = in.r.num < 0;
    figure.sumDenominator.text = negative ? u"1-(" + r + u")" : u"1-" + r;
    figure.sumDenominator.marks = {{negative ? 3 : 2, length(r)}};
}

bool fillGeometric(const SequenceInput &in, SequenceFigure &figure)
{
    const auto list = termList(in.b, [&in](ExactFraction t) { return MultiplyExact(t, in.r); });
    if (!list) return false;
    figure.geometricList = *list;
    fillGeometricTexts(in, figure);
    const double b = toDouble(in.b);
    const double r = toDouble(in.r);
    figure.decimals = r < 1.0;
    if (!figure.decimals) return true;
    const double term = b * std::pow(r, in.n - 1);
    // S = b(1 - r^n)/(1 - r), shown in single precision.
    const float sum = static_cast<float>(b * (1.0 - std::pow(r, in.n)) / (1.0 - r));
    if (!std::isfinite(term) || !std::isfinite(sum)) return false;
    figure.termDecimal = formatText(u"=%3.3f", term);
    figure.sumDecimal = formatText(u"=%5.3f", sum);
    return true;
}

} // namespace

std::optional<SequenceFigure> ComputeSequenceFigure(const SequenceInput &input)
{
    SequenceFigure figure;
    if (!fillArithmetic(input, figure) || !fillGeometric(input, figure)) return std::nullopt;
    return figure;
}
