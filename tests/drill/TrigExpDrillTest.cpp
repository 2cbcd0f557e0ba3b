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

bool hasLine(const Lines &lines, const std::string &line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

const std::string kSmall = R"~(font 13 0 128 "system")~";
const std::string kNormal = R"~(font 16 0 128 "system")~";

TEST(TrigValuesDrill, OneHundredTwentyDegreesWithTriangleAndExactPanels)
{
    // Seed 1 draws index 5: 120 degrees; cos = -1/2, sin = √3/2, tan = -√3.
    const Lines expected = {
        R"~(text 16 18 "次の値を答えよ。")~", R"~(text 32 54 "cos(120ﾟ) =")~",
        R"~(text 32 108 "sin(120ﾟ) =")~", R"~(text 32 162 "tan(120ﾟ) =")~",
        // The triangle O(33, 5) H(38, 5) A(38, 3) in cells, drawn in black.
        "move 264 90", "line 304 90", "line 304 54", "line 264 90", R"~(text 264 90 "O")~",
        R"~(text 304 90 "H")~", R"~(text 304 36 "A")~", "textcolor #ff0000",
        R"~(text 120 54 "cos120ﾟ=")~", R"~(text 184 54 "──=")~", R"~(text 192 46 "OH")~",
        R"~(text 192 62 "OA")~", "pen solid 1 #ff0000", R"~(text 224 54 "-")~", "move 234 63",
        "line 256 63", R"~(text 240 45 "1")~", R"~(text 240 63 "2")~", "pen solid 1 #000000",
        R"~(text 120 108 "sin120ﾟ=")~", R"~(text 184 108 "──=")~", R"~(text 192 100 "AH")~",
        R"~(text 192 116 "OA")~", "pen solid 1 #ff0000", "move 224 117", "line 248 117",
        R"~(text 232 99 "3")~", "pen solid 1 #ff0000", "move 224 107", "line 228 114",
        "line 232 95", "line 240 95", "pen solid 1 #ff0000", R"~(text 232 117 "2")~",
        "pen solid 1 #000000", R"~(text 120 162 "tan120ﾟ=")~", R"~(text 184 162 "──=")~",
        R"~(text 192 154 "AH")~", R"~(text 192 170 "OH")~", "pen solid 1 #ff0000",
        R"~(text 224 162 "-")~", R"~(text 240 162 "3")~", "pen solid 1 #ff0000", "move 232 170",
        "line 236 177", "line 240 158", "line 248 158", "pen solid 1 #ff0000",
        "pen solid 1 #000000", "textcolor #000000"};
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
    // Seed 0: a = 4; 4^(4+3), 4^(4-4) and (4^3)^3.
    const Lines expected = {
        R"~(text 16 18 "次の式を計算せよ。")~", R"~(text 32 54 "(1) 4")~", kSmall,
        R"~(text 74 51 "4+3")~", kNormal, R"~(text 32 90 "(2) 4")~", kSmall,
        R"~(text 74 87 "4-4")~", kNormal,
        // "(3) (4" opens a bracket that ")" closes later: plain text, not a formula error.
        R"~(text 32 126 "(3) (4")~", kSmall, R"~(text 82 123 "3")~", kNormal,
        R"~(text 84 126 ")")~", kSmall, R"~(text 94 123 "3")~", kNormal, R"~(text 104 54 "=")~",
        R"~(text 104 90 "=")~", R"~(text 104 126 "=")~", "textcolor #ff0000",
        R"~(text 112 54 "4")~", kSmall, R"~(text 122 51 "7")~", kNormal,
        R"~(text 136 54 "= 16384")~", R"~(text 112 90 "4")~", kSmall, R"~(text 122 87 "0")~",
        kNormal, R"~(text 136 90 "= 1")~", R"~(text 112 126 "4")~", kSmall, R"~(text 122 123 "9")~",
        kNormal, R"~(text 136 126 "= 262144")~", "textcolor #000000"};
    EXPECT_EQ(drawSeed(DrillTopic::ExponentLaws, 0), expected);
}

TEST(ExponentLawsDrill, ValuesBeyondSixteenBitsAndPowersThatCannotBeWhole)
{
    // a = 4, 4^(4+4), 4^(4-1), (4^3)^3 with the derived exponents 8, 3 and 9.
    const Lines lines = drawWith(DrillTopic::ExponentLaws, {4, 4, 4, 4, 1, 3, 3, 0, 0, 0, 8, 3, 9});
    EXPECT_TRUE(hasLine(lines, R"~(text 136 54 "= 65536")~"));
    EXPECT_TRUE(hasLine(lines, R"~(text 136 90 "= 64")~"));
    EXPECT_TRUE(hasLine(lines, R"~(text 136 126 "= 262144")~"));
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
    const Lines expected = {R"~(text 16 18 "次の関数の逆関数を求めよ。")~",
                            R"~(text 16 36 "(1) y = 6x + 3")~",
                            R"~(text 16 90 "(2) y = 4")~",
                            kSmall,
                            R"~(text 90 87 "x")~",
                            kNormal,
                            R"~(text 96 90 "(y>0に注意)")~",
                            "textcolor #ff0000",
                            R"~(text 48 54 "ｘとｙとを入れ替えて、y=(1/6)x-1/2")~",
                            R"~(text 48 108 "y = log")~",
                            R"~(font 13 700 0 "MS Serif")~",
                            R"~(text 104 117 "4")~",
                            kNormal,
                            R"~(text 108 108 "x    (x>0)")~",
                            "textcolor #000000"};
    EXPECT_EQ(drawSeed(DrillTopic::InverseFunction, 24), expected);
}

TEST(InverseFunctionDrill, ConstantIsReducedAndWholeWhenTheSlopeDividesIt)
{
    struct Row
    {
        std::int16_t a, b;
        std::string answer;
    };
    const Row rows[] = {{4, 6, "y=(1/4)x-3/2"},
                        {2, 4, "y=(1/2)x-2"},
                        {7, 5, "y=(1/7)x-5/7"},
                        {3, 3, "y=(1/3)x-1"},
                        {8, 6, "y=(1/8)x-3/4"}};
    for (const Row &row : rows) {
        const Lines lines = drawWith(DrillTopic::InverseFunction, {row.a, row.b, 2});
        EXPECT_TRUE(hasLine(lines, "text 48 54 \"ｘとｙとを入れ替えて、" + row.answer + "\""))
            << row.a << "x + " << row.b;
    }
}

TEST(TrigDefinitionDrill, ThirdQuadrantWithSineMinusTwoThirds)
{
    // Seed 0: quadrant 2, n = 2: cos = -√5/3, tan = 2√5/5.
    const Lines expected = {
        R"~(text 16 18 "180ﾟ<θ<270ﾟで、sinθ=-2/3のとき、")~",
        R"~(text 48 36 "cosθ,tanθの値を求めよ。")~", "textcolor #ff0000", R"~(text 48 90 "cos")~",
        kSmall, R"~(text 74 87 "2")~", kNormal, R"~(text 80 90 "θ")~", R"~(text 96 90 "= 1-")~",
        R"~(text 128 90 "sin")~", kSmall, R"~(text 154 87 "2")~", kNormal, R"~(text 158 90 "θ")~",
        R"~(text 176 90 "= 1-")~", R"~(text 216 90 "──")~", R"~(text 224 80 "4")~",
        R"~(text 224 100 "9")~", R"~(text 48 126 "cosθ")~", R"~(text 96 126 "=-───")~",
        // Each root sign's bar starts over its radicand.
        "pen solid 1 #ff0000", "move 116 124", "line 120 131", "line 124 112", "line 132 112",
        "pen solid 1 #000000", R"~(text 124 116 "5")~", R"~(text 128 136 "3")~",
        R"~(text 48 180 "tanθ")~", R"~(text 96 180 "= ───")~", R"~(text 112 170 "sinθ")~",
        R"~(text 112 190 "cosθ")~", R"~(text 160 180 "= ───")~", R"~(text 184 170 "2")~",
        "pen solid 1 #ff0000", "move 192 178", "line 196 185", "line 200 166", "line 208 166",
        "pen solid 1 #000000", R"~(text 200 170 "5")~", R"~(text 192 190 "5")~",
        "textcolor #000000"};
    EXPECT_EQ(drawSeed(DrillTopic::TrigDefinition, 0), expected);
}

TEST(TrigDefinitionDrill, EachQuadrantSignsSineCosineAndTangent)
{
    struct Row
    {
        std::int16_t quadrant;
        std::string sine, cosine, tangent; ///< "-" or " "
    };
    const Row rows[] = {
        {0, " ", " ", " "}, {1, " ", "-", "-"}, {2, "-", "-", " "}, {3, "-", " ", "-"}};
    for (const Row &row : rows) {
        const Lines lines = drawWith(DrillTopic::TrigDefinition, {row.quadrant, 1});
        const int from = 90 * row.quadrant;
        EXPECT_EQ(lines[0], "text 16 18 \"" + std::to_string(from) + "ﾟ<θ<" +
                                std::to_string(from + 90) + "ﾟで、sinθ=" + row.sine +
                                "1/3のとき、\"");
        EXPECT_TRUE(hasLine(lines, "text 96 126 \"=" + row.cosine + "───\"")) << row.quadrant;
        EXPECT_TRUE(hasLine(lines, "text 160 180 \"=" + row.tangent + "───\"")) << row.quadrant;
        // n = 1: cos = ±2√2/3 and tan = ±√2/4, both radicands under their bars.
        EXPECT_TRUE(hasLine(lines, R"~(text 136 116 "2")~")) << row.quadrant;
        EXPECT_TRUE(hasLine(lines, R"~(text 192 170 "2")~")) << row.quadrant;
    }
    EXPECT_TRUE(drawWith(DrillTopic::TrigDefinition, {4, 1}).empty());
    EXPECT_TRUE(drawWith(DrillTopic::TrigDefinition, {0, 3}).empty());
}

TEST(CompositionDrill, MinusRootTwoSineMinusRootTwoCosine)
{
    // Seed 7: row 1, -√2 sinθ - √2 cosθ = 2 sin(θ + α) with α = -3π/4.
    const Lines expected = {
        R"~(text 16 18 "次の式中の角度αを求めよ。(-π<α<π)")~", R"~(text 24 54 "-")~",
        // The "-" takes a cell, then 12 pixels for the root sign's hook.
        "pen solid 1 #000000", "move 36 62", "line 40 69", "line 44 50", "line 52 50",
        "pen solid 1 #000000", R"~(text 44 54 "2")~", R"~(text 56 54 "sinθ -")~",
        "pen solid 1 #000000", "move 120 62", "line 124 69", "line 128 50", "line 136 50",
        "pen solid 1 #000000", R"~(text 128 54 "2")~", R"~(text 140 54 "cosθ")~",
        R"~(text 180 54 "=")~", R"~(text 188 54 "2sin(θ+α)")~", "textcolor #ff0000",
        R"~(text 56 108 "α= -3π/4")~", "textcolor #000000"};
    EXPECT_EQ(drawSeed(DrillTopic::Composition, 7), expected);
}

TEST(CompositionDrill, ZeroAndUnitCoefficientsAreWrittenAsTheyStand)
{
    struct Row
    {
        std::int16_t row;
        std::string sine, cosine, right;
    };
    const Row rows[] = {
        {3, "0･sinθ -", "cosθ", "sin(θ+α)"},
        {7, "sinθ -", "0･cosθ", "sin(θ+α)"},
        {11, "0･sinθ +", "cosθ", "sin(θ+α)"},
        {12, "-sinθ +", "cosθ", "2sin(θ+α)"}, // followed by √3 cosθ
    };
    for (const Row &row : rows) {
        const Lines lines = drawWith(DrillTopic::Composition, {row.row}, false);
        std::vector<std::string> texts;
        for (const std::string &line : lines)
            if (line.starts_with("text ") && line.find(" 54 ") != std::string::npos)
                texts.push_back(line.substr(line.find('"')));
        ASSERT_GE(texts.size(), 3u) << row.row;
        EXPECT_EQ(texts.front(), '"' + row.sine + '"') << row.row;
        EXPECT_EQ(texts[texts.size() - 3], '"' + row.cosine + '"') << row.row;
        EXPECT_EQ(texts.back(), '"' + row.right + '"') << row.row;
    }
}

/// α in units of π from its text, "-5π/6" to "+5π/6" or "+0".
double alphaOverPi(std::u16string_view text)
{
    const double sign = text[0] == u'-' ? -1.0 : 1.0;
    const std::size_t pi = text.find(u'π');
    if (pi == std::u16string_view::npos) return 0.0;
    const double numerator = pi == 1 ? 1.0 : text[1] - u'0';
    return sign * numerator / (text.back() - u'0');
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
