#include "lessons/trig/Tradd.h"
#include "tests/lessons/LessonTestSupport.h"
#include "ui/RecordingCanvas.h"

#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Template 115 gives a 464 x 290 client: cw = 9, ch = 16. Rows start at x0 = 18, "=" stands at
// 126 and the right-hand sides at 135; the rows lie at 48 (letters, α+β), 80 (values), 112
// (simplified), 144 (letters, α−β), 176 and 208.

/// Picks the function and the two angles as the student would.
std::vector<std::string> paintWith(int radio, int alpha, int beta)
{
    CTradd window;
    window.initialize();
    window.pressButton(radio);
    window.selectComboEntry(158, alpha);
    window.selectComboEntry(156, beta);
    return window.recordPaint();
}

TEST(Tradd, OpensWithTheLetterRowsOfTheSineOnly)
{
    CTradd window;
    window.initialize();
    EXPECT_EQ(window.comboCount(158), CTradd::kAngleEntries);
    EXPECT_EQ(window.comboEntry(156, 18), u"360ﾟ");
    EXPECT_EQ(window.comboSelection(158), 0);
    EXPECT_EQ(window.comboSelection(156), 1);
    EXPECT_EQ(window.checkState(109), 1);
    const auto lines = window.recordPaint();
    EXPECT_EQ(linesStartingWith(lines, "text "),
              (std::vector<std::string>{
                  "text 18 48 \"sin(α+β)\"", "text 126 48 \"= sinαcosβ+cosαsinβ\"",
                  "text 18 144 \"sin(α-β)\"", "text 126 144 \"= sinαcosβ-cosαsinβ\""}));
}

TEST(Tradd, WritesTheTangentOverABarAsLongAsItsDenominator)
{
    const auto lines = paintWith(111, 0, 1);
    EXPECT_TRUE(hasSequence(lines, {"text 18 48 \"tan(α+β)\"", "text 126 48 \"=\"",
                                    "text 135 40 \" tanα+tanβ\"", "text 135 57 \" 1-tanαtanβ\"",
                                    "move 135 56", "line 234 56"}));
    EXPECT_TRUE(hasSequence(lines, {"text 135 136 \" tanα-tanβ\"", "text 135 153 \" 1+tanαtanβ\"",
                                    "move 135 152", "line 234 152"}));
}

TEST(Tradd, WritesTheDoubleAngleFormsInRed)
{
    struct Row
    {
        int radio;
        int letter;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {110,
         0,
         {"textcolor #ff0000", "text 126 80 \"=\"", "text 135 80 \"cos\"", "text 164 80 \"α -\"",
          "text 196 80 \" sin\"", "text 238 80 \"α\"", "text 126 176 \"=\"", "text 135 176 \"cos\"",
          "text 164 176 \"α +\"", "text 196 176 \" sin\"", "text 238 176 \"α = 1\""}},
        {109,
         1,
         {"textcolor #ff0000", "text 126 80 \"=\"", "text 135 80 \" 2sinβcosβ\"",
          "text 126 176 \"=\"", "text 135 176 \" 0\""}},
        {111, 0, {"textcolor #ff0000", "text 126 176 \"= 0\""}},
    };
    for (const Row &row : rows) {
        const auto lines = paintWith(row.radio, row.letter, row.letter);
        for (const std::string &line : row.expected)
            EXPECT_TRUE(hasLine(lines, line)) << row.radio << ": " << line;
        // Nothing below the double-angle rows.
        EXPECT_TRUE(linesStartingWith(lines, "text 126 112").empty());
        EXPECT_TRUE(linesStartingWith(lines, "text 126 208").empty());
    }
    // tan 2α is not written: the α+β row stays empty.
    const auto tangent = paintWith(111, 0, 0);
    EXPECT_TRUE(linesStartingWith(tangent, "text 126 80").empty());
}

TEST(Tradd, WritesValuesAndTheSimplifiedFormForAMultipleOfNinety)
{
    // α with 90ﾟ and the sine: sinα*(0.000)+cosα*(1.000) = cosα; sin(α−90ﾟ) = -cosα.
    const auto lines = paintWith(109, 0, 6);
    EXPECT_TRUE(hasLine(lines, "text 18 48 \"sin(α+90ﾟ)\""));
    EXPECT_TRUE(hasSequence(lines, {"text 126 80 \"=\"", "text 135 80 \"sinα\"",
                                    "text 171 80 \"*\"", "text 180 80 \"(\""}));
    EXPECT_TRUE(hasLine(lines, "text 189 80 \"0.000\""));
    EXPECT_TRUE(hasLine(lines, "text 229 80 \")\""));
    EXPECT_TRUE(hasLine(lines, "text 238 80 \"+\""));
    EXPECT_TRUE(hasLine(lines, "text 249 80 \"cosα\""));
    EXPECT_TRUE(hasLine(lines, "text 303 80 \"1.000\""));
    EXPECT_TRUE(hasSequence(
        lines, {"textcolor #ff0000", "text 126 112 \"=cosα\"", "text 126 208 \"=-cosα\""}));
}

