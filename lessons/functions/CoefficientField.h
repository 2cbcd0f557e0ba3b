#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

/// A coefficient typed as an integer or a fraction: its numerator and denominator as typed (not
/// reduced), for the exact texts of the figure. An integer has the denominator 1.
struct TypedFraction
{
    std::int16_t numerator = 0;
    std::int16_t denominator = 1;
};

/// What the text of a coefficient field reads as, before a lesson accepts it.
struct CoefficientReading
{
    double value = 0.0;
    std::int32_t numerator = 0; ///< integer and fraction texts only
    std::int32_t denominator = 1;
    /// Not an integer or a fraction, so read as a decimal number; the lesson then writes its
    /// texts in decimal form.
    bool decimal = false;
    /// The characters passed their check and a fraction's denominator is not 0.
    bool wellFormed = true;
};

/// Reads a field: an integer ("-3"), a fraction ("1/2", "-3/4") or a decimal number ("1.5"). The
/// numbers are converted in 32 bits by the prefix rule (leading blanks, a sign, digits; no digits
/// give 0). A fraction with the denominator 0 is not well formed and keeps the denominator 1.
CoefficientReading ReadCoefficientText(std::u16string_view text);

/// The limits a lesson puts on one coefficient.
struct CoefficientLimits
{
    static constexpr double kNoMaximum = std::numeric_limits<double>::infinity();
    /// Values above this are rejected (there is no lower limit).
    double maximum = 1000.0;
    bool allowZero = true;
};

/// Reads one field as the lessons' start buttons do. When the text reads as a decimal number,
/// `decimalInput` becomes 1 (accepted or not). The field is rejected when it is not well formed,
/// above the maximum, zero where zero is not allowed, or typed with a numerator or denominator
/// beyond 16 bits; then nothing is stored and false is returned. Otherwise the value is stored,
/// and for an integer or fraction also the typed fraction, and true is returned.
bool AcceptCoefficient(std::u16string_view text, const CoefficientLimits &limits, double &value,
                       TypedFraction &fraction, std::int16_t &decimalInput);

/// Reads a field that takes decimal numbers only ("2.0", "-3", ".5"; no fractions, no exponent):
/// the text must pass `CheckDecimalText`, so an empty text or a lone sign reads as 0. The field is
/// rejected when the check fails, when the value is above the maximum or zero where zero is not
/// allowed; then nothing is stored and false is returned. Otherwise the value is stored.
bool AcceptDecimalCoefficient(std::u16string_view text, const CoefficientLimits &limits,
                              double &value);
/// Reads a field that must hold a whole number or a fraction written with digits on both sides of
/// its '/' ("3", "-2", "1/2", "-3/4"). An empty text, a lone '-', "3/", "/4", any other character,
/// a zero denominator, or a numerator or denominator beyond 16 bits give nullopt; nothing is read
/// as 0 by default.
std::optional<TypedFraction> ReadFractionField(std::u16string_view text);

/// The integer at the start of a text: leading white space, an optional sign, then digits up to
/// the first other character; no digits give 0. Saturates at the 32-bit range.
std::int32_t LeadingInteger(std::u16string_view text);

/// The decimal number at the start of a text by the same prefix rule (digits with an optional
/// point and exponent); no number gives 0.0. The decimal point is '.' whatever the locale.
double LeadingDecimal(std::u16string_view text);
