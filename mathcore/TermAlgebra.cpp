#include "mathcore/TermAlgebra.h"

#include "mathcore/TextFormat.h"

#include <vector>

namespace {

constexpr int kMaxExponent = 6;

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool isAsciiLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

/// The repeat unit of the power whose '^' is at `caret`, or a negative code.
int powerBase(const std::u16string &text, std::size_t caret, std::u16string &unit)
{
    if (caret == 0) return -1;
    const char16_t before = text[caret - 1];
    if (isDigit(before)) {
        // The whole number is the base: 10^2 gives 10*10 and 2.5^2 gives 2.5*2.5.
        std::size_t first = caret - 1;
        while (first > 0 && (isDigit(text[first - 1]) || text[first - 1] == u'.'))
            --first;
        unit = u"*" + text.substr(first, caret - first);
        return 0;
    }
    if (before == u')') {
        if (caret < 3) return -2;
        // The matching '(' found by counting brackets backwards.
        int depth = 0;
        for (std::size_t i = caret; i-- > 0;) {
            if (text[i] == u')')
                ++depth;
            else if (text[i] == u'(' && --depth == 0) {
                unit = text.substr(i, caret - i);
                return 0;
            }
        }
        return -2;
    }
    if (isAsciiLetter(before)) {
        unit = std::u16string(1, before);
        return 0;
    }
    return -1;
}

TermSlot multiplyTerms(const TermSlot &a, const TermSlot &b)
{
    std::u16string num = std::u16string(a.numLetters.view()) + std::u16string(b.numLetters.view());
    std::u16string den = std::u16string(a.denLetters.view()) + std::u16string(b.denLetters.view());
    CancelLetters(num, den);
    int coefNum = a.coefNum * b.coefNum;
    int coefDen = a.coefDen * b.coefDen;
    const int g = static_cast<int>(reducingDivisor(coefNum, coefDen));
    TermSlot product;
    product.numLetters = LetterText(num);
    product.denLetters = LetterText(den);
    product.coefNum = static_cast<std::int16_t>(coefNum / g);
    product.coefDen = static_cast<std::int16_t>(coefDen / g);
    product.used = true;
    return product;
}

/// A piece of a term for ExpandProduct: a bracketed group with what follows it, or the text before
/// the first group; `divisor` when a '/' stands before it.
struct Piece
{
    std::u16string text;
    bool divisor = false;
};

std::vector<Piece> cutPieces(std::u16string_view term)
{
    std::vector<Piece> pieces;
    bool divisorNext = false;
    // A piece followed by a group gives its trailing '/' to that group.
    auto add = [&](std::u16string_view text, bool groupFollows) {
        const bool divisor = divisorNext;
        divisorNext = false;
        if (groupFollows && !text.empty() && text.back() == u'/') {
            text.remove_suffix(1);
            divisorNext = true;
        }
        if (text.empty() || text == u"+" || text == u"+1") return; // a factor 1 is no piece
        pieces.push_back(Piece{text == u"-" ? u"-1" : std::u16string(text), divisor});
    };
    std::size_t begin = term.find(u'(');
    if (begin == std::u16string_view::npos) return pieces;
    add(term.substr(0, begin), true);
    while (begin < term.size()) {
        if (pieces.size() == 3) {
            add(term.substr(begin), false); // the rest of the term is one piece
            break;
        }
        const std::size_t next = term.find(u'(', begin + 1);
        add(term.substr(begin, next - begin), next != std::u16string_view::npos);
        begin = next;
    }
    return pieces;
}

/// The content of a group piece: what stands between its '(' and the first ')'.
std::u16string groupContent(std::u16string_view piece)
{
    piece.remove_prefix(1);
    return std::u16string(piece.substr(0, piece.find(u')')));
}

} // namespace

std::int16_t CheckExpressionText(std::u16string_view text, int kind)
{
    int depth = 0;
    int relations = 0;
    bool power = false;
    bool badCharacter = false;
    for (char16_t c : text) {
        if (isDigit(c) || isAsciiLetter(c) ||
            std::u16string_view(u".+-*/").find(c) != std::u16string_view::npos)
            continue;
        if (c == u'^') {
            power = true;
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            if (--depth < 0) return -8;
        } else if ((kind == Equation && c == u'=') ||
                   (kind == Inequality && (c == u'<' || c == u'>'))) {
            ++relations;
        } else {
            badCharacter = true;
            break;
        }
    }
    if (depth != 0) return -8;
    if (badCharacter || relations > 1) return -1;
    return power ? 1 : 0;
}

std::int16_t ExpandPowers(std::u16string_view source, std::u16string &output)
{
    std::u16string text(source.substr(0, kFormulaTextCapacity));
    // Each step removes the first '^'; the repeat unit stands before it and holds no '^'.
    for (std::size_t caret = text.find(u'^'); caret != std::u16string::npos;
         caret = text.find(u'^')) {
        std::u16string unit;
        int code = powerBase(text, caret, unit);
        if (code == 0 && (caret + 1 >= text.size() || !isDigit(text[caret + 1]))) code = -3;
        if (code == 0 && caret + 2 < text.size() && isDigit(text[caret + 2]))
            code = -2; // exponents have one digit
        if (code == 0 && text[caret + 1] - u'0' > kMaxExponent) code = -2;
        if (code != 0) {
            output = text;
            return static_cast<std::int16_t>(code);
        }
        const int exponent = text[caret + 1] - u'0';
        std::u16string expanded = text.substr(0, caret);
        for (int i = 1; i < exponent; ++i)
            expanded += unit;
        expanded += text.substr(caret + 2);
        if (expanded.size() > kFormulaTextCapacity) {
            // The written-out power does not fit a formula text; a cut product would read as
            // another formula (with unbalanced brackets), so it is refused.
            output = text;
            return -2;
        }
        text = std::move(expanded);
    }
    output = std::move(text);
    return 0;
}

