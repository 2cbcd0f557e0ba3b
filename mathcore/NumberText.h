#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Number and fraction texts: validators for the numbers typed into lesson fields, integer helpers,
// fraction arithmetic on integer pairs, fraction arithmetic performed inside a formula text, and
// the fixed text forms of fractions. No function keeps state or shows a message; each reports by
// its return value and the calling lesson chooses the message.
//
// A fraction is written with the sign on the numerator and without a denominator of 1. 16-bit
// quantities are computed in int and narrowed explicitly, so an overflow wraps (modulo 2^16).

/// Characters of a fraction text (its classic buffer holds one more for the terminator).
constexpr std::size_t kFractionTextCapacity = 7;
/// Characters of a formula text, the capacity of every rewritten formula.
constexpr std::size_t kFormulaTextCapacity = 63;
/// Prime factors a factor list holds at most.
constexpr int kMaxPrimeFactors = 10;

/// Ascending prime factors ended by a 0 entry. There is always room for the terminator, so every
/// function here writes it, also after ten factors.
using FactorList = std::array<std::int16_t, kMaxPrimeFactors + 1>;

/// Validators. They check characters only: a lone '-', "3/", "/4" and a lone '.' are accepted; the
/// caller converts the text afterwards. An empty text is accepted.

/// 0 when the text holds only '0'-'9', else -1.
std::int16_t CheckDigitsText(std::u16string_view text);
/// 0 when the text holds '0'-'9' with an optional '+' or '-' as its first character, else -1.
std::int16_t CheckSignedIntegerText(std::u16string_view text);
/// Index of the one '/' (0 when there is none, and for an empty text), or -1 for any character
/// other than '0'-'9', '-' and '/', a '-' after the first position, or a second '/'.
std::int16_t CheckFractionText(std::u16string_view text);
/// Index of the one '.' (0 when there is none), or -1 for any character other than '0'-'9', '.',
/// and '+' or '-' in the first position, or a second '.'.
std::int16_t CheckDecimalText(std::u16string_view text);

/// The divisor that reduces the fraction a/b: the greatest common divisor of |a| and |b|, or 1 when
/// either is 0 (so dividing by it never fails).
std::int64_t reducingDivisor(std::int64_t a, std::int64_t b);

/// Greatest common divisor of |a| and |b| by repeated remainders. A zero argument gives 1 (the
/// divisor every reduction in this program uses for a zero operand). gcd(INT32_MIN, INT32_MIN) =
/// 2^31 wraps to INT32_MIN.
std::int32_t Gcd(std::int32_t a, std::int32_t b);

/// Prime factors of n by trial division, ascending, at most 10 (the rest of n is dropped), followed
/// by a 0 entry. n below 2 gives an empty list. Returns the number of factors.
std::int16_t FactorPrimes(std::int16_t n, FactorList &list);

/// Greatest common divisor of a and b taken from their prime factors (matched pairwise); 1 when
/// nothing matches, also for 0 or 1. -2 when |a| or |b| has more than 8 prime factors.
std::int16_t CommonFactor(std::int16_t a, std::int16_t b);

/// Least common multiple of a and b, wrapping to 16 bits. When either argument is 0 or negative it
/// is the plain product a x b.
std::int16_t LeastCommonMultiple(std::int16_t a, std::int16_t b);

/// Splits an ascending factor list (at most its first 10 entries, up to its 0 entry) into the
/// factors that occur in pairs (one entry per pair) and the ones left over, so that
/// root(n) = (product of pairs) x root(product of singles). Both outputs end with a 0 entry; an
/// empty list gives two empty lists.
void SplitSquareFactors(const FactorList &list, FactorList &pairs, FactorList &singles);

/// num/den divided by the gcd of both; returned unchanged when either is 0. Signs are not
/// normalised.
void ReduceFraction(std::int32_t num, std::int32_t den, std::int32_t &outNum, std::int32_t &outDen);

/// numA/denA + numB/denB over their least common denominator, reduced; a zero sum gives 0/1. Signs
/// are not normalised (a negative denominator can give a negative result denominator). Returns 0,
/// or -1 for a zero denominator, which gives 0/0. Results that exceed 32 bits wrap.
int AddFractions(std::int32_t denA, std::int32_t denB, std::int32_t numA, std::int32_t numB,
                 std::int32_t &outNum, std::int32_t &outDen);

/// Writes num/den reduced, sign on the numerator: "%d" when the denominator is 1, else "%d/%d"; a
/// zero numerator is not reduced (0/5 stays "0/5"). A zero denominator is written as it is ("5/0",
/// "0/0"). The text is cut to kFractionTextCapacity characters.
void FormatFraction(std::int16_t num, std::int16_t den, std::u16string &out);

/// Writes a number with a sign suited to joining it onto a formula: suffix "" when den is 1, else
/// "/%d" of den; "%d%s" when num <= 0, "+%d%s" when num > 0 and plus, " %d%s" (leading blank) when
/// num > 0 and not plus. Nothing is reduced or normalised.
void FormatSignedFraction(std::u16string &out, std::int32_t num, bool plus, std::int32_t den);

/// Reads an integer inside text[start, end) (the range is clamped to the text). Every character at
/// or above '0' counts as a digit ('0'-'9' by value, any other such character as 0); any other
/// character ends the current number, resets it, takes the sign from itself ('-' gives -1, else +1)
/// and, unless the character before it is '*' or '/', records its own index as the operand start.
/// mode 0 stops at the first non-digit after a digit and returns that index (or `end`); any other
/// mode scans to `end`, keeps the last number and returns its operand start (`start` when the
/// number begins the range). `out` is sign x digits, wrapping to 32 bits. -1 when no digit was
/// seen.
int ReadIntegerAt(std::u16string_view text, std::int32_t &out, int mode, int start, int end);

/// Replaces the first sum or difference of two fractions in the text by their reduced result
/// ("1/2+1/3" becomes "5/6"): the first '+' or '-' at index 1 or later is the operator. Returns 0
/// when there is no operator, -1 (text unchanged) when an operand cannot be read or has a zero
/// denominator, else 1 if the left numerator was non-zero and 0 if it was zero. The rebuilt text is
/// cut to kFormulaTextCapacity characters.
int EvaluateFractionSum(std::u16string &text);

/// Performs one product or quotient of the text: at the first '*' or '/', a/b * c or a/b / c is
/// replaced by the reduced fraction (with a '+' in front when the replaced stretch does not start
/// the text and the result is not negative). A '/' that is the bar of an already reduced fraction
/// is passed over. Applied twice, "2/3*3/4" becomes "2/4", then "1/2". Returns -1 (text unchanged)
/// when an operand cannot be read or a divisor or denominator is 0, else 1 if the last numerator
/// read was non-zero, 0 otherwise. The rebuilt text is cut to kFormulaTextCapacity characters.
int EvaluateFractionProduct(std::u16string &text);
