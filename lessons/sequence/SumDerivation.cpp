#include "lessons/sequence/SumDerivation.h"

#include "mathcore/ExactFraction.h"
#include "mathcore/FormulaValue.h"
#include "mathcore/NumberText.h"
#include "mathcore/SumAlgebra.h"
#include "mathcore/TermAlgebra.h"
#include "mathcore/TextFormat.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

/// The sums are compared for n = 1 to this; a sum of a cubic is a quartic in n.
constexpr int kCheckedTerms = 7;

/// "" for 1/1, "(1/q)*", "p*" or "(p/q)*"; a negative p after a "+" sign turns the sign to "-".
std::u16string coefficientPart(std::u16string &sign, std::int64_t p, std::int64_t q)
{
    if (p < 0 && sign == u"+") {
        sign = u"-";
        p = -p;
    }
    if (p == 1 && q == 1) return {};
    if (p == 1) return formatText(u"(1/%lld)*", q);
    if (q == 1) return formatText(u"%lld*", p);
    return formatText(u"(%lld/%lld)*", p, q);
}

/// Rows 4, 5 and 6 with what the factor rows need.
struct ClosedForms
{
    std::u16string termByTerm; ///< row 4
    std::u16string combined;   ///< row 5
    std::u16string common;     ///< row 6 without the front fraction
    std::u16string front;      ///< "1/L", empty when L is 1
    std::int64_t denominator = 1;
};

std::optional<ClosedForms> buildClosedForms(const TermTable &table, int count)
{
    ClosedForms forms;
    std::vector<ExactFraction> reduced;
    for (int i = 0; i < count; ++i) {
        const TermSlot &slot = table.slots[static_cast<std::size_t>(i)];
        const PowerSumFormula sum = *PowerSumFor(slot.numLetters.size());
        const std::int64_t p = slot.coefNum;
        const std::int64_t q = slot.coefDen;
        std::u16string sign = i == 0 || p < 0 ? u"" : u"+";
        const std::u16string divisor =
            sum.divisor == 1 ? std::u16string() : formatText(u"1/%d*", sum.divisor);
        forms.termByTerm +=
            sign + coefficientPart(sign, p, q) + divisor + std::u16string(sum.closedForm);
        // Row 5: p / (q g) reduced; L collects the denominators.
        const ExactFraction r = ReduceExactFraction(ExactFraction{p, q * sum.divisor});
        reduced.push_back(r);
        sign = i == 0 ? u"" : u"+";
        const std::u16string part = coefficientPart(sign, r.num, r.den);
        forms.combined += sign + part + std::u16string(sum.closedForm);
        const auto lcm = CheckedLeastCommonMultiple(forms.denominator, r.den);
        if (!lcm) return std::nullopt;
        forms.denominator = *lcm;
    }
    for (int i = 0; i < count; ++i) {
        const ExactFraction r = reduced[static_cast<std::size_t>(i)];
        const auto whole = CheckedMultiply(r.num, forms.denominator / r.den);
        if (!whole) return std::nullopt;
        std::u16string sign = i == 0 ? u"" : u"+";
        const std::u16string part = coefficientPart(sign, *whole, 1);
        const int degree = table.slots[static_cast<std::size_t>(i)].numLetters.size();
        forms.common += sign + part + std::u16string(PowerSumFor(degree)->closedForm);
    }
    if (forms.denominator != 1) forms.front = formatText(u"1/%lld", forms.denominator);
    return forms;
}

/// front(rest), the rest alone without a front, the front alone when the rest is 1.
std::u16string joinFront(const std::u16string &front, const std::u16string &rest)
{
    if (front.empty()) return rest;
    if (rest == u"1") return front;
    return front + u"(" + rest + u")";
}

/// Σ_{k=1}^{n} summand(k) for n = 1 to kCheckedTerms.
std::optional<std::vector<double>> partialSums(std::u16string_view summand)
{
    std::vector<double> sums;
    double total = 0.0;
    for (int k = 1; k <= kCheckedTerms; ++k) {
        const std::optional<double> term = EvaluateFormula(summand, u'k', k);
        if (!term) return std::nullopt;
        total += *term;
        sums.push_back(total);
    }
    return sums;
}

bool close(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

/// True when `text` in `variable` takes the values `expected` at 1, 2, ...
bool matches(std::u16string_view text, char16_t variable, const std::vector<double> &expected)
{
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const std::optional<double> value =
            EvaluateFormula(text, variable, static_cast<double>(i + 1));
        if (!value || !close(*value, expected[i])) return false;
    }
    return true;
}

class Deriver
{
public:
    explicit Deriver(std::u16string_view summand) : m_summand(summand) {}
    SumDerivation run();

private:
    void add(std::u16string text, bool formula, bool sigma = false)
    {
        m_result.rows.push_back(SumRow{m_row++, std::move(text), sigma, formula, m_red});
    }
    SumFault rowsInK(TermTable &table, int &count);
    SumFault factorRows(const std::u16string &lastRow, const std::u16string &fraction,
                        std::int64_t denominator);
    void cancelRow(const std::u16string &collected, const std::u16string &common,
                   std::int64_t denominator);
    bool rowsMatch(const std::vector<double> &sums) const;

    std::u16string m_summand;
    SumDerivation m_result;
    int m_row = 2;
    bool m_red = false;
};

