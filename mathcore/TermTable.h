#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The term table: a sum of monomials coefficient x (numerator letters) / (denominator letters) with
// exact fractional coefficients, read from and written back to formula texts. Each letter is one
// variable (upper and lower case differ); a letter counts once per occurrence, so kkk is k cubed.

/// Letters one side of a term holds.
constexpr int kLetterCapacity = 7;
/// Slots of a term table.
constexpr int kTermSlots = 24;
/// Characters of one term of a formula text.
constexpr int kTermTextCapacity = 31;

/// The letters of one side of a term: at most kLetterCapacity characters; appended letters past the
/// capacity are cut.
class LetterText
{
public:
    LetterText() = default;
    LetterText(std::u16string_view letters) { append(letters); }

    std::u16string_view view() const { return {m_chars.data(), m_size}; }
    int size() const { return static_cast<int>(m_size); }
    bool empty() const { return m_size == 0; }
    void clear() { *this = LetterText(); }
    void append(std::u16string_view letters);

    friend bool operator==(const LetterText &a, const LetterText &b)
    {
        return a.view() == b.view();
    }

private:
    std::array<char16_t, kLetterCapacity> m_chars{};
    std::size_t m_size = 0;
};

/// One term: coefficient coefNum/coefDen times the numerator letters over the denominator letters.
/// A slot that is not `used` is empty; the first empty slot ends the table.
struct TermSlot
{
    LetterText numLetters;
    LetterText denLetters;
    std::int16_t coefNum = 1;
    std::int16_t coefDen = 1; ///< positive after the routines that normalise signs
    bool used = false;

    /// Numerator letters minus denominator letters.
    int degree() const { return numLetters.size() - denLetters.size(); }
};

/// A caller-owned table of kTermSlots terms in order, ended by the first empty slot (a full table
/// has no empty slot). A fresh table has every slot empty with coefficient 1/1. It is a plain
/// value.
// Qt defines `slots` as a macro; the member keeps its name in files that also include Qt.
#pragma push_macro("slots")
#undef slots
struct TermTable
{
    std::array<TermSlot, kTermSlots> slots{};
    /// False when ParseTermList could not hold its text exactly: a number or coefficient beyond 16
    /// bits (it wrapped), a term beyond kTermTextCapacity characters, letters beyond
    /// kLetterCapacity or terms beyond kTermSlots (they were cut).
    bool exact = true;
};
#pragma pop_macro("slots")

/// One factor of a term as written ("-3x", "/2y", "0.5"): a '-' anywhere makes it negative, digits
/// accumulate a decimal number (wrapping to 16 bits), a '.' makes every later digit multiply the
/// decimal denominator by 10, and every character with a code above 64 is a letter. A factor with
/// letters but no digits has the number 1; one with neither has the number 0.
struct FactorReading
{
    std::int16_t number = 0;     ///< signed
    std::int16_t decimalDen = 1; ///< 10 to the number of digits after the point
    std::u16string letters;
    bool fits = true; ///< false when the number or the decimal denominator wrapped
};
FactorReading readFactor(std::u16string_view factor);

/// Number of slots before the first empty one.
int CountTerms(const TermTable &table);

/// Reads a sum into a fresh table and returns the number of terms (at most kTermSlots; later terms
/// are dropped). When the text starts with '(' reading starts after it; a ')' ends the reading.
/// Terms are cut at each '+' or '-' that does not start the text read and does not follow '*' or
/// '/'; each term is cut to kTermTextCapacity characters and into factors at '*' and '/' (see
/// readFactor). A factor after '/' is a divisor: its letters go to the denominator and its number
/// (1 when it is 0) to the coefficient denominator. The coefficient is the product of the factors,
/// not reduced, with the sign on the numerator; letters are concatenated in the order met and cut
/// at kLetterCapacity.
int ParseTermList(std::u16string_view text, TermTable &table);

/// Writes the table as a sum ("x-x+2", "3x/2y", "kk+3k+2"): a coefficient 0 writes nothing, 1 and
/// -1 are not written before numerator letters, every slot after the first is joined with its sign
/// ("+" for a positive coefficient, also before letters with coefficient 1). An empty result is
/// "0". The text is cut to kFormulaTextCapacity characters.
void FormatTermList(std::u16string &output, const TermTable &table);

/// The characters of `in` in ascending code order: "yx" gives "xy", "kkx" stays "kkx".
void SortLetters(std::u16string_view in, std::u16string &out);

/// The terms of `in` (up to its first empty slot) in writing order: higher degree first; among
/// equal degrees, lower numerator letters first; among equal numerator letters, a later term whose
/// denominator letters do not compare lower goes first. `in` and `out` may be the same table.
void SortTerms(const TermTable &in, TermTable &out);
