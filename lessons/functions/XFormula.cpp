#include "lessons/functions/XFormula.h"

#include "mathcore/TermAlgebra.h"

namespace {

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool isSign(char16_t c)
{
    return c == u'+' || c == u'-';
}

// A character with a code above '@' is read as a letter by the term tables.
bool isLetter(char16_t c)
{
    return c > 64;
}

/// The message for the '/' at `slash`, or an empty view.
std::u16string_view checkDenominator(std::u16string_view text, std::size_t slash)
{
    std::size_t i = slash + 1;
    if (i < text.size() && text[i] == u'0') {
        if (i + 1 >= text.size() || text[i + 1] < u'1' || text[i + 1] > u'9')
            return kZeroDenominatorMessage;
        return {};
    }
    if (i < text.size() && isSign(text[i])) ++i;
    const std::size_t digits = i;
    while (i < text.size() && (isDigit(text[i]) || text[i] == u'.'))
        ++i;
    if (i < text.size() && isLetter(text[i])) return kLetterDenominatorMessage;
    if (i == digits) return kSymbolMessage;
    return {};
}

/// True when the number around the '.' at `point` already has a '.' before it ("1.2.3").
bool secondPoint(std::u16string_view text, std::size_t point)
{
    for (std::size_t i = point; i-- > 0 && (isDigit(text[i]) || text[i] == u'.');) {
        if (text[i] == u'.') return true;
    }
    return false;
}

} // namespace

int ExpandXFormula(std::u16string &text, int kind)
{
    int code = CheckExpressionText(text, kind);
    if (code == 1) code = ExpandPowers(text, text);
    return code;
}

std::u16string_view CheckXFormulaCharacters(std::u16string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (isLetter(c) && c != u'x') return kNotXMessage;
        if (c == u'/') {
            if (const std::u16string_view message = checkDenominator(text, i); !message.empty())
                return message;
        }
        if (isSign(c) && i > 0 && isSign(text[i - 1])) return kSymbolMessage;
        if (c == u'.' && secondPoint(text, i)) return kSymbolMessage;
    }
    return {};
}