void CancelLetters(std::u16string &numerator, std::u16string &denominator)
{
    std::vector<bool> matchedNum(numerator.size(), false);
    std::vector<bool> matchedDen(denominator.size(), false);
    for (std::size_t i = 0; i < numerator.size(); ++i) {
        for (std::size_t j = 0; j < denominator.size(); ++j) {
            if (!matchedDen[j] && denominator[j] == numerator[i]) {
                matchedNum[i] = true;
                matchedDen[j] = true;
                break;
            }
        }
    }
    auto unmatched = [](const std::u16string &text, const std::vector<bool> &matched) {
        std::u16string out;
        for (std::size_t i = 0; i < text.size(); ++i)
            if (!matched[i]) out += text[i];
        return out;
    };
    numerator = unmatched(numerator, matchedNum);
    denominator = unmatched(denominator, matchedDen);
}

int CollectLikeTerms(std::u16string_view text, std::u16string &output)
{
    TermTable terms;
    const int count = ParseTermList(text, terms);
    for (int i = 0; i < count; ++i) {
        TermSlot &slot = terms.slots[static_cast<std::size_t>(i)];
        std::u16string sorted;
        SortLetters(slot.numLetters.view(), sorted);
        slot.numLetters = LetterText(sorted);
        SortLetters(slot.denLetters.view(), sorted);
        slot.denLetters = LetterText(sorted);
    }
    TermTable collected;
    std::array<bool, kTermSlots> taken{};
    int distinct = 0;
    for (int i = 0; i < count; ++i) {
        if (taken[static_cast<std::size_t>(i)]) continue;
        TermSlot sum = terms.slots[static_cast<std::size_t>(i)];
        std::int32_t num = 0;
        std::int32_t den = 1;
        for (int j = i; j < count; ++j) {
            const TermSlot &term = terms.slots[static_cast<std::size_t>(j)];
            if (taken[static_cast<std::size_t>(j)] || !(term.numLetters == sum.numLetters) ||
                !(term.denLetters == sum.denLetters))
                continue;
            taken[static_cast<std::size_t>(j)] = true;
            AddFractions(den, term.coefDen, num, term.coefNum, num, den);
        }
        sum.coefNum = static_cast<std::int16_t>(num);
        sum.coefDen = static_cast<std::int16_t>(den);
        collected.slots[static_cast<std::size_t>(distinct++)] = sum;
    }
    SortTerms(collected, collected);
    FormatTermList(output, collected);
    return distinct;
}

int MultiplyTermLists(TermTable &out, const TermTable &a, const TermTable &b)
{
    const TermTable left = a;
    const TermTable right = b;
    const int countA = CountTerms(left);
    const int countB = CountTerms(right);
    TermTable products;
    int count = 0;
    for (int i = 0; i < countA; ++i) {
        for (int j = 0; j < countB; ++j) {
            products.slots[static_cast<std::size_t>(count++)] = multiplyTerms(
                left.slots[static_cast<std::size_t>(i)], right.slots[static_cast<std::size_t>(j)]);
            if (count == kTermSlots) {
                out = products;
                return -9;
            }
        }
    }
    out = products;
    return count;
}

int ExpandProduct(std::u16string_view term, std::u16string &output)
{
    const std::vector<Piece> pieces = cutPieces(term);
    if (pieces.empty()) return 0;
    if (pieces.size() == 1) {
        if (pieces[0].divisor) return -1;
        output = groupContent(pieces[0].text);
        cutToCapacity(output, kFormulaTextCapacity);
        return 1;
    }
    // With three pieces a leading monomial such as 2k stays in front of the product of the others.
    std::size_t first = 0;
    TermTable left;
    TermTable right;
    if (pieces.size() >= 3 && !pieces[0].divisor) {
        ParseTermList(pieces[0].text, left);
        if (CountTerms(left) == 1) first = 1;
    }
    const Piece &pieceA = pieces[first];
    const Piece &pieceB = pieces[first + 1];
    if (pieceA.divisor || pieceB.divisor) return -1;
    ParseTermList(pieceA.text, left);
    ParseTermList(pieceB.text, right);
    TermTable product;
    const int code = MultiplyTermLists(product, left, right);
    if (code < 0) return code;
    std::u16string productText;
    std::u16string collected;
    FormatTermList(productText, product);
    CollectLikeTerms(productText, collected);

    std::u16string out;
    if (pieces.size() == 2)
        out = collected;
    else if (first == 1)
        out = pieces[0].text + u"(" + collected + u")";
    else
        out = u"(" + collected + u")" + (pieces[2].divisor ? u"/" : u"") + pieces[2].text;
    if (pieces.size() == 4) out += (pieces[3].divisor ? u"/" : u"") + pieces[3].text;
    cutToCapacity(out, kFormulaTextCapacity);
    output = std::move(out);
    return static_cast<int>(pieces.size());
}
