#include "lessons/matrix/Trans.h"
#include "tests/lessons/LessonTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Template 111 gives a 508 x 272 client: u = 15, cw = 10, the origin O at (120, 120), the grid
// square from 45 to 195 both ways. The lattice point (x, y) is the pixel (120 + 15x, 120 - 15y).

std::string text(int x, int y, const std::string &content)
{
    return "text " + std::to_string(x) + ' ' + std::to_string(y) + " \"" + content + '"';
}

/// The lines drawn in the red pen of width 2 (P' and the way P moves there).
std::vector<std::string> movementLines(const std::vector<std::string> &lines)
{
    auto begin = std::find(lines.begin(), lines.end(), "pen solid 2 #ff0000");
    auto end = std::find(begin, lines.end(), "pen solid 1 #000000");
    return begin == lines.end() ? std::vector<std::string>{}
                                : std::vector<std::string>(begin + 1, end);
}

class TransTest : public ::testing::Test
{
protected:
    void SetUp() override { window.initialize(); }

    CTrans window;
};

TEST_F(TransTest, OpensWithTheXAxisSymmetryOfThreeFour)
{
    EXPECT_EQ(window.checkState(134), 1);
    EXPECT_EQ(window.controlText(112), u"90");
    const auto lines = window.recordPaint();
    EXPECT_TRUE(
        hasSequence(lines, {"fill 45 45 195 195 #ffff00", "pen solid 2 #000000", "move 120 45",
                            "line 120 195", text(116, 28, "y"), "move 45 120", "line 195 120",
                            text(203, 113, "x"), "ellipse 163 58 167 62"}));
    // The matrix (1 0; 0 -1) times (3; 4) is (3; -4), in blue.
    EXPECT_TRUE(
        hasSequence(lines, {"textcolor #0000ff", text(250, 78, "   1"), text(250, 97, "   0"),
                            text(297, 78, "   0"), text(297, 97, "  -1"), text(375, 78, "3"),
                            text(375, 97, "4"), text(270, 138, " 3"), text(270, 157, "-4")}));
    // P' with an arrow from P straight down to it.
    EXPECT_EQ(
        movementLines(lines),
        (std::vector<std::string>{"ellipse 163 178 167 182", "move 165 60", "line 165 180",
                                  "move 168 173", "line 165 180", "move 161 173", "line 165 180"}));
}

TEST_F(TransTest, GridLabelsStandLeftOfTheYAxisAndUnderTheXAxis)
{
    const auto lines = window.recordPaint();
    // Font "MS Serif" of height 10: a character is 5 pixels wide in the recording metrics.
    EXPECT_TRUE(hasSequence(lines, {"pen dot 1 #00ffff", "font 10 0 0 \"MS Serif\"", "move 45 60",
                                    "line 195 60", text(108, 52, " 4")}));
    EXPECT_TRUE(hasSequence(lines, {"move 45 180", "line 195 180", text(108, 172, "-4")}));
    EXPECT_TRUE(hasSequence(lines, {"move 60 45", "line 60 195", text(52, 120, "-4")}));
    EXPECT_TRUE(hasSequence(lines, {"move 120 45", "line 120 195", text(112, 120, " 0")}));
}

TEST_F(TransTest, AppliesEachTransformationToThreeFour)
{
    struct Row
    {
        int radio;
        std::vector<std::string> entries; // m11, m21, m12, m22 as drawn
        std::string x, y;                 // P' texts with their places
        std::string mark;                 // the circle around P'
    };
    const Row rows[] = {
        {134,
         {"   1", "   0", "   0", "  -1"},
         text(270, 138, " 3"),
         text(270, 157, "-4"),
         "ellipse 163 178 167 182"},
        {135,
         {"  -1", "   0", "   0", "   1"},
         text(270, 138, "-3"),
         text(270, 157, " 4"),
         "ellipse 73 58 77 62"},
        {136,
         {"  -1", "   0", "   0", "  -1"},
         text(270, 138, "-3"),
         text(270, 157, "-4"),
         "ellipse 73 178 77 182"},
        // Four characters stand one cell further left.
        {137,
         {"cos90ﾟ", "sin90ﾟ", "-sin90ﾟ", "cos90ﾟ"},
         text(260, 138, "-4.0"),
         text(270, 157, "3.0"),
         "ellipse 58 73 62 77"},
    };
    for (const Row &row : rows) {
        window.pressButton(row.radio);
        EXPECT_EQ(window.transform(), row.radio - 133);
        const auto lines = window.recordPaint();
        EXPECT_TRUE(
            hasSequence(lines, {text(250, 78, row.entries[0]), text(250, 97, row.entries[1]),
                                text(297, 78, row.entries[2]), text(297, 97, row.entries[3])}))
            << row.radio;
        EXPECT_TRUE(hasSequence(lines, {row.x, row.y})) << row.radio;
        EXPECT_EQ(movementLines(lines).front(), row.mark) << row.radio;
        for (int id = 134; id <= 137; ++id)
            EXPECT_EQ(window.checkState(id), id == row.radio ? 1 : 0) << row.radio;
    }
}

