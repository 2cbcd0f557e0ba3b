#pragma once

#include <optional>
#include <string_view>

/// The value of a formula text in one variable, for checking a derivation numerically: numbers
/// (one optional '.'), the letter `variable`, '+' and '-' between terms, '*' and '/' between
/// factors, implicit multiplication, nested brackets and powers "^digits" or "^(...)". A '/'
/// divides by what follows it up to the next '*', '/', bracket or sign, as the term table reads it
/// ("3k/2k" is 3k/(2k), "1/4(n+1)" is (1/4)(n+1)); a sign right after '*' or '/' belongs to the
/// next factor. nullopt for any other letter or character, unbalanced brackets, an empty operand, a
/// division by zero or a value that is not finite.
std::optional<double> EvaluateFormula(std::u16string_view text, char16_t variable, double value);
