#pragma once

#include <string>
#include <string_view>

// Text helpers of the formula drawing functions. They read the display notation of formula texts
// (powers a^n and a^(e), subscripts a_s and a_(s), root forms c*(r)^(p/q) and c;r;p;q, fractions
// a/b, products x*y) and never draw.

/// Index of the ')' matching the '(' at `index`, counting nested brackets; the text length when
/// there is none; -1 when `index` is negative, past the end or not at a '('.
int FindClosingParen(int index, std::u16string_view text);

/// The index just behind the bracketed group that opens at `open` (the text length when the group
/// is not closed).
int skipGroup(std::u16string_view text, int open);

/// Whether the bracketed group that opens at `open` holds a '/' before its closing ')'.
bool groupHoldsSlash(std::u16string_view text, int open);

/// Whether, between `start` and `end` (0: the text length), a '^' is followed by a bracketed group
/// holding a '/', that is, whether a root form such as (3)^(1/2) stands there.
bool HasRootExponent(int end, std::u16string_view text, int start);

/// Whether the text has a '/' outside brackets; an unmatched ')' counts as depth 0.
bool IsFractionText(std::u16string_view text);

/// Removes one pair of brackets that encloses the whole text ("(x+1)" but not "(x)+(y)"); returns
/// whether it did.
bool StripOuterParens(std::u16string &text);

/// The text without every '*' that is not followed by a digit or a '-': "2*x" becomes "2x", "3*4"
/// and "x*-y" stay.
std::u16string DropMultiplySigns(std::u16string_view text);

/// Finds the factor of a product that begins at `start`: it runs up to, not including, the next '*'
/// outside brackets; bracketed groups (also those after '^' or '_') are skipped whole, and after
/// '^' or '_' without a bracket the run of characters at or above '0'. `end` receives the index of
/// its last character (start - 1 for an empty factor). Returns 3 when the factor is a power whose
/// exponent group holds a '/' (a root form), else 1.
int FindFactorEnd(int start, std::u16string_view text, int &end);

/// Capacity of each field of a root notation, in characters.
constexpr std::size_t kRootFieldCapacity = 15;

/// Reads a root form. With ';' in the text: coefficient;radicand;power;index. Otherwise
/// [coefficient*]radicand^(power/index), the coefficient "1" when there is no '*' outside brackets.
/// Each field is cut at `kRootFieldCapacity` characters. Returns false when a field is missing or
/// empty.
bool SplitRootNotation(std::u16string &index, std::u16string &radicand, std::u16string_view text,
                       std::u16string &coefficient, std::u16string &power);
