#include "lessons/trig/Angdef.h"
#include "lessons/trig/TrigFigures.h"
#include "tests/lessons/LessonTestSupport.h"
#include "ui/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Template 116 gives a 488 x 298 client: cw = 10, u = 18; the grid spans 54..234 with O at
// (144, 144), one unit is 9 pixels; the panel starts at (264, 90).

class AngdefTest : public ::testing::Test
{
protected:
    void SetUp() override { window.initialize(); }
    CAngdef window;
};

TEST_F(AngdefTest, OpensOnTheSineOfPointMinusEightEight)
{
    EXPECT_EQ(window.comboCount(158), 7);
    EXPECT_EQ(window.comboEntry(158, 1), u"cos(ｺｻｲﾝ)  ");
    EXPECT_EQ(window.comboEntry(158, 6), u" 平方関係");
    const auto lines = window.recordPaint();
    EXPECT_TRUE(hasSequence(lines, {"fill 54 54 234 234 #ffff00", "pen dot 1 #000000"}));
    // Axes over the grid, "y" above the vertical one.
    EXPECT_TRUE(hasSequence(lines, {"pen solid 2 #000000", "move 144 54", "line 144 234",
                                    "text 140 34 \"y\"", "move 54 144", "line 234 144",
                                    "text 236 135 \"x\""}));
    EXPECT_TRUE(hasSequence(
        lines, {"pen solid 2 #ff0000", "ellipse 69 69 75 75", "move 72 72", "line 144 144"}));
    EXPECT_TRUE(hasSequence(
        lines, {"pen solid 1 #0000ff", "move 72 72", "line 72 144", "text 72 54 \"P(-8.0,8.0)\""}));
    EXPECT_TRUE(hasLine(lines, "arc 124 124 164 164 164 144 130 130"));
    EXPECT_TRUE(hasLine(lines, "text 154 117 \"θ\""));
    EXPECT_TRUE(hasLine(lines, "text 54 252 \"OP=\""));
    EXPECT_TRUE(hasLine(lines, "text 74 270 \"= 11.31\""));
    // The panel: sinθ = PH/OP = 8.0/11.3 = 0.71, the important mark, the second quadrant.
    const std::vector<std::string> panel = {
        "text 264 90 \"sinθ\"",   "text 304 90 \"=\"",
        "text 324 90 \"──\"",     "text 330 80 \"PH\"",
        "text 330 100 \"OP\"",    "text 304 126 \"=\"",
        "text 324 126 \"──\"",    "text 326 116 \"8.0\"",
        "text 322 136 \"11.3\"",  "text 364 126 \"= 0.71\"",
        "textcolor #ff000f",      "text 264 162 \"<<重要>>\"",
        "textcolor #000000",      "text 284 180 \"θが第2象限にあるとき\"",
        "text 324 198 \"sinθ>0\""};
    EXPECT_TRUE(hasSequence(lines, panel));
}

TEST_F(AngdefTest, WritesEachRatioWithItsValueAndSign)
{
    struct Row
    {
        Point click;
        int function;
        std::vector<std::string> expected;
        std::vector<std::string> absent;
    };
    // (220, 144) is (8.4, 0.0) on the positive x axis; (72, 216) is (-8.0, -8.0); (216, 216) is
    // (8.0, -8.0).
    const Row rows[] = {
        {{220, 144},
         2,
         {"text 326 116 \"0.0\"", "text 326 136 \"8.4\"", "text 364 126 \"= 0.00\"",
          "text 284 198 \"tanθ=\"", "text 328 188 \"sinθ\"", "text 328 208 \"cosθ\""},
         {"arc"}},
        {{220, 144},
         3,
         {"text 326 116 \"8.4\"", "text 326 136 \"0.0\"", "text 364 126 \"= ∞\"",
          "text 344 188 \"1\"", "text 328 208 \"tanθ\""},
         {}},
        {{220, 144}, 0, {"text 364 126 \"= 0.00\""}, {"text 284 180", "text 324 198"}},
        {{72, 216},
         0,
         {"text 322 116 \"-8.0\"", "text 324 198 \"sinθ<0\"",
          "text 284 180 \"θが第3象限にあるとき\"", "arc 124 124 164 164 164 144 130 158"},
         {}},
        {{216, 216},
         1,
         {"text 264 90 \"cosθ\"", "text 324 198 \"cosθ>0\"",
          "text 284 180 \"θが第4象限にあるとき\"", "text 216 216 \"P(8.0,-8.0)\""},
         {}},
        {{216, 216},
         5,
         {"text 264 90 \"cosecθ\"", "text 344 90 \"──\"", "text 350 80 \"OP\"",
          "text 350 100 \"PH\"", "text 384 126 \"= -1.41\""},
         {}},
        {{144, 80},
         4,
         {"text 326 116 \"7.1\"", "text 326 136 \"0.0\"", "text 364 126 \"= ∞\""},
         {}},
    };
    for (const Row &row : rows) {
        CAngdef fresh;
        fresh.initialize();
        fresh.clickAt(row.click);
        fresh.selectComboEntry(158, row.function);
        const auto lines = fresh.recordPaint();
        const std::string label = std::to_string(row.click.x) + "," + std::to_string(row.click.y) +
                                  " #" + std::to_string(row.function);
        for (const std::string &line : row.expected)
            EXPECT_TRUE(hasLine(lines, line)) << label << ": " << line;
        for (const std::string &prefix : row.absent)
            EXPECT_TRUE(linesStartingWith(lines, prefix).empty()) << label << ": " << prefix;
    }
}

