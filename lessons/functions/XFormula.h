#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Formulas in x typed by the student (an equation's sides, an inequality): the messages of their
// start checks and the checks themselves, shared by the lessons that read them.

inline constexpr std::u16string_view kSymbolMessage = u"+,-,/,*,(,)以外の記号があります。";
inline constexpr std::u16string_view kNotXMessage = u"xの式を入れて下さい。";
inline constexpr std::u16string_view kZeroDenominatorMessage = u"分母に０があります。";
inline constexpr std::u16string_view kLetterDenominatorMessage = u"分母に文字があります。";
inline constexpr std::u16string_view kTooLargeMessage = u"数が大きすぎます。";

/// Checks `text` with CheckExpressionText of `kind` and, when it holds a '^', writes its powers out
/// in place with ExpandPowers. Returns the check's or the expansion's code (0 or negative).
int ExpandXFormula(std::u16string &text, int kind);

/// The character checks of a formula in x, in order, as the message they give (empty when the text
/// passes): a letter other than 'x'; a '/' followed by '0' without a digit 1-9 after it; a
/// denominator (an optional sign, then digits and '.') followed directly by a letter; a '/' with no
/// number after it, a sign directly after a sign or a number with two points (the symbol message:
/// "x/*x", "x--1" and "1.2.3" would be read as other formulas).
std::u16string_view CheckXFormulaCharacters(std::u16string_view text);
