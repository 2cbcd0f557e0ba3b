#include "lessons/functions/CoefficientField.h"

#include "mathcore/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>

namespace {

bool isBlank(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

std::size_t skipBlanks(std::u16string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return i;
}

bool fitsSixteenBits(std::int32_t value)
{
    return value >= INT16_MIN && value <= INT16_MAX;
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

/// Digits only, at least one.
bool isDigitRun(std::u16string_view text)
{
    if (text.empty()) return false;
    for (const char16_t c : text) {
        if (!isDigit(c)) return false;
    }
    return true;
}

} // namespace

std::int32_t LeadingInteger(std::u16string_view text)
{
    std::size_t i = skipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        magnitude = std::min<std::int64_t>(magnitude * 10 + (text[i] - u'0'), INT64_C(1) << 32);
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

double LeadingDecimal(std::u16string_view text)
{
    std::size_t i = skipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    // Only ASCII characters can belong to the number.
    std::string ascii;
    for (; i < text.size() && text[i] < 0x80; ++i)
        ascii += static_cast<char>(text[i]);
    double value = 0.0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (result.ec != std::errc{} || (!ascii.empty() && (ascii[0] == '-' || ascii[0] == '+')))
        return 0.0;
    return negative ? -value : value;
}

CoefficientReading ReadCoefficientText(std::u16string_view text)
{
    CoefficientReading reading;
    const std::int16_t slash = CheckFractionText(text);
    if (slash < 0) {
        reading.decimal = true;
        reading.wellFormed = CheckDecimalText(text) >= 0;
        reading.value = LeadingDecimal(text);
        return reading;
    }
    reading.numerator = LeadingInteger(text);
    if (slash > 0) {
        reading.denominator = LeadingInteger(text.substr(static_cast<std::size_t>(slash) + 1));
        if (reading.denominator == 0) {
            reading.denominator = 1;
            reading.wellFormed = false;
        }
    }
    reading.value = static_cast<double>(reading.numerator) / reading.denominator;
    return reading;
}

std::optional<TypedFraction> ReadFractionField(std::u16string_view text)
{
    if (CheckFractionText(text) < 0) return std::nullopt;
    const std::size_t slash = text.find(u'/');
    const std::u16string_view top = text.substr(0, slash);
    const std::u16string_view digits = !top.empty() && top[0] == u'-' ? top.substr(1) : top;
    if (!isDigitRun(digits)) return std::nullopt;
    std::int32_t denominator = 1;
    if (slash != std::u16string_view::npos) {
        const std::u16string_view bottom = text.substr(slash + 1);
        if (!isDigitRun(bottom)) return std::nullopt;
        denominator = LeadingInteger(bottom);
    }
    const std::int32_t numerator = LeadingInteger(top);
    if (denominator == 0 || !fitsSixteenBits(numerator) || !fitsSixteenBits(denominator))
        return std::nullopt;
    return TypedFraction{static_cast<std::int16_t>(numerator),
                         static_cast<std::int16_t>(denominator)};
}

bool AcceptCoefficient(std::u16string_view text, const CoefficientLimits &limits, double &value,
                       TypedFraction &fraction, std::int16_t &decimalInput)
{
    const CoefficientReading reading = ReadCoefficientText(text);
    if (reading.decimal) decimalInput = 1;
    // The range is checked on the 32-bit reading, before anything is narrowed to 16 bits.
    if (!reading.wellFormed || reading.value > limits.maximum) return false;
    if (!limits.allowZero && reading.value == 0.0) return false;
    if (!reading.decimal &&
        (!fitsSixteenBits(reading.numerator) || !fitsSixteenBits(reading.denominator)))
        return false;
    value = reading.value;
    if (!reading.decimal) {
        fraction.numerator = static_cast<std::int16_t>(reading.numerator);
        fraction.denominator = static_cast<std::int16_t>(reading.denominator);
    }
    return true;
}

bool AcceptDecimalCoefficient(std::u16string_view text, const CoefficientLimits &limits,
                              double &value)
{
    if (CheckDecimalText(text) < 0) return false;
    const double reading = LeadingDecimal(text);
    if (reading > limits.maximum || (!limits.allowZero && reading == 0.0)) return false;
    value = reading;
    return true;
}
