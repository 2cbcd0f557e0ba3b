#include "mathcore/QuadraticText.h"

#include "mathcore/TermTable.h"

#include <algorithm>
#include <vector>

namespace {

using Status = QuadraticReading::Status;

/// A polynomial being read: its coefficients by power and its degree by letters.
struct Partial
{
    QuadraticCoefficients c{};
    int degree = 0;
};

bool isSign(char16_t c)
{
    return c == u'+' || c == u'-';
}

/// Adds `term` times x^power into `sum`; false on overflow.
bool addInto(QuadraticCoefficients &sum, std::size_t power, ExactFraction term)
{
    const std::optional<ExactFraction> added = AddExact(sum[power], term);
    if (!added) return false;
    sum[power] = *added;
    return true;
}

/// A sum without brackets (a '(' at the start and what follows its ')' are passed over, as
/// ParseTermList reads them). `maxTerms` limits the number of terms.
Status readSum(std::u16string_view text, Partial &out, int maxTerms = kTermSlots)
{
    TermTable table;
    const int count = ParseTermList(text, table);
    if (count > maxTerms || count == 0) return Status::Unreadable;
    const auto terms = std::span(table.slots).first(static_cast<std::size_t>(count));
    // A term of too high a degree is reported as such even when its letters were cut.
    for (const TermSlot &slot : terms)
        out.degree = std::max(out.degree, slot.numLetters.size());
    if (out.degree > 2) return Status::DegreeTooHigh;
    if (!table.exact) return Status::TooLarge;
    for (const TermSlot &slot : terms) {
        const int power = slot.numLetters.size();
        const std::optional<ExactFraction> coefficient =
            MakeExactFraction(slot.coefNum, slot.coefDen);
        if (!coefficient || !addInto(out.c, static_cast<std::size_t>(power), *coefficient))
            return Status::TooLarge;
    }
    return Status::Ok;
}

Status multiply(Partial &product, const Partial &factor)
{
    product.degree += factor.degree;
    if (product.degree > 2) return Status::DegreeTooHigh;
    QuadraticCoefficients result{};
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t j = 0; i + j < 3; ++j) {
            const std::optional<ExactFraction> term = MultiplyExact(product.c[i], factor.c[j]);
            if (!term || !addInto(result, i + j, *term)) return Status::TooLarge;
        }
    }
    product.c = result;
    return Status::Ok;
}

/// The monomial in front of a term's first bracket: "", "+" and "-" stand for 1 and -1, a sign
/// after '*' ("x*-(...)") is the sign of the bracket, a '*' before the bracket is dropped.
Status readPrefix(std::u16string_view prefix, Partial &out)
{
    std::int64_t sign = 1;
    if (!prefix.empty() && isSign(prefix.back())) {
        sign = prefix.back() == u'-' ? -1 : 1;
        prefix.remove_suffix(1);
    }
    if (!prefix.empty() && prefix.back() == u'*') prefix.remove_suffix(1);
    if (!prefix.empty() && prefix.back() == u'/') return Status::Unreadable;
    if (prefix.empty()) {
        out.c[0] = ExactFraction{sign, 1};
        return Status::Ok;
    }
    const Status status = readSum(prefix, out, 1);
    if (sign < 0) {
        for (ExactFraction &coefficient : out.c)
            coefficient.num = -coefficient.num;
    }
    return status;
}

/// One term: a monomial times each bracketed sum that follows it.
Status readTerm(std::u16string_view term, Partial &out)
{
    std::size_t open = term.find(u'(');
    if (open == std::u16string_view::npos) return readSum(term, out);
    Status status = readPrefix(term.substr(0, open), out);
    while (status == Status::Ok) {
        const std::size_t close = term.find(u')', open);
        if (close == open + 1) return Status::Unreadable;
        Partial group;
        status = readSum(term.substr(open, close - open + 1), group);
        if (status == Status::Ok) status = multiply(out, group);
        std::size_t next = close + 1;
        if (next == term.size()) break;
        if (term[next] == u'*') ++next;
        if (next >= term.size() || term[next] != u'(') return Status::Unreadable;
        open = next;
    }
    return status;
}

/// The terms of the text cut at '+' and '-' outside brackets; empty when the brackets are nested
/// or do not balance.
std::optional<std::vector<std::u16string_view>> cutTerms(std::u16string_view text)
{
    std::vector<std::u16string_view> terms;
    int depth = 0;
    std::size_t begin = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'(' && ++depth > 1) return std::nullopt;
        if (c == u')' && --depth < 0) return std::nullopt;
        if (depth == 0 && i > 0 && isSign(c) && text[i - 1] != u'*' && text[i - 1] != u'/') {
            terms.push_back(text.substr(begin, i - begin));
            begin = i;
        }
    }
    if (depth != 0) return std::nullopt;
    if (begin < text.size()) terms.push_back(text.substr(begin));
    return terms;
}

} // namespace

QuadraticReading ReadQuadraticText(std::u16string_view text)
{
    QuadraticReading reading;
    const auto terms = cutTerms(text);
    if (!terms) {
        reading.status = Status::Unreadable;
        return reading;
    }
    for (std::u16string_view term : *terms) {
        Partial partial;
        reading.status = readTerm(term, partial);
        reading.degree = std::max(reading.degree, std::min(partial.degree, 3));
        for (std::size_t power = 0; power < 3 && reading.status == Status::Ok; ++power) {
            if (!addInto(reading.coefficients, power, partial.c[power]))
                reading.status = Status::TooLarge;
        }
        if (reading.status != Status::Ok) return reading;
    }
    return reading;
}

std::optional<ExactFraction> EvaluatePolynomialAt(std::int64_t x,
                                                  std::span<const ExactFraction> coefficients)
{
    // Horner's rule from the highest power down: ((a) x + b) x + c.
    ExactFraction value;
    const ExactFraction point{x, 1};
    for (auto it = coefficients.rbegin(); it != coefficients.rend(); ++it) {
        const std::optional<ExactFraction> product = MultiplyExact(value, point);
        const std::optional<ExactFraction> sum = product ? AddExact(*product, *it) : std::nullopt;
        if (!sum) return std::nullopt;
        value = *sum;
    }
    return value;
}

std::u16string FormatQuadraticSum(const QuadraticCoefficients &coefficients)
{
    TermTable table;
    const std::u16string_view letters[] = {u"", u"x", u"xx"};
    for (std::size_t power = 0; power < 3; ++power) {
        TermSlot &slot = table.slots[2 - power];
        slot.numLetters = LetterText(letters[power]);
        slot.coefNum = static_cast<std::int16_t>(coefficients[power].num);
        slot.coefDen = static_cast<std::int16_t>(coefficients[power].den);
        slot.used = true;
    }
    std::u16string text;
    FormatTermList(text, table);
    return text;
}
