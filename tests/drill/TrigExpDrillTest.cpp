#include "drill/DrillGenerators.h"
#include "drill/DrillParameters.h"
#include "drill/ExpDrills.h"
#include "drill/TrigDrills.h"
#include "mathcore/FormulaDrawing.h"
#include "ui/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

/// What the generator of `topic` draws for `params` in the drill window's 8 x 18 pixel cells.
Lines drawWith(std::int16_t topic, const DrillParams &params, bool showAnswer = true)
{
    LessonMetrics metrics;
    metrics.m_unitX = 8;
    metrics.m_unitY = 18;
    RecordingCanvas canvas({494, 278});
    DrillPage page{canvas, metrics, params, 0, showAnswer};
    findDrillGenerator(topic)(page);
    return canvas.lines();
}

Lines drawSeed(std::int16_t topic, unsigned seed)
{
    DrillRandom random(seed);
    std::int16_t variant = 0;
    DrillParams params{};
    drawDrillParameters(topic, variant, params, random);
    return drawWith(topic, params);
}

/// Recorded lines written one after another, separated by " | "; "small" and "normal" stand for
/// the exponent font (half of 3ch/2) and the window's font.
Lines recorded(std::string_view text)
{
    Lines lines;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(" | ", start), text.size());
        const std::string line(text.substr(start, end - start));
        lines.push_back(line == "small"    ? R"~(font 13 0 128 "system")~"
                        : line == "normal" ? R"~(font 16 0 128 "system")~"
                                           : line);
        start = end + 3;
    }
    return lines;
}

