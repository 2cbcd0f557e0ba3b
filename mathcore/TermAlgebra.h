#pragma once

#include "mathcore/NumberText.h"
#include "mathcore/TermTable.h"

#include <cstdint>
#include <string>
#include <string_view>

// Formula syntax and term algebra. A formula text has no blanks: numbers (one optional '.'),
// one-letter variables, implicit multiplication by juxtaposition (3x, 2x(x+1)), '+' and '-' between
// terms, '*' and '/' between factors (a sign right after '*' or '/' belongs to the next factor),
// brackets around sums, powers "base^digit" (rewritten into products by ExpandPowers before any
// symbolic work) and, for equations and inequalities, one '=', '<' or '>'.
//
// Return codes: -1 bad character, bad base, zero denominator or a divisor where a factor is needed;
// -2 bad exponent or unmatched group; -3 no exponent digit; -8 unbalanced brackets; -9 more than 23
// products. On a negative code the output text is not to be used. Every output text is cut to
// kFormulaTextCapacity characters, every term to kTermTextCapacity, every letter text to
// kLetterCapacity; a table holds kTermSlots terms.

/// Kinds of formula for CheckExpressionText.
enum ExpressionKind
{
    PlainExpression = 0,
    Equation = 1,
    Inequality = 2
};

/// Checks the characters of a formula: '0'-'9', 'A'-'Z', 'a'-'z', '.', '+', '-', '*', '/', '^' and
/// brackets everywhere; '=' for an equation, '<' and '>' for an inequality. Returns 1 when the
/// formula holds a '^' (the caller then calls ExpandPowers), 0 when it does not (also for an empty
/// text), -8 when a ')' has no '(' or the brackets do not close, -1 for any other character or more
/// than one relation sign (-8 takes precedence). The relation sign is not required.
std::int16_t CheckExpressionText(std::u16string_view text, int kind);

/// Writes the source with every power rewritten as a product: 2^3 as 2*2*2, x^3 as xxx, 3x^2 as
/// 3xx, (x+1)^2 as (x+1)(x+1); an exponent of 0 or 1 leaves the base once. Returns 0, -1 for a '^'
/// at the start or after anything but a digit, a letter or ')', -2 for an exponent of two digits or
/// above 6, a ')' without its '(' or a written-out product longer than kFormulaTextCapacity, -3
/// when no digit follows the '^'. `source` may view `output`.
std::int16_t ExpandPowers(std::u16string_view source, std::u16string &output);

/// For each numerator letter in order, the first not yet matched equal letter of the denominator is
/// matched with it; both texts keep their unmatched letters in their previous order.
void CancelLetters(std::u16string &numerator, std::u16string &denominator);

/// Reads a sum, sorts the letters of every term, adds up the terms with equal numerator and
/// denominator letters (reduced coefficients), orders the result with SortTerms and writes it with
/// FormatTermList: "xy+yx-2" gives "2xy-2". Returns the number of distinct terms; a term whose
/// coefficient adds up to 0 still counts and is not written ("k-k" gives "0" and 1).
int CollectLikeTerms(std::u16string_view text, std::u16string &output);

/// Multiplies every term of `a` by every term of `b` (in that order) into a fresh `out`: letters
/// concatenated, common letters of numerator and denominator cancelled, the coefficient reduced.
/// Returns the number of products, or -9 when a 24th product is reached. `out` may be `a` or `b`.
int MultiplyTermLists(TermTable &out, const TermTable &a, const TermTable &b);

/// One expansion step of a term made of bracketed sums. The term is cut before each '(' into at
/// most four pieces (the text before the first '(', then each group with what follows it; after the
/// third piece the rest is one piece). A lone "+" piece is dropped, a lone "-" becomes "-1"; a
/// piece after '/' is a divisor.
/// - no '(': returns 0 (nothing to expand);
/// - one group: its content, returns 1 ("(k+1)" gives "k+1");
/// - two pieces: their product, collected ("(k+1)(k+2)" gives "kk+3k+2");
/// - three or four pieces: when the first piece is a single term it is kept in front and the next
///   two are multiplied ("k(k+1)(k+2)" gives "k(kk+3k+2)"); otherwise the first two are multiplied
///   and bracketed, and the third piece follows ("(k+1)(k+2)(k+3)" gives "(kk+3k+2)(k+3)",
///   "(k+1)(k)/(k+2)" gives "(kk+k)/(k+2)"); a fourth piece is appended unchanged.
/// Only multiplied pieces may not be divisors: "(a)(b)/(c)" keeps (a) in front and would multiply
/// (b) by the divisor (c), so it is refused with -1, as is a lone divisor group ("/(k+1)").
/// Returns the number of pieces, -1 for a divisor where a factor is needed, or -9.
int ExpandProduct(std::u16string_view term, std::u16string &output);

/// Simplifies each term of a sum without expanding brackets: the numeric factors multiplied and
/// reduced, letters cancelled, groups kept in order after the rest ("(k-1)k(k+1)" gives
/// "k*(k-1)*(k+1)", "6k/4" gives "3k/2"). At most 10 terms and 24 factors per term are read.
/// Returns 0, or -1 when a factor has a zero denominator (a division by 0).
int SimplifyTerms(std::u16string_view text, std::u16string &output);
