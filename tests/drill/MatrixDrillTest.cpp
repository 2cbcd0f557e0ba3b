#include "drill/DrillGenerators.h"
#include "drill/DrillParameters.h"
#include "drill/DrillRandom.h"
#include "mathcore/TextFormat.h"
#include "ui/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The drill window's client area is 494 x 278 pixels: cells of cw = 8 by ch = 18.
constexpr Size kClient{494, 278};

std::vector<std::string> paint(std::int16_t topic, const DrillParams &params, bool showAnswer)
{
    LessonMetrics metrics;
    metrics.m_unitX = 8;
    metrics.m_unitY = 18;
    RecordingCanvas canvas(kClient);
    DrillPage page{canvas, metrics, params, 0, showAnswer};
    findDrillGenerator(topic)(page);
    return canvas.lines();
}

DrillParams drawn(std::int16_t topic, unsigned seed)
{
    DrillRandom random(seed);
    std::int16_t variant = 0;
    DrillParams params{};
    drawDrillParameters(topic, variant, params, random);
    return params;
}

std::vector<std::string> redPart(const std::vector<std::string> &lines)
{
    const auto begin = std::find(lines.begin(), lines.end(), "textcolor #ff0000");
    return std::vector<std::string>(begin, lines.end());
}

TEST(MatrixDrill, AsksForTheSumAndProductOfTwoMatricesAndAnswersInRed)
{
    // Seed 7: A = (-4 -3; 0 -5), B = (-4 1; -3 -1); A + B = (-8 -2; -3 -6), AB = (25 -1; 15 5).
    const std::vector<std::string> question = {
        R"~(text 16 18 "A =   -4  -3")~",
        R"~(text 16 36 "        0  -5")~",
        "pen solid 1 #000000",
        "arc 44 0 116 72 44 18 44 54",
        "arc 54 0 126 72 126 54 126 18",
        "pen solid 1 #000000",
        R"~(text 144 18 "B =   -4   1")~",
        R"~(text 144 36 "       -3  -1")~",
        "pen solid 1 #000000",
        "arc 172 0 244 72 172 18 172 54",
        "arc 182 0 254 72 254 54 254 18",
        "pen solid 1 #000000",
        R"~(text 16 54 "このとき、次の計算をせよ。")~",
        R"~(text 16 90 "A + B =")~",
        R"~(text 16 144 "AB    =")~",
    };
    const DrillParams params = drawn(DrillTopic::MatrixBasics, 7);
    EXPECT_EQ(paint(DrillTopic::MatrixBasics, params, false), question);
    std::vector<std::string> answered = question;
    answered.insert(answered.end(), {
                                        "textcolor #ff0000",
                                        R"~(text 80 90 "-8  -2")~",
                                        R"~(text 80 108 "-3  -6")~",
                                        "pen solid 1 #ff0000",
                                        "arc 76 72 148 144 76 90 76 126",
                                        "arc 62 72 134 144 134 126 134 90",
                                        "pen solid 1 #000000",
                                        R"~(text 80 144 "25  -1")~",
                                        R"~(text 80 162 "15   5")~",
                                        "pen solid 1 #ff0000",
                                        "arc 76 126 148 198 76 144 76 180",
                                        "arc 62 126 134 198 134 180 134 144",
                                        "pen solid 1 #000000",
                                        "textcolor #000000",
                                    });
    EXPECT_EQ(paint(DrillTopic::MatrixBasics, params, true), answered);
}

TEST(SimultaneousDrill, AsksToSolveTheSystemAndAnswersWithItsMatrices)
{
    // Seed 7: -4x - 3y = 0, -5x - 4y = 1.
    const DrillParams params = drawn(DrillTopic::Simultaneous, 7);
    const auto lines = paint(DrillTopic::Simultaneous, params, true);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         R"~(text 8 18 "次の連立方程式を解け。")~",
                         R"~(text 8 45 "{")~",
                         R"~(text 24 36 "-4x -3y = 0")~",
                         R"~(text 24 54 "-5x -4y = 1")~",
                         "textcolor #ff0000",
                         R"~(text 16 108 "A =  -4  -3")~",
                         R"~(text 16 126 "      -5  -4")~",
                         "pen solid 1 #ff0000",
                         "arc 41 90 113 162 41 108 41 144",
                         "arc 46 90 118 162 118 144 118 108",
                         "pen solid 1 #000000",
                         R"~(text 128 108 "B =   0")~",
                         R"~(text 128 126 "       1")~",
                         "pen solid 1 #ff0000",
                         "arc 153 90 225 162 153 108 153 144",
                         "arc 126 90 198 162 198 144 198 108",
                         "pen solid 1 #000000",
                         R"~(text 192 126 "を代入")~",
                         "textcolor #000000",
                     }));
    EXPECT_TRUE(redPart(paint(DrillTopic::Simultaneous, params, false)).empty());
}

TEST(SimultaneousDrill, NeverShowsAZeroCoefficientOfXOrY)
{
    struct Row
    {
        DrillParams params;
        std::string first, second, matrixFirst, matrixSecond;
    };
    const Row rows[] = {
        {{0, 0, 3, 0, 0, -2}, " x +y = 3", " x +y = -2", "A =   1   1", "       1   1"},
        {{0, -1, 0, 2, 0, 4}, " x -y = 0", "2x +y = 4", "A =   1  -1", "       2   1"},
        {{-1, 3, 5, 1, -4, 0}, "-x +3y = 5", " x -4y = 0", "A =  -1   3", "       1  -4"},
    };
    for (const Row &row : rows) {
        const auto lines = paint(DrillTopic::Simultaneous, row.params, true);
        EXPECT_EQ(lines[2], "text 24 36 \"" + row.first + '"');
        EXPECT_EQ(lines[3], "text 24 54 \"" + row.second + '"');
        EXPECT_EQ(lines[5], "text 16 108 \"" + row.matrixFirst + '"');
        EXPECT_EQ(lines[6], "text 16 126 \"" + row.matrixSecond + '"');
    }
}

} // namespace