TEST_F(TransTest, RotationMovesAlongAnArcWithItsArrowheadPointingOn)
{
    window.pressButton(137);
    // Counter-clockwise from P (165, 60) to P' (60, 75) on the circle of radius 75; P' lies at
    // 143 degrees, so the barbs leave it at 23 and 83 degrees.
    EXPECT_EQ(movementLines(window.recordPaint()),
              (std::vector<std::string>{"ellipse 58 73 62 77", "arc 45 45 195 195 165 60 60 75",
                                        "move 66 73", "line 60 75", "move 60 69", "line 60 75"}));
    // -90 degrees takes P to (4, -3) at 323 degrees; the arc runs from P' back to P and the
    // barbs, at 83 and 23 degrees, point back up the clockwise way.
    window.setControlText(112, u"-90");
    window.pressButton(137);
    EXPECT_EQ(
        movementLines(window.recordPaint()),
        (std::vector<std::string>{"ellipse 178 163 182 167", "arc 45 45 195 195 180 165 165 60",
                                  "move 180 159", "line 180 165", "move 186 163", "line 180 165"}));
    // An angle of 0 leaves P where it is and draws no arc, not a whole circle.
    window.setControlText(112, u"0");
    window.pressButton(137);
    EXPECT_EQ(movementLines(window.recordPaint()),
              std::vector<std::string>{"ellipse 163 58 167 62"});
}

TEST_F(TransTest, ClicksPickTheNearestLatticePointInsideTheSquareOnly)
{
    struct Row
    {
        Point click;
        LatticePoint expected;
    };
    const Row rows[] = {
        {{142, 97}, {1, 2}},   // 22 and 23 pixels from O: 1.47 and 1.53 units
        {{97, 143}, {-2, -2}}, // -1.53 rounds away from the origin
        {{195, 45}, {5, 5}},   // the square's corner still counts
        {{196, 120}, {5, 5}},  // just outside: ignored
        {{120, 44}, {5, 5}},
    };
    for (const Row &row : rows) {
        window.clickAt(row.click);
        EXPECT_EQ(window.point(), row.expected) << row.click.x << ',' << row.click.y;
    }
}

TEST_F(TransTest, AnAngleBeyondThreeHundredSixtyChangesNothing)
{
    const auto before = window.recordPaint();
    window.setControlText(112, u"400");
    window.pressButton(137);
    EXPECT_EQ(window.transform(), 1);
    EXPECT_EQ(window.checkState(134), 1);
    EXPECT_EQ(window.checkState(137), 0);
    EXPECT_EQ(window.focusedControl(), 112);
    window.clickAt(Point{60, 60});
    EXPECT_EQ(window.point(), (LatticePoint{3, 4}));
    EXPECT_EQ(window.recordPaint(), before);
    // 360 itself is accepted.
    window.setControlText(112, u"-360");
    window.pressButton(137);
    EXPECT_EQ(window.theta(), -360);
}

TEST_F(TransTest, RotatedValuesNeverPrintMinusZero)
{
    window.clickAt(Point{120, 60}); // P = (0, 4): y' = 4 cos 90 is a tiny negative number
    window.pressButton(137);
    const auto lines = window.recordPaint();
    EXPECT_TRUE(hasSequence(lines, {text(260, 138, "-4.0"), text(270, 157, "0.0")}));
}

} // namespace
