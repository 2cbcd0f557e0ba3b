#include "mathcore/FormulaText.h"

#include <algorithm>

namespace {

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

int length(std::u16string_view text)
{
    return static_cast<int>(text.size());
}

// First occurrence of `c` outside brackets, or npos. An unmatched ')' leaves the depth at 0.
std::size_t findAtDepthZero(std::u16string_view text, char16_t c)
{
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'(')
            ++depth;
        else if (text[i] == u')')
            depth = std::max(0, depth - 1);
        else if (depth == 0 && text[i] == c)
            return i;
    }
    return std::u16string_view::npos;
}

void putField(std::u16string &field, std::u16string_view value)
{
    field.assign(value.substr(0, kRootFieldCapacity));
}

} // namespace

int FindClosingParen(int index, std::u16string_view text)
{
    if (index < 0 || index >= length(text) || text[static_cast<std::size_t>(index)] != u'(')
        return -1;
    int depth = 0;
    for (int i = index; i < length(text); ++i) {
        const char16_t c = text[static_cast<std::size_t>(i)];
        if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            if (--depth == 0) return i;
        }
    }
    return length(text);
}

int skipGroup(std::u16string_view text, int open)
{
    const int close = FindClosingParen(open, text);
    if (close < 0) return open + 1;
    return close >= length(text) ? length(text) : close + 1;
}

bool groupHoldsSlash(std::u16string_view text, int open)
{
    const int close = FindClosingParen(open, text);
    if (close < 0) return false;
    const std::u16string_view inside =
        text.substr(static_cast<std::size_t>(open) + 1, static_cast<std::size_t>(close - open - 1));
    return inside.find(u'/') != std::u16string_view::npos;
}

bool HasRootExponent(int end, std::u16string_view text, int start)
{
    const int stop = (end <= 0 || end > length(text)) ? length(text) : end;
    for (int i = std::max(0, start); i < stop; ++i) {
        if (text[static_cast<std::size_t>(i)] == u'^' && i + 1 < length(text) &&
            text[static_cast<std::size_t>(i) + 1] == u'(' && groupHoldsSlash(text, i + 1))
            return true;
    }
    return false;
}

bool IsFractionText(std::u16string_view text)
{
    return findAtDepthZero(text, u'/') != std::u16string_view::npos;
}

bool StripOuterParens(std::u16string &text)
{
    if (text.size() < 2 || text.front() != u'(' || FindClosingParen(0, text) != length(text) - 1)
        return false;
    text = text.substr(1, text.size() - 2);
    return true;
}

std::u16string DropMultiplySigns(std::u16string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A '*' stays before a digit or a signed factor: "x*-y" must not read as x - y.
        if (text[i] == u'*' &&
            !(i + 1 < text.size() && (isDigit(text[i + 1]) || text[i + 1] == u'-')))
            continue;
        out += text[i];
    }
    return out;
}

int FindFactorEnd(int start, std::u16string_view text, int &end)
{
    const int n = length(text);
    int result = 1;
    int i = std::max(0, start);
    while (i < n && text[static_cast<std::size_t>(i)] != u'*') {
        const char16_t c = text[static_cast<std::size_t>(i)];
        if (c == u'(') {
            i = skipGroup(text, i);
        } else if (c == u'^' || c == u'_') {
            ++i;
            if (i < n && text[static_cast<std::size_t>(i)] == u'(') {
                if (c == u'^' && groupHoldsSlash(text, i)) result = 3;
                i = skipGroup(text, i);
            } else {
                while (i < n && text[static_cast<std::size_t>(i)] >= u'0')
                    ++i;
            }
        } else {
            ++i;
        }
    }
    end = i - 1;
    return result;
}

bool SplitRootNotation(std::u16string &index, std::u16string &radicand, std::u16string_view text,
                       std::u16string &coefficient, std::u16string &power)
{
    index.clear();
    radicand.clear();
    coefficient.clear();
    power.clear();
    auto allPresent = [&] {
        return !coefficient.empty() && !radicand.empty() && !power.empty() && !index.empty();
    };

    if (text.find(u';') != std::u16string_view::npos) {
        // The index takes whatever follows the third ';'.
        std::u16string *fields[] = {&coefficient, &radicand, &power, &index};
        std::u16string_view rest = text;
        for (std::u16string *field : fields) {
            const std::size_t semicolon = field == &index ? rest.npos : rest.find(u';');
            putField(*field, rest.substr(0, semicolon));
            if (semicolon == std::u16string_view::npos) break;
            rest.remove_prefix(semicolon + 1);
        }
        return allPresent();
    }

    std::u16string_view rest = text;
    const std::size_t star = findAtDepthZero(rest, u'*');
    if (star == std::u16string_view::npos) {
        coefficient = u"1";
    } else {
        putField(coefficient, rest.substr(0, star));
        rest.remove_prefix(star + 1);
    }
    const std::size_t caret = findAtDepthZero(rest, u'^');
    if (caret == std::u16string_view::npos) return false;
    putField(radicand, rest.substr(0, caret));
    const int open = static_cast<int>(caret) + 1;
    if (open >= length(rest) || rest[static_cast<std::size_t>(open)] != u'(') return false;
    const int close = FindClosingParen(open, rest);
    const std::u16string_view group =
        rest.substr(static_cast<std::size_t>(open) + 1, static_cast<std::size_t>(close - open - 1));
    const std::size_t slash = group.find(u'/');
    if (slash == std::u16string_view::npos) return false;
    putField(power, group.substr(0, slash));
    putField(index, group.substr(slash + 1));
    return allPresent();
}
