#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// One row of the derivation of a sum, drawn at y = row x m_unitY after "=" at 4 m_unitX.
struct SumRow
{
    int row = 0;
    std::u16string text;
    bool sigma = false;   ///< "∑" at 5 m_unitX and the text at 8 m_unitX (rows in k)
    bool formula = false; ///< drawn by DrawFormula at 5 m_unitX, else as plain text there
    bool red = false;     ///< the result rows
};

/// Why a summand is refused.
enum class SumFault
{
    None,
    BadInput,      ///< not a polynomial the derivation can work (focus back, no message)
    NestedBracket, ///< a bracket inside a bracket
    TooLarge       ///< a number of the derivation does not fit
};

/// The worked sum of a summand for k = 1 to n.
struct SumDerivation
{
    SumFault fault = SumFault::None;
    std::vector<SumRow> rows;
    /// A term of degree 4 or more: "３次以下です" stands under the rows in k instead of the rest.
    bool degreeTooHigh = false;
};

/// The typed summand with its powers expanded, or nullopt when it is not a formula, a power is
/// bad or it holds a letter other than k.
std::optional<std::u16string> ReadSummand(std::u16string_view typed);

/// Works out the sum of a summand in k whose powers are already expanded: the summand multiplied
/// out (row 2 when that changes it, row 3 in brackets), each power of k replaced by its closed
/// form (row 4), the fractions combined (row 5) and brought to a common denominator (row 6, with
/// two or more terms), the common factors taken out, the rest multiplied out and collected (red),
/// and a common factor of the rest cancelled against the denominator (red). Every row is checked
/// against the summand's own sums for n = 1 to 7; a row that differs means a number did not fit
/// (TooLarge). A row longer than a formula line is refused as BadInput.
SumDerivation DeriveSum(std::u16string_view summand);
