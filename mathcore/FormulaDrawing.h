#pragma once

#include "mathcore/LessonMetrics.h"
#include "ui/Canvas.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Formula drawing: lays out a formula given as plain text the way it is written on paper, on a
// Canvas at a given point, in the current font and text colour. Positions are the top-left of the
// first character cell; widths and heights are pixels. Every function with a `measureOnly` flag
// computes the same sizes without drawing anything when the flag is set.
//
// Display notation beyond numbers, letters and signs: a^n and a^(e) (raised exponent), a_s and
// a_(s) (lowered subscript), [c*](r)^(p/q) and c;r;p;q (root form: coefficient, radicand, power,
// index), a/b outside brackets (stacked fraction), x*y (product; the '*' is shown only before a
// digit or '-').

/// Longest formula `DrawFormula` accepts, in characters; longer texts are cut.
constexpr std::size_t kFormulaCapacity = 63;
/// A numerator or denominator of this many characters or more is refused by `DrawFraction`.
constexpr std::size_t kFractionPartLimit = 48;
/// Most pieces (fractions, terms, operators) `DrawFraction` lays out.
constexpr std::size_t kFractionPieceCapacity = 23;
/// Most items `DrawMonomialText` lays out.
constexpr std::size_t kMonomialItemCapacity = 35;

/// Bits of the result of `DrawFormula` and `DrawProduct`.
constexpr int kDrewRootForm = 1;       ///< a root form was drawn
constexpr int kDrewNestedRootForm = 2; ///< a root whose radicand holds a root was drawn

/// Shown instead of a fraction whose part is too long or that has too many pieces.
inline constexpr std::u16string_view kFractionTooLongText = u"式の長さが４８以上です。";
/// Shown where a root form cannot be read.
inline constexpr std::u16string_view kRootNotationErrorText = u"根号表記に誤り";
/// Shown 100 pixels above the line when a '(' has no matching ')'.
inline constexpr std::u16string_view kMissingBracketText = u"右括弧なし";
/// Shown (and copied to the scratch text) when a monomial text has too many items.
inline constexpr std::u16string_view kTooManyItemsText = u"項目が多すぎ表示不可能。";

/// Draws one formula line at (x, y): stretches of plain text with '*' hidden before letters and
/// brackets, powers, subscripts and root forms. The text is cut at `kFormulaCapacity`. `size`
/// receives the total width and the height of the last part. Returns `kDrewRootForm` and
/// `kDrewNestedRootForm` bits. A '(' without a matching ')' stops the drawing and shows
/// `kMissingBracketText` at (x, y - 100).
int DrawFormula(LessonMetrics &metrics, Canvas &canvas, int x, int y, std::u16string_view text,
                Size &size, bool measureOnly = false);

/// Draws `base` at (x, y) (a bracketed or plain fraction stacked) and `exponent` (without its outer
/// brackets) raised in a font of half the line height `lineHeight`. A base that opens a bracket it
/// does not close ("(3) (4", the first half of a power whose ')' is drawn separately) is drawn as
/// plain text. `size` receives the total width and the base's height. Returns the total width.
std::int16_t DrawPower(LessonMetrics &metrics, Canvas &canvas, int lineHeight, int x, int y,
                       std::u16string_view base, std::u16string_view exponent, Size &size,
                       bool measureOnly = false);

/// Draws `text` at (x, y) and `raised` in bold "MS Serif" of height `height / 2`, a third of the
/// text's height higher, right after it. Returns the total width; an empty text draws nothing and
/// returns 0.
std::int16_t DrawSuperscript(std::u16string_view text, Canvas &canvas, int height, int x, int y,
                             std::u16string_view raised);

/// Draws `text` at (x, y) and `lowered` in bold "MS Serif" of height `height / 2`, a third of
/// `height` lower, right after it (a logarithm's base). An empty text draws nothing.
void DrawSubscript(std::u16string_view text, Canvas &canvas, int height, int x, int y,
                   std::u16string_view lowered);