SumFault Deriver::rowsInK(TermTable &table, int &count)
{
    std::u16string normal;
    const int code = NormalizeSumInput(m_summand, normal);
    if (code == kNestedBracket) return SumFault::NestedBracket;
    if (code < 0) return SumFault::BadInput;
    const auto values = partialSums(m_summand);
    if (!values) return SumFault::BadInput;
    std::vector<double> terms{(*values)[0]};
    for (std::size_t i = 1; i < values->size(); ++i)
        terms.push_back((*values)[i] - (*values)[i - 1]);
    if (!matches(normal, u'k', terms)) return SumFault::TooLarge;
    if (normal != m_summand) add(m_summand, false, true);
    m_row = 3;
    add(u"(" + normal + u")", false, true);
    count = ParseTermList(normal, table);
    for (int i = 0; i < count; ++i) {
        const TermSlot &slot = table.slots[static_cast<std::size_t>(i)];
        // k in a denominator is no polynomial.
        if (!slot.denLetters.empty()) return SumFault::BadInput;
        if (slot.numLetters.size() > 3) m_result.degreeTooHigh = true;
    }
    return SumFault::None;
}

/// The common factors taken out of the last row (without its front fraction 1/L), the rest
/// multiplied out and collected in red, and what of L a common factor of the rest cancels.
SumFault Deriver::factorRows(const std::u16string &lastRow, const std::u16string &fraction,
                             std::int64_t denominator)
{
    std::u16string common;
    std::u16string rest;
    ExtractCommonFactor(common, lastRow, rest);
    const std::u16string front = fraction.empty() ? common : fraction + u"*" + common;
    add(joinFront(front, rest), false);

    std::u16string expanded;
    std::u16string normal;
    std::u16string collected;
    if (ExpandPowers(rest, expanded) < 0 || NormalizeSumInput(expanded, normal) < 0)
        return SumFault::TooLarge;
    CollectLikeTerms(normal, collected);
    m_red = true;
    add(joinFront(front, collected), true);
    if (!front.empty() && collected != u"1") cancelRow(collected, common, denominator);
    return SumFault::None;
}

/// A common factor l of the collected rest's coefficients cancels c = gcd(L, l) out of 1/L.
void Deriver::cancelRow(const std::u16string &collected, const std::u16string &common,
                        std::int64_t denominator)
{
    TermTable table;
    const int count = ParseTermList(collected, table);
    std::int64_t factor = 0;
    for (int i = 0; i < count; ++i) {
        const std::int64_t num = table.slots[static_cast<std::size_t>(i)].coefNum;
        factor = factor == 0 ? std::abs(num) : reducingDivisor(factor, num);
    }
    if (factor <= 1) return;
    const std::int64_t c = reducingDivisor(denominator, factor);
    // With c = 1 nothing cancels and the row would repeat the one above it.
    if (c == 1) return;
    for (int i = 0; i < count; ++i) {
        TermSlot &slot = table.slots[static_cast<std::size_t>(i)];
        slot.coefNum = static_cast<std::int16_t>(slot.coefNum / c);
    }
    std::u16string rewritten;
    FormatTermList(rewritten, table);
    const std::int64_t left = denominator / c;
    const std::u16string fraction = left == 1 ? std::u16string() : formatText(u"1/%lld*", left);
    add(fraction + common + u"(" + rewritten + u")", true);
}

bool Deriver::rowsMatch(const std::vector<double> &sums) const
{
    for (const SumRow &row : m_result.rows) {
        if (row.sigma) continue;
        if (!matches(row.text, u'n', sums)) return false;
    }
    return true;
}

SumDerivation Deriver::run()
{
    TermTable table;
    int count = 0;
    m_result.fault = rowsInK(table, count);
    if (m_result.fault != SumFault::None || m_result.degreeTooHigh) return m_result;
    const std::optional<ClosedForms> forms = buildClosedForms(table, count);
    if (!forms) {
        m_result.fault = SumFault::TooLarge;
        return m_result;
    }
    m_row = 4;
    add(forms->termByTerm, true);
    add(forms->combined, true);
    // The common denominator row needs two terms; with one, row 5 is the last built row.
    if (count > 1)
        add(forms->front.empty() ? forms->common : forms->front + u"(" + forms->common + u")",
            true);
    m_result.fault = count > 1 ? factorRows(forms->common, forms->front, forms->denominator)
                               : factorRows(forms->combined, u"", 1);
    if (m_result.fault != SumFault::None) return m_result;
    // A row too long for a formula line is refused like a too long summand.
    const bool tooLong =
        std::any_of(m_result.rows.begin(), m_result.rows.end(),
                    [](const SumRow &row) { return row.text.size() > kFormulaTextCapacity; });
    if (tooLong)
        m_result.fault = SumFault::BadInput;
    else if (!rowsMatch(*partialSums(m_summand)))
        m_result.fault = SumFault::TooLarge;
    return m_result;
}

} // namespace

std::optional<std::u16string> ReadSummand(std::u16string_view typed)
{
    const std::int16_t check = CheckExpressionText(typed, PlainExpression);
    std::u16string summand(typed);
    if (check < 0 || (check == 1 && ExpandPowers(typed, summand) < 0)) return std::nullopt;
    const bool otherLetter = std::any_of(summand.begin(), summand.end(), [](char16_t c) {
        return ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')) && c != u'k';
    });
    if (otherLetter) return std::nullopt;
    return summand;
}

SumDerivation DeriveSum(std::u16string_view summand)
{
    return Deriver(summand).run();
}
