#pragma once

#include <optional>
#include <string>
#include <string_view>

// Derivation steps for sums of polynomials in k: the closed forms of the power sums, the
// normalisation of a summand into a sum of monomials, and taking common factors out of a sum.

/// Returned by NormalizeSumInput when a bracket opens inside a bracket.
constexpr int kNestedBracket = -11;

/// The closed form of the sum of k^degree for k = 1 to n, as closed form / divisor.
struct PowerSumFormula
{
    std::u16string_view closedForm; ///< "n", "n(n+1)", "n(n+1)(2n+1)", "n^2(n+1)^2"
    int divisor;                    ///< 1, 2, 6, 4
};

/// The power sum of `degree` 0 to 3, or nullopt for any other degree.
std::optional<PowerSumFormula> PowerSumFor(int degree);

/// Rewrites a summand (powers already expanded) as a sum of monomials: every bracketed group is
/// simplified, then the whole text (SimplifyTerms), then the first term that ExpandProduct can
/// multiply out is replaced by its expansion until none can: "(k-1)k(k+1)" gives "kkk-k". Returns
/// 0, kNestedBracket for "((", or the negative code of SimplifyTerms or ExpandProduct; `output` is
/// written only on success.
int NormalizeSumInput(std::u16string_view text, std::u16string &output);

/// Takes the factors that every term of a sum holds out of it: the terms are cut at '+' and '-'
/// outside brackets, each into its sign and factors (a letter, a bracketed group, or any other
/// character with the digits after it), a letter or group followed by "^digits" with that
/// exponent. A factor of the first term that every term holds is common to the smallest exponent.
/// `common` gets the common factors in order ("^e" when e is not 1, a leading '*' dropped), `rest`
/// each term's sign and remaining factors (a trailing '*' dropped; a term with nothing left is 1):
/// "n^2(n+1)^2-2*n(n+1)" gives "n(n+1)" and "n(n+1)-2".
void ExtractCommonFactor(std::u16string &common, std::u16string_view sum, std::u16string &rest);
