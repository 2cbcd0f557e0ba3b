#include "mathcore/SumAlgebra.h"

#include "mathcore/NumberText.h"
#include "mathcore/TermAlgebra.h"
#include "mathcore/TextFormat.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool isLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

/// Index of the ')' that closes the '(' at `open`, or npos.
std::size_t closingBracket(std::u16string_view text, std::size_t open)
{
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == u'(') ++depth;
        if (text[i] == u')' && --depth == 0) return i;
    }
    return std::u16string_view::npos;
}

/// The terms of a sum as [begin, end) ranges: cut at '+' and '-' outside brackets that do not
/// start the text and do not follow '*' or '/'.
std::vector<std::pair<std::size_t, std::size_t>> termRanges(std::u16string_view text)
{
    std::vector<std::pair<std::size_t, std::size_t>> ranges;
    int depth = 0;
    std::size_t begin = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'(') ++depth;
        if (c == u')') --depth;
        if (i > 0 && depth == 0 && (c == u'+' || c == u'-') && text[i - 1] != u'*' &&
            text[i - 1] != u'/') {
            ranges.emplace_back(begin, i);
            begin = i;
        }
    }
    if (begin < text.size()) ranges.emplace_back(begin, text.size());
    return ranges;
}

/// Step 1: each bracketed group's content simplified in place.
int simplifyGroups(std::u16string &text)
{
    for (std::size_t open = text.find(u'('); open != std::u16string::npos;
         open = text.find(u'(', open + 1)) {
        const std::size_t close = text.find(u')', open);
        const std::size_t nested = text.find(u'(', open + 1);
        if (nested != std::u16string::npos && (close == std::u16string::npos || nested < close))
            return kNestedBracket;
        if (close == std::u16string::npos) break;
        std::u16string simplified;
        const int code = SimplifyTerms(text.substr(open + 1, close - open - 1), simplified);
        if (code < 0) return code;
        text.replace(open + 1, close - open - 1, simplified);
        cutToCapacity(text, kFormulaTextCapacity);
    }
    return 0;
}

/// Step 3, once: expands the first term that ExpandProduct multiplies out. Returns 1 when a term
/// was replaced, 0 when none expands, or ExpandProduct's negative code.
int expandFirstProduct(std::u16string &text)
{
    for (const auto &[begin, end] : termRanges(text)) {
        const std::u16string term = text.substr(begin, end - begin);
        std::u16string expanded;
        const int code = ExpandProduct(term, expanded);
        if (code == 0) continue;
        if (code < 0) return code;
        const bool signedTerm = term.front() == u'+' || term.front() == u'-';
        if (signedTerm && !expanded.empty() && expanded.front() != u'+' && expanded.front() != u'-')
            expanded.insert(0, 1, u'+');
        text.replace(begin, end - begin, expanded);
        cutToCapacity(text, kFormulaTextCapacity);
        return 1;
    }
    return 0;
}

struct Factor
{
    std::u16string text;
    int exponent = 1;
};

struct FactorTerm
{
    std::u16string sign;
    std::vector<Factor> factors;
};

/// The digits at `i` (advancing past them) as an exponent, or 1 when there are none.
int readExponent(std::u16string_view term, std::size_t &i)
{
    if (i + 1 >= term.size() || term[i] != u'^' || !isDigit(term[i + 1])) return 1;
    int exponent = 0;
    for (++i; i < term.size() && isDigit(term[i]); ++i)
        exponent = std::min(exponent * 10 + (term[i] - u'0'), 999);
    return exponent;
}

FactorTerm readFactorTerm(std::u16string_view term)
{
    FactorTerm result;
    std::size_t i = 0;
    if (!term.empty() && (term[0] == u'+' || term[0] == u'-')) result.sign = term[i++];
    while (i < term.size()) {
        Factor factor;
        const char16_t c = term[i];
        if (isLetter(c) || c == u'(') {
            const std::size_t close = c == u'(' ? closingBracket(term, i) : i;
            const std::size_t end = close == std::u16string_view::npos ? term.size() : close + 1;
            factor.text = term.substr(i, end - i);
            i = end;
            factor.exponent = readExponent(term, i);
        } else {
            factor.text = c;
            for (++i; i < term.size() && isDigit(term[i]); ++i)
                factor.text += term[i];
        }
        result.factors.push_back(std::move(factor));
    }
    return result;
}

std::u16string factorText(const Factor &factor)
{
    return factor.exponent == 1 ? factor.text : factor.text + formatText(u"^%d", factor.exponent);
}

/// The first factor of `term` with this text that is still present, or nullptr.
Factor *findFactor(FactorTerm &term, std::u16string_view text)
{
    for (Factor &factor : term.factors)
        if (factor.exponent > 0 && factor.text == text) return &factor;
    return nullptr;
}

} // namespace

std::optional<PowerSumFormula> PowerSumFor(int degree)
{
    static constexpr std::array<PowerSumFormula, 4> kFormulas = {{
        {u"n", 1},
        {u"n(n+1)", 2},
        {u"n(n+1)(2n+1)", 6},
        {u"n^2(n+1)^2", 4},
    }};
    if (degree < 0 || degree > 3) return std::nullopt;
    return kFormulas[static_cast<std::size_t>(degree)];
}

int NormalizeSumInput(std::u16string_view input, std::u16string &output)
{
    std::u16string text(input.substr(0, kFormulaTextCapacity));
    int code = simplifyGroups(text);
    if (code < 0) return code;
    code = SimplifyTerms(text, text);
    if (code < 0) return code;
    // Every expansion removes at least one '(', so the text runs out of products.
    while ((code = expandFirstProduct(text)) > 0) {
    }
    if (code < 0) return code;
    output = std::move(text);
    return 0;
}

void ExtractCommonFactor(std::u16string &common, std::u16string_view sum, std::u16string &rest)
{
    std::vector<FactorTerm> terms;
    for (const auto &[begin, end] : termRanges(sum))
        terms.push_back(readFactorTerm(sum.substr(begin, end - begin)));
    std::u16string commonText;
    if (!terms.empty()) {
        for (Factor &candidate : terms[0].factors) {
            int smallest = candidate.exponent;
            std::vector<Factor *> matches{&candidate};
            for (std::size_t t = 1; t < terms.size() && !matches.empty(); ++t) {
                Factor *match = findFactor(terms[t], candidate.text);
                if (!match) matches.clear();
                if (match) {
                    matches.push_back(match);
                    smallest = std::min(smallest, match->exponent);
                }
            }
            if (matches.empty() || smallest <= 0) continue;
            commonText += factorText(Factor{candidate.text, smallest});
            for (Factor *match : matches)
                match->exponent -= smallest;
        }
    }
    if (!commonText.empty() && commonText.front() == u'*') commonText.erase(0, 1);
    std::u16string restText;
    for (const FactorTerm &term : terms) {
        std::u16string part;
        for (const Factor &factor : term.factors)
            if (factor.exponent > 0) part += factorText(factor);
        if (!part.empty() && part.back() == u'*') part.pop_back();
        if (part.empty()) part = u"1";
        restText += term.sign + part;
    }
    common = std::move(commonText);
    rest = std::move(restText);
}