/// Draws a text whose '_' mark subscripts (one character, or a bracketed group shown without its
/// brackets). `size` receives the total width and the largest height. Returns the number of
/// characters consumed (the text's length).
int DrawSubscriptedText(LessonMetrics &metrics, Canvas &canvas, int x, int y,
                        std::u16string_view text, Size &size, bool measureOnly = false);

/// Draws `base` at (x, y) and `subscript` in the current face at half the line height `lineHeight`,
/// its bottom on the line's bottom, 2 pixels right of the base. `size` receives base width + 2 +
/// subscript width and the line height (or the base's height when larger).
void DrawWithSubscript(int lineHeight, int x, int y, std::u16string_view subscript, Size &size,
                       bool measureOnly, std::u16string_view base, Canvas &canvas);

/// Draws a sum of stacked fractions: pieces split at '+', '-', '<', '=' and '>' outside brackets,
/// each numerator over its denominator with a bar in `color` from 2 pixels left to 2 pixels right
/// of the wider part, the bar at y + fontHeight / 2 - 1, 4 pixels between pieces. Parts that are
/// fractions are stacked again (`depth` counts the nesting; from depth 2 parts are drawn inline).
/// `size` receives the total width and height. Returns how far the drawing reaches above y, or -1
/// when a part has `kFractionPartLimit` characters or more or there are more than
/// `kFractionPieceCapacity` pieces; `kFractionTooLongText` is then shown at (x, y).
int DrawFraction(LessonMetrics &metrics, Canvas &canvas, int x, int y, std::u16string_view text,
                 Rgb color, Size &size, bool measureOnly = false, int depth = 0);

/// Draws a product factor by factor: "-1*(" and "1*(" at the start show as "-(" and "("; bracketed
/// fractions, root forms and fractions are laid out as such; the '*' is shown only before a factor
/// that begins with a digit or '-'. `size` receives the total width and the largest height. Returns
/// `kDrewRootForm` / `kDrewNestedRootForm` bits.
int DrawProduct(Size &size, Canvas &canvas, LessonMetrics &metrics, int x, int y,
                std::u16string_view text, Rgb color, bool measureOnly = false);

/// Draws a root form: the coefficient ("-1" shows as "-", "1" not at all), the index small at the
/// upper left of the sign (not for "2"), the root sign in the current pen, and under it the
/// radicand (stacked when it is a fraction; raised to `power` unless that reads "1"). Returns the
/// width used.
std::int16_t DrawRootForm(std::u16string_view power, LessonMetrics &metrics, Canvas &canvas, int x,
                          int y, std::u16string_view coefficient, std::u16string_view index,
                          std::u16string_view radicand, bool measureOnly = false);

/// Draws a root sign in the current pen whose bar starts at (x, t - 4), t = y for one row and
/// y - fontHeight / 3 for two (a fraction under the root). The bar is `barWidth` plus one character
/// wide; with `barWidth` 0 it is measured from `text`, less 7/5 of a character per '^' in it.
void DrawRootSign(int barWidth, Canvas &canvas, int x, int y, std::u16string_view text, int rows);

/// Draws a text of letters with repeated letters as powers ("aab" shows a with a small 2, then b).
/// Returns the total width. With more than `kMonomialItemCapacity` items nothing is laid out:
/// `kTooManyItemsText` is copied into the scratch text and shown at (20 average character widths,
/// y), and the result is 0.
std::int16_t DrawMonomialText(Canvas &canvas, LessonMetrics &metrics, int x, int y,
                              std::u16string_view text);

/// The canvas's current font at another height (at least 1 pixel); a font without a face falls
/// back to bold "ＭＳ 明朝". The caller selects it, normally with a `FontScope`.
Font CreateScaledFont(Canvas &canvas, int height);

/// Draws one formula at (x, y) in the current font the way `kind` names: "formula" (also any
/// unknown kind), "fraction", "product", "power" (split at the first '^'), "monomial" or "root"
/// (read with `SplitRootNotation`).
void DrawFormulaAs(Canvas &canvas, LessonMetrics &metrics, std::u16string_view kind, int x, int y,
                   std::u16string_view text);
