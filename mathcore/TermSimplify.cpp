// SimplifyTerms: each term of a sum reduced to one coefficient, its letters and its groups.

#include "mathcore/TermAlgebra.h"

#include "mathcore/TextFormat.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::size_t kMaxSimplifiedTerms = 10;
constexpr std::size_t kMaxFactors = 24;
/// Letters each side of a term holds while its factors are multiplied.
constexpr std::size_t kFactorLetterCapacity = 16;

/// A factor of a term: a number with letters, or a bracketed group kept as text.
struct Factor
{
    std::u16string numLetters;
    std::u16string denLetters;
    std::int16_t num = 1;
    std::int16_t den = 1;
    bool group = false;
    bool divisor = false;          ///< a '/' stands before the group
    std::u16string_view groupText; ///< "(...)" as it stands in the term
};

/// The product of a term's non-group factors.
struct Monomial
{
    std::u16string numLetters;
    std::u16string denLetters;
    int num = 1;
    int den = 1;
};

void appendLetters(std::u16string &letters, std::u16string_view more)
{
    letters +=
        more.substr(0, kFactorLetterCapacity - std::min(letters.size(), kFactorLetterCapacity));
}

/// A numeric-and-letter stretch; after '/' its coefficient is inverted (sign kept on the numerator)
/// and its letters go to the denominator.
Factor ParseFactor(std::u16string_view stretch, bool divisor)
{
    const FactorReading reading = readFactor(stretch);
    Factor factor;
    if (!divisor) {
        factor.num = reading.number;
        factor.den = reading.decimalDen;
        factor.numLetters = reading.letters;
        return factor;
    }
    factor.num = reading.decimalDen;
    factor.den = reading.number;
    factor.denLetters = reading.letters;
    if (factor.den < 0) {
        factor.num = static_cast<std::int16_t>(-factor.num);
        factor.den = static_cast<std::int16_t>(-factor.den);
    }
    return factor;
}

/// Cuts a term into at most kMaxFactors factors at '*', '/' and brackets. A lone sign before a
/// group is the factor 1 or -1.
std::vector<Factor> ParseFactors(std::u16string_view term)
{
    std::vector<Factor> factors;
    bool divisorNext = false;
    std::size_t i = 0;
    while (i < term.size() && factors.size() < kMaxFactors) {
        const char16_t c = term[i];
        if (c == u'*' || c == u'/') {
            divisorNext = c == u'/';
            ++i;
            continue;
        }
        if (c == u'(') {
            const std::size_t close = term.find(u')', i);
            const std::size_t end = close == std::u16string_view::npos ? term.size() : close + 1;
            Factor group;
            group.group = true;
            group.divisor = divisorNext;
            group.groupText = term.substr(i, end - i);
            factors.push_back(group);
            divisorNext = false;
            i = end;
            continue;
        }
        std::size_t end = term.find_first_of(u"*/(", i);
        if (end == std::u16string_view::npos) end = term.size();
        std::u16string_view stretch = term.substr(i, end - i);
        if ((stretch == u"+" || stretch == u"-") && end < term.size() && term[end] == u'(')
            stretch = stretch == u"+" ? u"+1" : u"-1";
        factors.push_back(ParseFactor(stretch, divisorNext));
        divisorNext = false;
        i = end;
    }
    return factors;
}

/// Multiplies the non-group factors into one reduced coefficient with the sign on the numerator and
/// cancels letters. -1 when a factor has the denominator 0.
int MultiplyFactors(const std::vector<Factor> &factors, Monomial &result)
{
    for (const Factor &factor : factors)
        if (!factor.group && factor.den == 0) return -1;
    result = Monomial();
    for (const Factor &factor : factors) {
        if (factor.group) continue;
        // Reduced after every factor, so the 16-bit coefficient wraps only when the reduced
        // fraction itself does not fit.
        int num = result.num * factor.num;
        int den = result.den * factor.den;
        const int g = static_cast<int>(reducingDivisor(num, den));
        num /= g;
        den /= g;
        if (den < 0) {
            num = -num;
            den = -den;
        }
        result.num = static_cast<std::int16_t>(num);
        result.den = static_cast<std::int16_t>(den);
        appendLetters(result.numLetters, factor.numLetters);
        appendLetters(result.denLetters, factor.denLetters);
    }
    CancelLetters(result.numLetters, result.denLetters);
    return 0;
}

/// Writes a simplified term: coefficient (not written as 1 or -1 before letters), numerator
/// letters,
/// "/" with the denominator coefficient and letters, then the groups joined by '*' or '/'.
std::u16string FormatTerm(const Monomial &monomial, const std::vector<Factor> &factors)
{
    if (monomial.num == 0) return u"0";
    const bool hasLetters = !monomial.numLetters.empty();
    std::u16string out;
    if (monomial.num == 1)
        out = hasLetters ? u"" : u"1";
    else if (monomial.num == -1)
        out = hasLetters ? u"-" : u"-1";
    else
        out = formatText(u"%d", monomial.num);
    out += monomial.numLetters;
    if (monomial.den != 1 || !monomial.denLetters.empty()) {
        out += u'/';
        if (monomial.den != 1) out += formatText(u"%d", monomial.den);
        out += monomial.denLetters;
    }
    for (const Factor &factor : factors) {
        if (!factor.group) continue;
        if (factor.divisor) {
            // 1/(k+1) keeps its 1.
            if (out.empty() || out == u"-") out += u'1';
            out += u'/';
        } else {
            if (out == u"1")
                out.clear();
            else if (out == u"-1")
                out = u"-";
            if (!out.empty() && out != u"-") out += u'*';
        }
        out += factor.groupText;
    }
    return out;
}

/// The terms of a sum: cut at '+' and '-' outside brackets that do not start the text and do not
/// follow '*' or '/'.
std::vector<std::u16string_view> cutTerms(std::u16string_view text)
{
    std::vector<std::u16string_view> terms;
    bool inGroup = false;
    std::size_t begin = 0;
    for (std::size_t i = 0; i < text.size() && terms.size() < kMaxSimplifiedTerms; ++i) {
        const char16_t c = text[i];
        if (c == u'(')
            inGroup = true;
        else if (c == u')')
            inGroup = false;
        else if (i > 0 && !inGroup && (c == u'+' || c == u'-') && text[i - 1] != u'*' &&
                 text[i - 1] != u'/') {
            terms.push_back(text.substr(begin, i - begin));
            begin = i;
        }
    }
    if (begin < text.size() && terms.size() < kMaxSimplifiedTerms)
        terms.push_back(text.substr(begin));
    return terms;
}

} // namespace

int SimplifyTerms(std::u16string_view text, std::u16string &output)
{
    std::u16string out;
    const std::vector<std::u16string_view> terms = cutTerms(text);
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const std::vector<Factor> factors = ParseFactors(terms[i].substr(0, kTermTextCapacity));
        Monomial monomial;
        if (MultiplyFactors(factors, monomial) < 0) return -1;
        const std::u16string term = FormatTerm(monomial, factors);
        if (i > 0 && term.front() != u'-') out += u'+';
        out += term;
    }
    cutToCapacity(out, kFormulaTextCapacity);
    output = std::move(out);
    return 0;
}