TEST(Tradd, TwoNumericAnglesShowOnlyTheValueRows)
{
    const auto lines = paintWith(109, 3, 4); // 30ﾟ and 45ﾟ
    EXPECT_TRUE(hasLine(lines, "text 126 80 \"=\""));
    EXPECT_TRUE(hasLine(lines, "text 126 176 \"=\""));
    EXPECT_TRUE(linesStartingWith(lines, "text 126 112").empty());
    EXPECT_TRUE(linesStartingWith(lines, "text 126 208").empty());
    EXPECT_TRUE(linesStartingWith(lines, "textcolor #ff0000").empty());
    // A letter with an angle that is no multiple of 90 has no simplified row either.
    EXPECT_TRUE(linesStartingWith(paintWith(110, 1, 3), "text 126 112").empty());
}

TEST(Tradd, SimplifiedNamesAreTheValuesOfTheFormulas)
{
    // Evaluates f(A ± B) with the letter at 0.3 radians and compares it with the signed function
    // the table names.
    const double letter = 0.3;
    const auto evaluate = [](std::u16string_view name, double x) {
        const double sign = name.front() == u'-' ? -1.0 : 1.0;
        const std::u16string_view f = name.substr(sign < 0 ? 1 : 0);
        if (f == u"sin") return sign * std::sin(x);
        if (f == u"cos") return sign * std::cos(x);
        if (f == u"tan") return sign * std::tan(x);
        return sign / std::tan(x);
    };
    for (std::int16_t function : {CTradd::kCosine, CTradd::kSine, CTradd::kTangent}) {
        for (bool difference : {false, true}) {
            for (bool letterFirst : {false, true}) {
                for (int degrees = 0; degrees <= 360; degrees += 90) {
                    const double angle = degrees * std::numbers::pi / 180.0;
                    const double a = letterFirst ? letter : angle;
                    const double b = letterFirst ? angle : letter;
                    const double sum = difference ? a - b : a + b;
                    const double expected = function == CTradd::kCosine ? std::cos(sum)
                                            : function == CTradd::kSine ? std::sin(sum)
                                                                        : std::tan(sum);
                    const auto name =
                        CTradd::simplifiedName(function, difference, letterFirst, degrees);
                    EXPECT_NEAR(evaluate(name, letter), expected, 1e-9)
                        << function << difference << letterFirst << " " << degrees;
                }
            }
        }
    }
}

TEST(Tradd, ReadsTheDegreesOfAnAngleEntry)
{
    EXPECT_EQ(CTradd::angleDegrees(u"90ﾟ"), 90);
    EXPECT_EQ(CTradd::angleDegrees(u"0ﾟ"), 0);
    EXPECT_EQ(CTradd::angleDegrees(u"360ﾟ"), 360);
    EXPECT_EQ(CTradd::angleDegrees(u"α"), std::nullopt);
    EXPECT_EQ(CTradd::angleDegrees(u""), std::nullopt);
}

TEST(Tradd, MovesRowsThatWouldOverlapOrRunPastTheWindow)
{
    // tan(120ﾟ+135ﾟ) is wider than the 12cw before "=": "=" follows it 4 pixels on. The value row
    // would end beyond the right edge from 126 and starts farther left instead.
    const auto lines = paintWith(111, 7, 8);
    EXPECT_TRUE(hasSequence(lines, {"text 18 48 \"tan(120ﾟ+135ﾟ)\"", "text 134 48 \"=\"",
                                    "text 143 40 \" tan120ﾟ+tan135ﾟ\""}));
    const auto values = linesStartingWith(lines, "text ");
    const auto row = std::find_if(values.begin(), values.end(), [](const std::string &line) {
        return line.find(" 80 \"=(\"") != std::string::npos;
    });
    ASSERT_NE(row, values.end());
    EXPECT_LT(std::stoi(row->substr(5)), 126);
    EXPECT_GE(std::stoi(row->substr(5)), 18);
}

TEST(Tradd, EveryChoiceStaysInsideTheWindow)
{
    CTradd window;
    window.initialize();
    EXPECT_FALSE(window.selectComboEntry(158, CTradd::kAngleEntries));
    EXPECT_FALSE(window.selectComboEntry(156, -1));
    for (int radio : {109, 110, 111}) {
        window.pressButton(radio);
        for (int alpha = 0; alpha < CTradd::kAngleEntries; ++alpha) {
            window.selectComboEntry(158, alpha);
            for (int beta = 0; beta < CTradd::kAngleEntries; ++beta) {
                window.selectComboEntry(156, beta);
                for (const std::string &line : linesStartingWith(window.recordPaint(), "text ")) {
                    std::istringstream in(line);
                    std::string word;
                    int x = 0, y = 0;
                    in >> word >> x >> y;
                    const std::string quoted = line.substr(line.find('"') + 1);
                    const std::u16string text =
                        QString::fromStdString(quoted.substr(0, quoted.size() - 1))
                            .toStdU16String();
                    const int right = x + RecordingCanvas::measureText(text, 16);
                    ASSERT_TRUE(x >= 0 && right <= 464 && y >= 0 && y < 240)
                        << radio << " " << alpha << " " << beta << ": " << line;
                }
            }
        }
    }
}

} // namespace