TEST_F(AngdefTest, IdentityEntryDrawsOnlyTheTwoFormulaRows)
{
    window.clickAt(Point{200, 200});
    window.selectComboEntry(158, 6);
    const auto lines = window.recordPaint();
    EXPECT_TRUE(hasLine(lines, "text 264 90 \"三平方の定理より\""));
    EXPECT_TRUE(hasLine(lines, "text 264 126 \"(\""));
    EXPECT_TRUE(hasLine(lines, "text 274 126 \"──\""));
    EXPECT_TRUE(hasLine(lines, "text 334 126 \"+(\""));
    EXPECT_TRUE(hasLine(lines, "text 414 126 \"= 1\""));
    EXPECT_TRUE(hasLine(lines, "text 294 162 \"θ\""));
    EXPECT_TRUE(hasLine(lines, "text 364 162 \"θ= 1\""));
    // No numbers, no mark, no quadrant sentence.
    for (const std::string &line : lines) {
        EXPECT_EQ(line.find("<<重要>>"), std::string::npos);
        EXPECT_EQ(line.find("象限"), std::string::npos);
        EXPECT_EQ(line.find("text 364 126"), std::string::npos);
    }
}

TEST_F(AngdefTest, TakesClicksOnlyInsideTheSquareAndAwayFromO)
{
    struct Row
    {
        Point click;
        Point expectedP;
    };
    const Point start{72, 72};
    const Row rows[] = {
        {{54, 100}, start},  // on the square's left edge
        {{234, 100}, start}, // on its right edge
        {{100, 20}, start},  // above it
        {{400, 150}, start}, // on the panel
        {{-5, -5}, start},   // outside the window
        {{144, 144}, start}, // at O
        {{163, 125}, start}, // still within 2cw of O
        {{164, 144}, {164, 144}}, {{55, 233}, {55, 233}}, {{144, 60}, {144, 60}}, // on the y axis
    };
    for (const Row &row : rows) {
        CAngdef fresh;
        fresh.initialize();
        fresh.clickAt(row.click);
        EXPECT_EQ(fresh.pointP(), row.expectedP) << row.click.x << "," << row.click.y;
    }
    // Corner of the square: the farthest point, r of 13.7.
    window.clickAt(Point{55, 55});
    EXPECT_EQ(window.anglePoint().x10, -98);
    EXPECT_EQ(window.anglePoint().y10, 98);
    EXPECT_TRUE(hasLine(window.recordPaint(), "text 74 270 \"= 13.86\""));
}

TEST(TrigFigures, LabelFractionTakesTheLongBarForLongLowerTexts)
{
    struct Row
    {
        std::u16string upper, lower;
        std::vector<std::string> expected;
    };
    // Texts of code below U+0100 are 8 pixels wide, the bar characters 16.
    const Row rows[] = {
        {u"8.0", u"11.3", {"text 10 50 \"──\"", "text 12 40 \"8.0\"", "text 8 60 \"11.3\""}},
        {u"0.0", u"-10.0", {"text 10 50 \"────\"", "text 28 40 \"0.0\"", "text 20 60 \"-10.0\""}},
        {u"1", u"tanθ", {"text 10 50 \"──\"", "text 20 40 \"1\"", "text 4 60 \"tanθ\""}},
    };
    for (const Row &row : rows) {
        RecordingCanvas canvas(Size{100, 100});
        DrawLabelFraction(canvas, 10, 50, row.upper, row.lower);
        EXPECT_EQ(canvas.lines(), row.expected);
    }
}

TEST(TrigFigures, AngleArcIsLeftOutWhenItsRaysCoincide)
{
    struct Row
    {
        Point start, end;
        int radius;
        bool drawn;
    };
    const Point o{50, 50};
    const Row rows[] = {
        {{70, 50}, {70, 50}, 20, false}, // 0 degrees
        {{70, 50}, {90, 50}, 20, false}, // the same ray, farther out
        {{70, 50}, {30, 50}, 20, true},  // 180 degrees
        {{70, 50}, {70, 49}, 20, true},  // just above the axis
        {{70, 50}, {70, 51}, 20, true},  // just below: nearly a full turn
        {{70, 50}, {50, 50}, 20, false}, // end at the centre
        {{70, 50}, {50, 30}, 0, false},  // no radius
    };
    for (const Row &row : rows) {
        RecordingCanvas canvas(Size{100, 100});
        DrawAngleArc(canvas, o, row.radius, row.start, row.end);
        EXPECT_EQ(!canvas.lines().empty(), row.drawn) << row.end.x << "," << row.end.y;
        if (row.drawn) {
            EXPECT_EQ(canvas.lines().front(), "arc 30 30 70 70 70 50 " + std::to_string(row.end.x) +
                                                  " " + std::to_string(row.end.y));
        }
    }
}

} // namespace