bool hasLine(const Lines &lines, const std::string &line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(TrigValuesDrill, OneHundredTwentyDegreesWithTriangleAndExactPanels)
{
    // Seed 1 draws index 5: 120 degrees; cos = -1/2, sin = √3/2, tan = -√3. The triangle O(33, 5)
    // H(38, 5) A(38, 3) in cells is black, the panels red.
    const Lines expected = recorded(
        R"~(text 16 18 "次の値を答えよ。" | text 32 54 "cos(120ﾟ) =" | text 32 108 "sin(120ﾟ) =")~"
        R"~( | text 32 162 "tan(120ﾟ) =" | move 264 90 | line 304 90 | line 304 54 | line 264 90)~"
        R"~( | text 264 90 "O" | text 304 90 "H" | text 304 36 "A" | textcolor #ff0000)~"
        R"~( | text 120 54 "cos120ﾟ=" | text 184 54 "──=" | text 192 46 "OH" | text 192 62 "OA")~"
        R"~( | pen solid 1 #ff0000 | text 224 54 "-" | move 234 63 | line 256 63 | text 240 45 "1")~"
        R"~( | text 240 63 "2" | pen solid 1 #000000 | text 120 108 "sin120ﾟ=")~"
        R"~( | text 184 108 "──=" | text 192 100 "AH" | text 192 116 "OA" | pen solid 1 #ff0000)~"
        R"~( | move 224 117 | line 248 117 | text 232 99 "3" | pen solid 1 #ff0000 | move 224 107)~"
        R"~( | line 228 114 | line 232 95 | line 240 95 | pen solid 1 #ff0000 | text 232 117 "2")~"
        R"~( | pen solid 1 #000000 | text 120 162 "tan120ﾟ=" | text 184 162 "──=")~"
        R"~( | text 192 154 "AH" | text 192 170 "OH" | pen solid 1 #ff0000 | text 224 162 "-")~"
        R"~( | text 240 162 "3" | pen solid 1 #ff0000 | move 232 170 | line 236 177)~"
        R"~( | line 240 158 | line 248 158 | pen solid 1 #ff0000 | pen solid 1 #000000)~"
        R"~( | textcolor #000000)~");
    EXPECT_EQ(drawSeed(DrillTopic::TrigValues, 1), expected);
}

TEST(TrigValuesDrill, EveryIndexAsksForItsAngleAndNinetyDegreesHasNoTangent)
{
    for (std::size_t i = 0; i < kTrigDrillAngles.size(); ++i) {
        const Lines lines = drawWith(DrillTopic::TrigValues, {static_cast<std::int16_t>(i)});
        const std::string angle = std::to_string(kTrigDrillAngles[i]);
        EXPECT_EQ(lines[1], "text 32 54 \"cos(" + angle + "ﾟ) =\"") << i;
        // "tan90ﾟ=" is a cell shorter than the three-digit captions.
        EXPECT_EQ(hasLine(lines, R"~(text 216 162 "∞")~"), kTrigDrillAngles[i] == 90) << i;
    }
    EXPECT_TRUE(drawWith(DrillTopic::TrigValues, {9}).empty()) << "an index past the list";
}

TEST(ExponentLawsDrill, FourToTheNinthIsShownInFull)
{
    // Seed 0: a = 4; 4^(4+3), 4^(4-4) and (4^3)^3. "(3) (4" opens the bracket that ")" closes:
    // plain text, never a formula error.
    const Lines expected = recorded(
        R"~(text 16 18 "次の式を計算せよ。" | text 32 54 "(1) 4" | small | text 74 51 "4+3")~"
        R"~( | normal | text 32 90 "(2) 4" | small | text 74 87 "4-4" | normal)~"
        R"~( | text 32 126 "(3) (4" | small | text 82 123 "3" | normal | text 84 126 ")" | small)~"
        R"~( | text 94 123 "3" | normal | text 104 54 "=" | text 104 90 "=" | text 104 126 "=")~"
        R"~( | textcolor #ff0000 | text 112 54 "4" | small | text 122 51 "7" | normal)~"
        R"~( | text 136 54 "= 16384" | text 112 90 "4" | small | text 122 87 "0" | normal)~"
        R"~( | text 136 90 "= 1" | text 112 126 "4" | small | text 122 123 "9" | normal)~"
        R"~( | text 136 126 "= 262144" | textcolor #000000)~");
    EXPECT_EQ(drawSeed(DrillTopic::ExponentLaws, 0), expected);
}

TEST(ExponentLawsDrill, ValuesBeyondSixteenBitsAndPowersThatCannotBeWhole)
{
    // a = 4, 4^(4+4), 4^(4-1), (4^3)^3 with the derived exponents 8, 3 and 9.
    const Lines lines = drawWith(DrillTopic::ExponentLaws, {4, 4, 4, 4, 1, 3, 3, 0, 0, 0, 8, 3, 9});
    EXPECT_TRUE(hasLine(lines, R"~(text 136 54 "= 65536")~"));
    EXPECT_TRUE(hasLine(lines, R"~(text 136 90 "= 64")~"));
    for (const std::string &line : lines)
        EXPECT_EQ(line.find(toUtf8(kMissingBracketText)), std::string::npos) << line;

    EXPECT_EQ(wholePower(4, 9), 262144);
    EXPECT_EQ(wholePower(3, 0), 1);
    EXPECT_EQ(wholePower(2, 62), std::int64_t{1} << 62);
    EXPECT_EQ(wholePower(2, 63), std::nullopt) << "past 64 bits";
    EXPECT_EQ(wholePower(2, -1), std::nullopt);
}

TEST(InverseFunctionDrill, SixXPlusThreeAndFourToTheX)
{
    // Seed 24: a = 6, b = 3, c = 4; x = (y - 3)/6 gives y = (1/6)x - 1/2.
    const Lines expected = recorded(
        R"~(text 16 18 "次の関数の逆関数を求めよ。" | text 16 36 "(1) y = 6x + 3")~"
        R"~( | text 16 90 "(2) y = 4" | small | text 90 87 "x" | normal)~"
        R"~( | text 96 90 "(y>0に注意)" | textcolor #ff0000)~"
        R"~( | text 48 54 "ｘとｙとを入れ替えて、y=(1/6)x-1/2" | text 48 108 "y = log")~"
        R"~( | font 13 700 0 "MS Serif" | text 104 117 "4" | normal | text 108 108 "x    (x>0)")~"
        R"~( | textcolor #000000)~");
    EXPECT_EQ(drawSeed(DrillTopic::InverseFunction, 24), expected);
}

TEST(InverseFunctionDrill, ConstantIsReducedAndWholeWhenTheSlopeDividesIt)
{
    const std::pair<DrillParams, std::string> rows[] = {
        {{4, 6, 2}, "(1/4)x-3/2"}, {{2, 4, 2}, "(1/2)x-2"},   {{7, 5, 2}, "(1/7)x-5/7"},
        {{3, 3, 2}, "(1/3)x-1"},   {{8, 6, 2}, "(1/8)x-3/4"},
    };
    for (const auto &[params, answer] : rows)
        EXPECT_TRUE(hasLine(drawWith(DrillTopic::InverseFunction, params),
                            "text 48 54 \"ｘとｙとを入れ替えて、y=" + answer + "\""))
            << answer;
}

TEST(TrigDefinitionDrill, ThirdQuadrantWithSineMinusTwoThirds)
{
    // Seed 0: quadrant 2, n = 2: cos = -√5/3, tan = 2√5/5; each root sign's bar starts over its
    // radicand.
    const Lines expected = recorded(
        R"~(text 16 18 "180ﾟ<θ<270ﾟで、sinθ=-2/3のとき、" | text 48 36 "cosθ,tanθの値を求めよ。")~"
        R"~( | textcolor #ff0000 | text 48 90 "cos" | small | text 74 87 "2" | normal)~"
        R"~( | text 80 90 "θ" | text 96 90 "= 1-" | text 128 90 "sin" | small | text 154 87 "2")~"
        R"~( | normal | text 158 90 "θ" | text 176 90 "= 1-" | text 216 90 "──")~"
        R"~( | text 224 80 "4" | text 224 100 "9" | text 48 126 "cosθ" | text 96 126 "=-───")~"
        R"~( | pen solid 1 #ff0000 | move 116 124 | line 120 131 | line 124 112 | line 132 112)~"
        R"~( | pen solid 1 #000000 | text 124 116 "5" | text 128 136 "3" | text 48 180 "tanθ")~"
        R"~( | text 96 180 "= ───" | text 112 170 "sinθ" | text 112 190 "cosθ")~"
        R"~( | text 160 180 "= ───" | text 184 170 "2" | pen solid 1 #ff0000 | move 192 178)~"
        R"~( | line 196 185 | line 200 166 | line 208 166 | pen solid 1 #000000)~"
        R"~( | text 200 170 "5" | text 192 190 "5" | textcolor #000000)~");
    EXPECT_EQ(drawSeed(DrillTopic::TrigDefinition, 0), expected);
}

TEST(TrigDefinitionDrill, EachQuadrantSignsSineCosineAndTangent)
{
    // The signs of sin, cos and tan in the quadrants 0 to 3 ("-" or a blank).
    const std::string signs[] = {"   ", " --", "-- ", "- -"};
    for (std::int16_t q = 0; q < 4; ++q) {
        const Lines lines = drawWith(DrillTopic::TrigDefinition, {q, 1});
        const std::string &sign = signs[q];
        EXPECT_EQ(lines[0], "text 16 18 \"" + std::to_string(90 * q) + "ﾟ<θ<" +
                                std::to_string(90 * q + 90) + "ﾟで、sinθ=" + sign[0] +
                                "1/3のとき、\"");
        EXPECT_TRUE(hasLine(lines, "text 96 126 \"=" + sign.substr(1, 1) + "───\"")) << q;
        EXPECT_TRUE(hasLine(lines, "text 160 180 \"=" + sign.substr(2, 1) + "───\"")) << q;
        // n = 1: cos = ±2√2/3 and tan = ±√2/4, both radicands under their bars.
        EXPECT_TRUE(hasLine(lines, R"~(text 136 116 "2")~") &&
                    hasLine(lines, R"~(text 192 170 "2")~"))
            << q;
    }
    EXPECT_TRUE(drawWith(DrillTopic::TrigDefinition, {4, 1}).empty());
    EXPECT_TRUE(drawWith(DrillTopic::TrigDefinition, {0, 3}).empty());
}

TEST(CompositionDrill, MinusRootTwoSineMinusRootTwoCosine)
{
    // Seed 7: row 1, -√2 sinθ - √2 cosθ = 2 sin(θ + α) with α = -3π/4. The "-" takes a cell, then
    // 12 pixels for the root sign's hook.
    const Lines expected = recorded(
        R"~(text 16 18 "次の式中の角度αを求めよ。(-π<α<π)" | text 24 54 "-")~"
        R"~( | pen solid 1 #000000 | move 36 62 | line 40 69 | line 44 50 | line 52 50)~"
        R"~( | pen solid 1 #000000 | text 44 54 "2" | text 56 54 "sinθ -" | pen solid 1 #000000)~"
        R"~( | move 120 62 | line 124 69 | line 128 50 | line 136 50 | pen solid 1 #000000)~"
        R"~( | text 128 54 "2" | text 140 54 "cosθ" | text 180 54 "=" | text 188 54 "2sin(θ+α)")~"
        R"~( | textcolor #ff0000 | text 56 108 "α= -3π/4" | textcolor #000000)~");
    EXPECT_EQ(drawSeed(DrillTopic::Composition, 7), expected);
}

TEST(CompositionDrill, ZeroAndUnitCoefficientsAreWrittenAsTheyStand)
{
    // Row, then the texts of the expression's row; row 12 has √3 before its cosθ.
    const std::pair<std::int16_t, std::string> rows[] = {
        {3, R"~("0･sinθ -" "cosθ" "=" "sin(θ+α)")~"},
        {7, R"~("sinθ -" "0･cosθ" "=" "sin(θ+α)")~"},
        {11, R"~("0･sinθ +" "cosθ" "=" "sin(θ+α)")~"},
        {12, R"~("-sinθ +" "3" "cosθ" "=" "2sin(θ+α)")~"},
    };
    for (const auto &[row, texts] : rows) {
        std::string shown;
        for (const std::string &line : drawWith(DrillTopic::Composition, {row}, false))
            if (line.starts_with("text ") && line.find(" 54 \"") != std::string::npos)
                shown += (shown.empty() ? "" : " ") + line.substr(line.find('"'));
        EXPECT_EQ(shown, texts) << row;
    }
}

/// α over π from its text, "-5π/6" to "+5π/6" or "+0".
double alphaOverPi(std::u16string_view text)
{
    const std::size_t pi = text.find(u'π');
    if (pi == std::u16string_view::npos) return 0.0;
    const double numerator = pi == 1 ? 1.0 : text[1] - u'0';
    return (text[0] == u'-' ? -numerator : numerator) / (text.back() - u'0');
}

double coefficientValue(const CompositionCoefficient &c)
{
    return c.rooted ? std::copysign(std::sqrt(std::abs(c.value)), c.value) : c.value;
}

TEST(CompositionDrill, EveryRowsAngleTurnsItsCoefficientsIntoOneSine)
{
    // a sinθ + b cosθ = r sin(θ + α) holds when a = r cos α and b = r sin α.
    for (const CompositionRow &row : kCompositionTable) {
        const double alpha = alphaOverPi(row.alpha) * std::numbers::pi;
        EXPECT_NEAR(coefficientValue(row.a), row.r * std::cos(alpha), 1e-9);
        EXPECT_NEAR(coefficientValue(row.b), row.r * std::sin(alpha), 1e-9);
    }
    EXPECT_TRUE(drawWith(DrillTopic::Composition, {15}).empty());
}

} // namespace
