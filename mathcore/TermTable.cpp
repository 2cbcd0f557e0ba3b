#include "mathcore/TermTable.h"

#include "mathcore/NumberText.h"
#include "mathcore/TextFormat.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool isTermSeparator(std::u16string_view text, std::size_t i)
{
    return i > 0 && (text[i] == u'+' || text[i] == u'-') && text[i - 1] != u'*' &&
           text[i - 1] != u'/';
}

bool fitsInt16(int value)
{
    return value >= INT16_MIN && value <= INT16_MAX;
}

/// One term of a sum: its factors multiplied into a slot. `exact` becomes false when a number or
/// the coefficient wrapped, or letters were cut.
TermSlot parseTerm(std::u16string_view term, bool &exact)
{
    TermSlot slot;
    slot.used = true;
    int num = 1;
    int den = 1;
    std::size_t begin = 0;
    while (begin < term.size()) {
        std::size_t end = term.find_first_of(u"*/", begin + 1);
        if (end == std::u16string_view::npos) end = term.size();
        const std::u16string_view factor = term.substr(begin, end - begin);
        begin = end;
        if (factor == u"*" || factor == u"/") continue; // only the operator
        const FactorReading reading = readFactor(factor);
        const bool divisor = factor.front() == u'/';
        // A divisor n/d multiplies the coefficient by d/n.
        const int wideNum = num * (divisor ? reading.decimalDen : reading.number);
        const int wideDen =
            den * (divisor ? (reading.number == 0 ? 1 : reading.number) : reading.decimalDen);
        LetterText &letters = divisor ? slot.denLetters : slot.numLetters;
        const int before = letters.size();
        letters.append(reading.letters);
        exact = exact && reading.fits && fitsInt16(wideNum) && fitsInt16(wideDen) &&
                letters.size() - before == static_cast<int>(reading.letters.size());
        num = static_cast<std::int16_t>(wideNum);
        den = static_cast<std::int16_t>(wideDen);
    }
    if (den < 0) {
        num = -num;
        den = -den;
        exact = exact && fitsInt16(num) && fitsInt16(den);
    }
    slot.coefNum = static_cast<std::int16_t>(num);
    slot.coefDen = static_cast<std::int16_t>(den);
    return slot;
}

/// "%d" of the coefficient, with "+" in front on a later slot when it is positive.
std::u16string signedNumber(int value, bool later)
{
    return formatText(later && value > 0 ? u"+%d" : u"%d", value);
}

std::u16string formatSlot(const TermSlot &slot, bool later)
{
    const int c = slot.coefNum;
    if (c == 0) return {};
    std::u16string out;
    const bool hasNumLetters = !slot.numLetters.empty();
    if (!hasNumLetters && slot.denLetters.empty()) {
        out = signedNumber(c, later);
        if (slot.coefDen != 1) out += formatText(u"/%d", slot.coefDen);
        return out;
    }
    if (c == -1)
        out = hasNumLetters ? u"-" : u"-1";
    else if (c == 1)
        out = hasNumLetters ? (later ? u"+" : u"") : (later ? u"+1" : u"1");
    else
        out = signedNumber(c, later);
    out += slot.numLetters.view();
    if (slot.coefDen != 1)
        out += formatText(u"/%d", slot.coefDen);
    else if (!slot.denLetters.empty())
        out += u'/';
    out += slot.denLetters.view();
    return out;
}

} // namespace

void LetterText::append(std::u16string_view letters)
{
    const std::size_t count = std::min(letters.size(), m_chars.size() - m_size);
    std::copy_n(letters.begin(), count, m_chars.begin() + static_cast<std::ptrdiff_t>(m_size));
    m_size += count;
}

FactorReading readFactor(std::u16string_view factor)
{
    FactorReading reading;
    int number = 0;
    int decimalDen = 1;
    bool negative = false;
    bool digits = false;
    bool decimals = false;
    for (char16_t c : factor) {
        if (c == u'-') {
            negative = true;
        } else if (isDigit(c)) {
            const int wideNumber = number * 10 + (c - u'0');
            const int wideDen = decimals ? decimalDen * 10 : decimalDen;
            reading.fits = reading.fits && fitsInt16(wideNumber) && fitsInt16(wideDen);
            number = static_cast<std::int16_t>(wideNumber);
            digits = true;
            decimalDen = static_cast<std::int16_t>(wideDen);
        } else if (c == u'.') {
            decimals = true;
        } else if (c > 64) {
            reading.letters += c;
        }
    }
    if (!digits && !reading.letters.empty()) number = 1;
    reading.number = static_cast<std::int16_t>(negative ? -number : number);
    reading.decimalDen = static_cast<std::int16_t>(decimalDen);
    return reading;
}

int CountTerms(const TermTable &table)
{
    const auto end = std::find_if(table.slots.begin(), table.slots.end(),
                                  [](const TermSlot &slot) { return !slot.used; });
    return static_cast<int>(end - table.slots.begin());
}

int ParseTermList(std::u16string_view text, TermTable &table)
{
    table = TermTable();
    if (!text.empty() && text.front() == u'(') text.remove_prefix(1);
    text = text.substr(0, text.find(u')'));

    int count = 0;
    std::size_t begin = 0;
    while (begin < text.size() && count < kTermSlots) {
        std::size_t end = begin + 1;
        while (end < text.size() && !isTermSeparator(text, end))
            ++end;
        const std::u16string_view whole = text.substr(begin, end - begin);
        const std::u16string_view term = whole.substr(0, kTermTextCapacity);
        table.exact = table.exact && term.size() == whole.size();
        table.slots[static_cast<std::size_t>(count++)] = parseTerm(term, table.exact);
        begin = end;
    }
    table.exact = table.exact && begin >= text.size();
    return count;
}

void FormatTermList(std::u16string &output, const TermTable &table)
{
    std::u16string out;
    const int count = CountTerms(table);
    for (int i = 0; i < count; ++i)
        out += formatSlot(table.slots[static_cast<std::size_t>(i)], i > 0);
    if (out.empty()) out = u"0";
    cutToCapacity(out, kFormulaTextCapacity);
    output = std::move(out);
}

void SortLetters(std::u16string_view in, std::u16string &out)
{
    std::u16string sorted(in);
    std::stable_sort(sorted.begin(), sorted.end());
    out = std::move(sorted);
}

void SortTerms(const TermTable &in, TermTable &out)
{
    const TermTable source = in;
    const int count = CountTerms(source);
    std::array<bool, kTermSlots> taken{};
    TermTable sorted;
    for (int k = 0; k < count; ++k) {
        int best = -1;
        int bestDegree = -99;
        for (int j = 0; j < count; ++j) {
            if (taken[static_cast<std::size_t>(j)]) continue;
            const TermSlot &candidate = source.slots[static_cast<std::size_t>(j)];
            const int degree = candidate.degree();
            if (degree > bestDegree) {
                best = j;
                bestDegree = degree;
                continue;
            }
            if (degree < bestDegree) continue;
            const TermSlot &current = source.slots[static_cast<std::size_t>(best)];
            const int order = candidate.numLetters.view().compare(current.numLetters.view());
            if (order < 0 ||
                (order == 0 && candidate.denLetters.view().compare(current.denLetters.view()) >= 0))
                best = j;
        }
        taken[static_cast<std::size_t>(best)] = true;
        sorted.slots[static_cast<std::size_t>(k)] = source.slots[static_cast<std::size_t>(best)];
    }
    out = sorted;
}
