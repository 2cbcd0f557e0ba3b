#include "mathcore/FormulaValue.h"

#include <cmath>

namespace {

/// A recursive-descent reader over the text; every reader returns nullopt on a fault.
class FormulaReader
{
public:
    FormulaReader(std::u16string_view text, char16_t variable, double value)
        : m_text(text), m_variable(variable), m_value(value)
    {}

    std::optional<double> readAll()
    {
        const std::optional<double> result = sum();
        if (!result || m_pos != m_text.size() || !std::isfinite(*result)) return std::nullopt;
        return result;
    }

private:
    char16_t peek() const { return m_pos < m_text.size() ? m_text[m_pos] : u'\0'; }
    static bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
    bool atAtom() const { return isDigit(peek()) || peek() == u'.' || peek() == m_variable; }

    std::optional<double> sum()
    {
        double total = 0.0;
        bool first = true;
        while (first || peek() == u'+' || peek() == u'-') {
            double sign = 1.0;
            if (peek() == u'+' || peek() == u'-') sign = m_text[m_pos++] == u'-' ? -1.0 : 1.0;
            const std::optional<double> term = product();
            if (!term) return std::nullopt;
            total += sign * *term;
            first = false;
        }
        return total;
    }

    /// Factors joined by '*', '/' or nothing (implicit multiplication).
    std::optional<double> product()
    {
        double result = 1.0;
        bool any = false;
        for (;;) {
            const char16_t c = peek();
            bool divide = false;
            if (c == u'*' || c == u'/') {
                if (!any) return std::nullopt;
                divide = c == u'/';
                ++m_pos;
            } else if (c != u'(' && !atAtom()) {
                break;
            }
            const std::optional<double> factor = signedFactor(divide);
            if (!factor || (divide && *factor == 0.0)) return std::nullopt;
            result = divide ? result / *factor : result * *factor;
            any = true;
        }
        if (!any) return std::nullopt;
        return result;
    }

    /// After '*' or '/' a sign belongs to the factor; a divisor takes a whole stretch of atoms.
    std::optional<double> signedFactor(bool divisor)
    {
        double sign = 1.0;
        if (peek() == u'+' || peek() == u'-') sign = m_text[m_pos++] == u'-' ? -1.0 : 1.0;
        if (peek() == u'(') {
            const std::optional<double> group = power(bracketed());
            return group ? std::optional<double>(sign * *group) : std::nullopt;
        }
        if (!atAtom()) return std::nullopt;
        double result = 1.0;
        do {
            const std::optional<double> atom = power(number());
            if (!atom) return std::nullopt;
            result *= *atom;
        } while (divisor && atAtom());
        return sign * result;
    }

    std::optional<double> bracketed()
    {
        ++m_pos; // '('
        const std::optional<double> inner = sum();
        if (!inner || peek() != u')') return std::nullopt;
        ++m_pos;
        return inner;
    }

    /// A number or the variable.
    std::optional<double> number()
    {
        if (peek() == m_variable) {
            ++m_pos;
            return m_value;
        }
        const std::size_t begin = m_pos;
        while (isDigit(peek()) || peek() == u'.')
            ++m_pos;
        const std::u16string_view digits = m_text.substr(begin, m_pos - begin);
        double result = 0.0;
        double scale = 0.0;
        for (char16_t c : digits) {
            if (c == u'.') {
                if (scale != 0.0) return std::nullopt;
                scale = 1.0;
                continue;
            }
            result = result * 10.0 + (c - u'0');
            scale *= 10.0;
        }
        if (digits.empty() || digits == u".") return std::nullopt;
        return scale > 0.0 ? result / scale : result;
    }

    /// `base` raised to a following "^digits" or "^(...)".
    std::optional<double> power(std::optional<double> base)
    {
        if (!base || peek() != u'^') return base;
        ++m_pos;
        std::optional<double> exponent;
        if (peek() == u'(') {
            exponent = bracketed();
        } else {
            const std::size_t begin = m_pos;
            double digits = 0.0;
            while (isDigit(peek()))
                digits = digits * 10.0 + (m_text[m_pos++] - u'0');
            if (m_pos != begin) exponent = digits;
        }
        if (!exponent) return std::nullopt;
        return std::pow(*base, *exponent);
    }

    std::u16string_view m_text;
    char16_t m_variable;
    double m_value;
    std::size_t m_pos = 0;
};

} // namespace

std::optional<double> EvaluateFormula(std::u16string_view text, char16_t variable, double value)
{
    return FormulaReader(text, variable, value).readAll();
}
