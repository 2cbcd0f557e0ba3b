#include "lessons/functions/Onefnc2.h"
#include "tests/lessons/LessonTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Template 114 gives a 550 x 284 client: u = 15, v = 20. The grid square spans (40, 60)-(240, 260)
// with the origin at (140, 160); 10 pixels make one unit, so a pixel is a tenth.

class Onefnc2Test : public ::testing::Test
{
protected:
    void open(std::int16_t mode)
    {
        window.setModeFlag(mode);
        window.initialize();
    }
    /// Sets both points by clicking and presses "開始".
    void startWith(Point first, Point second)
    {
        window.clickAt(first);
        window.clickAt(second);
        window.pressButton(104);
    }

    COnefnc2 window;
};

TEST_F(Onefnc2Test, InitialPointsGiveTheLineThroughMinusSixEightAndSixMinusFour)
{
    open(0);
    EXPECT_TRUE(window.line(0).empty());
    window.pressButton(104);
    const std::vector<std::u16string> expected = {u"(-6.0,8.0), (6.0,-4.0)",
                                                  u"傾き=(8.0-(-4.0))/(-6.0-6.0)", u"     =-1.00",
                                                  u"y-(-4.0) = -1.00(x-6.0)", u"y = -x +2.00"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(window.line(i), expected[i]) << i;
    const auto lines = window.recordPaint();
    // The points with their labels; the second label would pass 12v and ends there instead.
    EXPECT_TRUE(hasSequence(lines, {"ellipse 77 77 83 83", "text 85 76 \"(-6.0,8.0)\""}));
    EXPECT_TRUE(hasSequence(lines, {"ellipse 197 197 203 203", "text 160 196 \"(6.0,-4.0)\""}));
    EXPECT_TRUE(hasLine(lines, "text 180 240 \"最初\""));
    // y = -x leaves the square at its top-left and bottom-right corners.
    EXPECT_TRUE(hasSequence(lines, {"pen solid 2 #ff0000", "move 60 60", "line 240 240"}));
    EXPECT_TRUE(hasSequence(lines, {"fill 280 40 510 60 #0f0f0f", "fill 276 36 506 56 #ffff00",
                                    "text 292 40 \"(-6.0,8.0), (6.0,-4.0)\"",
                                    "text 280 80 \"傾き=(8.0-(-4.0))/(-6.0-6.0)\"",
                                    "text 280 100 \"     =-1.00\"",
                                    "text 280 140 \"y-(-4.0) = -1.00(x-6.0)\"", "textcolor #ff0000",
                                    "text 280 168 \"y = -x +2.00\""}));
    EXPECT_TRUE(hasLine(lines, "roundrect 276 164 505 188"));
    // The grid counts 2 units a cell, the axes cross at (140, 160).
    EXPECT_TRUE(hasLine(lines, "text 126 72 \" 8\""));
    EXPECT_TRUE(hasLine(lines, "text 52 160 \"-8\""));
    EXPECT_TRUE(hasLine(lines, "text 212 160 \" 8\""));
    EXPECT_TRUE(hasSequence(lines, {"move 140 60", "line 140 260", "text 136 40 \"y\""}));
}

TEST_F(Onefnc2Test, AxisParallelAndEqualPairsClearTheSlopeLines)
{
    struct Row
    {
        Point first, second;
        std::u16string lineOne;
        std::vector<std::string> drawn;
    };
    const Row rows[] = {
        {{100, 100}, {100, 200}, u"x=-4.0", {"move 100 60", "line 100 260"}},
        {{100, 100}, {200, 100}, u"y=6.0", {"move 40 100", "line 240 100"}},
        {{100, 100}, {100, 100}, u"同じ点ではいけません。", {"move 100 60", "line 100 260"}},
        // A steep pair: both ends move to the top and bottom edges.
        {{140, 160}, {150, 120}, u"傾き=(0.0-4.0)/(0.0-1.0)", {"move 115 260", "line 165 60"}},
    };
    for (const Row &row : rows) {
        COnefnc2 fresh;
        fresh.initialize();
        fresh.pressButton(104); // fills every line from the initial points
        fresh.clickAt(row.first);
        fresh.clickAt(row.second);
        fresh.pressButton(104);
        EXPECT_EQ(fresh.line(1), row.lineOne);
        const bool slope = row.lineOne.starts_with(u"傾き");
        EXPECT_EQ(fresh.line(2).empty(), !slope);
        EXPECT_EQ(fresh.line(4).empty(), !slope);
        const auto lines = fresh.recordPaint();
        std::vector<std::string> expected = {"pen solid 2 #ff0000"};
        expected.insert(expected.end(), row.drawn.begin(), row.drawn.end());
        EXPECT_TRUE(hasSequence(lines, expected)) << row.drawn[0];
    }
}

TEST_F(Onefnc2Test, ClicksAlternateInsideTheSquareOnly)
{
    open(0);
    // On the square's edges and beyond: ignored.
    for (const Point p :
         {Point{40, 100}, Point{240, 100}, Point{100, 60}, Point{100, 260}, Point{300, 100}})
        window.clickAt(p);
    window.pressButton(104);
    EXPECT_EQ(window.line(0), u"(-6.0,8.0), (6.0,-4.0)");
    window.clickAt({41, 61});
    EXPECT_TRUE(hasLine(window.recordPaint(), "text 180 240 \"最後\""));
    window.clickAt({239, 259});
    window.pressButton(104);
    EXPECT_EQ(window.line(0), u"(-9.9,9.9), (9.9,-9.9)");
    EXPECT_TRUE(hasLine(window.recordPaint(), "text 180 240 \"最初\""));
}

TEST_F(Onefnc2Test, AClickRepaintsTheLabelsAboveTheSquare)
{
    open(0);
    const auto labelRowInk = [this] {
        // Rows 57..59 lie above the square; only a point label can draw there.
        const QImage &image = window.surface();
        int ink = 0;
        for (int y = 57; y < 60; ++y)
            for (int x = 105; x < 200; ++x)
                ink += image.pixel(x, y) != QColor(0xF0, 0xF0, 0xF0).rgb();
        return ink;
    };
    window.clickAt({100, 61}); // the first point's label starts at y = 57
    ASSERT_GT(labelRowInk(), 0);
    window.clickAt({150, 150});
    window.clickAt({100, 200}); // the first point moves away
    EXPECT_EQ(labelRowInk(), 0);
    const Rect repainted = window.clickRepaintRect();
    EXPECT_LE(repainted.top, 57);
    EXPECT_EQ(repainted.left, 40 - 16);
}

TEST_F(Onefnc2Test, CircleModeWritesRadicandShiftAndStandardForm)
{
    struct Row
    {
        Point centre, onCircle;
        std::string radicandStart, shift, standard, yTerm;
        int shiftX; // 14v + 4u + the radicand's width on the upper row
    };
    const Row rows[] = {
        {{140, 160}, {200, 120}, "52.0-", "", "x", "y", 0},
        {{200, 200}, {100, 100}, "200.0-(", "-4.0", "(x-6.0)", "(y+4.0)", 460},
        {{80, 80}, {100, 100}, "8.0-(", "+8.0", "(x+6.0)", "(y-8.0)", 444},
    };
    for (const Row &row : rows) {
        COnefnc2 fresh;
        fresh.setModeFlag(1);
        fresh.initialize();
        fresh.clickAt(row.centre);
        fresh.clickAt(row.onCircle);
        fresh.pressButton(104);
        const auto lines = fresh.recordPaint();
        EXPECT_TRUE(hasSequence(lines, {"textcolor #ff0000", "text 280 120 \"上半分\"",
                                        "text 280 140 \"y =\"", "text 280 160 \"下半分\"",
                                        "text 280 180 \"y = -\"",
                                        "text 325 140 \"" + row.radicandStart + "\""}))
            << row.radicandStart;
        EXPECT_TRUE(hasLine(lines, "text 295 210 \"" + row.standard + "\"")) << row.standard;
        const auto onStandardRow = [&](const std::string &text) {
            return std::any_of(lines.begin(), lines.end(), [&](const std::string &line) {
                return line.starts_with("text ") && line.ends_with(" 210 \"" + text + "\"");
            });
        };
        EXPECT_TRUE(onStandardRow(row.yTerm)) << row.yTerm;
        if (row.shift.empty()) continue;
        const std::string quoted = " \"" + row.shift + "\"";
        EXPECT_TRUE(hasLine(lines, "text " + std::to_string(row.shiftX) + " 140" + quoted));
        EXPECT_TRUE(hasLine(lines, "text " + std::to_string(row.shiftX + 15) + " 180" + quoted));
    }
}

TEST_F(Onefnc2Test, CircleModeOpensComputedAndDrawsTwoColouredHalves)
{
    open(1);
    EXPECT_EQ(window.windowTitle().toStdU16String(), u"円の方程式");
    EXPECT_EQ(window.line(0), u"(-6.0,8.0), (6.0,-4.0)");
    EXPECT_TRUE(hasLine(window.recordPaint(), "text 180 240 \"中心\""));
    startWith({140, 160}, {200, 120});
    const auto lines = window.recordPaint();
    // R = trunc(sqrt(60^2 + 40^2)) = 72 around (140, 160): red from the right end over the top,
    // blue from the left end under the bottom, both clipped to the square.
    EXPECT_TRUE(hasSequence(lines, {"clip 40 60 240 260", "pen solid 2 #ff0000",
                                    "arc 68 88 212 232 212 160 68 160", "pen solid 1 #000000",
                                    "pen solid 2 #0000ff", "arc 68 88 212 232 68 160 212 160"}));
    EXPECT_TRUE(hasLine(lines, "text 292 40 \"(0.0,0.0), (6.0,4.0)\""));
    EXPECT_TRUE(hasLine(lines, "text 310 100 \"= 52.0\""));
    EXPECT_TRUE(hasLine(lines, "roundrect 280 204 505 228"));
    // A click moves the circle but leaves the panel to the next start.
    window.clickAt({100, 100});
    EXPECT_TRUE(hasLine(window.recordPaint(), "text 310 100 \"= 52.0\""));
    EXPECT_TRUE(hasLine(window.recordPaint(), "text 180 240 \"周上\""));
}

} // namespace
