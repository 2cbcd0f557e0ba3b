#include "lessons/functions/Unequal.h"
#include "drill/Drill.h"
#include "tests/lessons/LessonTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Template 108 gives a 596 x 446 client: u = 12, v = 31. The grid square spans x 31..341 and
// y 93..403 with its origin at (186, 248); one cell of 31 pixels is the step w. The inequality's
// interval ends are thin black lines from the red curve down to the axis; the purple region runs
// 3 pixels above the axis.

/// The lines drawn after the curves: the end lines in the thin black pen, then the region.
std::vector<std::string> regionLines(const std::vector<std::string> &lines)
{
    auto begin = std::find(lines.begin(), lines.end(), "pen solid 2 #0000ff");
    begin = std::find(begin, lines.end(), "clip none");
    const auto end = std::find(begin, lines.end(), "pen dot 1 #000000");
    return begin == lines.end() ? std::vector<std::string>{}
                                : std::vector<std::string>(begin + 2, end);
}

TEST(Unequal, TheDefaultHoldsBetweenTheTwoRoots)
{
    CUnequal window;
    window.initialize();
    EXPECT_EQ(window.controlText(131), u"-xx/10>x+2");
    const auto lines = window.recordPaint();
    // -x^2/10 > x + 2 between x = -5 - sqrt 5 (-7.24) and -5 + sqrt 5 (-2.76): with w = 2 the
    // first holding column is -112 (x = -7.23, red curve at row 328), the last -43 (x = -2.77,
    // row 259).
    EXPECT_EQ(regionLines(lines),
              (std::vector<std::string>{"move 74 328", "line 74 248", "move 143 259",
                                        "line 143 248", "pen solid 3 #ff00ff", "move 74 245",
                                        "line 143 245", "pen solid 1 #000000"}));
    // The red parabola's top touches the origin, the blue line crosses the y-axis at 2 (row 217).
    EXPECT_TRUE(hasSequence(lines, {"move 187 248", "line 186 248"}));
    EXPECT_TRUE(hasSequence(lines, {"move 187 216", "line 186 217"}));
    EXPECT_TRUE(hasSequence(lines, {"fill 31 93 341 403 #ffff00", "pen solid 2 #000000",
                                    "move 186 93", "line 186 403", "text 182 62 \"y\"",
                                    "move 31 248", "line 341 248", "text 343 233 \"x\""}));
    EXPECT_TRUE(hasLine(lines, "text 302 248 \" 8\""));
    EXPECT_TRUE(hasLine(lines, "text 164 364 \"-8\""));
    // The panel: shadow, white plate, both sides in their colours.
    EXPECT_TRUE(hasSequence(lines, {"fill 360 151 572 345 #0f0f0f", "fill 356 147 568 341 #ffffff",
                                    "textcolor #ff0000", "text 360 155 \"赤色: y=\"",
                                    "text 456 155 \"-\"", "text 464 155 \"x\""}));
    EXPECT_TRUE(hasSequence(lines, {"textcolor #0000ff", "text 360 217 \"青色: y=\"",
                                    "text 456 217 \"x\"", "text 464 217 \"+2\""}));
    EXPECT_TRUE(hasSequence(lines, {"textcolor #ff00ff", "text 360 279 \"紫色:不等式を\"",
                                    "text 456 310 \"満たす範囲\""}));
}

TEST(Unequal, RegionsEndWithALineOnlyInsideTheGrid)
{
    struct Row
    {
        std::u16string text;
        CUnequal::Coefficients left, right;
        std::vector<std::string> region;
        std::string rightLabel; // the label of the grid's fourth column
    };
    const Row rows[] = {
        // From the left edge: no start line; the end at x = 1.94 (column 30, row 218).
        {u"x<2",
         {0, 1, 0},
         {2, 0, 0},
         {"move 216 218", "line 216 248", "pen solid 3 #ff00ff", "move 31 245", "line 216 245",
          "pen solid 1 #000000"},
         " 8"},
        // To the right edge: no end line.
        {u"x>2",
         {0, 1, 0},
         {2, 0, 0},
         {"move 218 216", "line 218 248", "pen solid 3 #ff00ff", "move 218 245", "line 340 245",
          "pen solid 1 #000000"},
         " 8"},
        // Terms of one degree are added: 3x > 3 holds from x = 1.03 (column 16), not from 3.
        {u"2x+x>3",
         {0, 3, 0},
         {3, 0, 0},
         {"move 202 200", "line 202 248", "pen solid 3 #ff00ff", "move 202 245", "line 340 245",
          "pen solid 1 #000000"},
         " 8"},
        // x^2 < 1 with a caret: between the roots, both ends inside.
        {u"x^2<1",
         {0, 0, 1},
         {1, 0, 0},
         {"move 171 234", "line 171 248", "move 201 234", "line 201 248", "pen solid 3 #ff00ff",
          "move 171 245", "line 201 245", "pen solid 1 #000000"},
         " 8"},
        // A constant of 50 makes the step 20. The rows are compared: x - 50 rounds to the axis's
        // row from x = 49.7 (column 77) on, so the region ends at column 76 with a line of no
        // length where the red curve lies on the axis.
        {u"0>x-50",
         {0, 0, 0},
         {-50, 1, 0},
         {"move 262 248", "line 262 248", "pen solid 3 #ff00ff", "move 31 245", "line 262 245",
          "pen solid 1 #000000"},
         " 80"},
        // Never holds: no end line and no purple.
        {u"xx<-1", {0, 0, 1}, {-1, 0, 0}, {"pen solid 3 #ff00ff", "pen solid 1 #000000"}, " 8"},
    };
    for (const Row &row : rows) {
        MessageBoxRecorder messages;
        CUnequal window;
        window.initialize();
        window.setControlText(131, row.text);
        window.pressButton(104);
        ASSERT_TRUE(messages.texts.empty()) << utf8(row.text);
        EXPECT_EQ(window.left(), row.left) << utf8(row.text);
        EXPECT_EQ(window.right(), row.right) << utf8(row.text);
        const auto lines = window.recordPaint();
        EXPECT_EQ(regionLines(lines), row.region) << utf8(row.text);
        EXPECT_TRUE(hasLine(lines, "text 302 248 \"" + row.rightLabel + "\"")) << utf8(row.text);
    }
}

TEST(Unequal, ASideOfDegreeThreeShowsTheDegreeMessageInTheFigure)
{
    MessageBoxRecorder messages;
    CUnequal window;
    window.initialize();
    window.setControlText(131, u"xxx>1");
    window.pressButton(104);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(window.recordPaint(),
              (std::vector<std::string>{"bkmode transparent", "fill 31 186 341 217 #ff0000",
                                        "textcolor #ffffff", "text 62 186 \"次数が大き過ぎます。\"",
                                        "textcolor #000000", "bkmode opaque"}));
}

TEST(Unequal, RefusesAtStartAndKeepsTheFigure)
{
    struct Row
    {
        std::u16string text;
        std::u16string message;
    };
    const std::u16string symbol = u"+,-,/,*,(,)以外の記号があります。";
    const Row rows[] = {
        {u"x>1/x", u"分母に文字があります。"},
        {u"x>1/0", u"分母に０があります。"},
        {u"y>x", u"xの式を入れて下さい。"},
        {u"x+1", symbol}, // no relation sign
        {u"x>1>0", symbol},
        {u"x>1=0", symbol},
        {u"x^10>1", symbol},
        {u"(x+1>0", symbol},
        {u"x>1.2.3", symbol},
        {u"x>x/*x", symbol}, // a divisor without a number
        {u"x>100000", u"数が大きすぎます。"},
        {u"x>0.00001", u"数が大きすぎます。"},
        {u"x>1/0x", u"分母に０があります。"},
        {u"", symbol},
    };
    for (const Row &row : rows) {
        MessageBoxRecorder messages;
        CUnequal window;
        window.initialize();
        const auto before = window.recordPaint();
        window.setControlText(131, row.text);
        window.pressButton(104);
        EXPECT_EQ(messages.texts, std::vector<std::u16string>{row.message}) << utf8(row.text);
        EXPECT_EQ(window.focusedControl(), 131) << utf8(row.text);
        EXPECT_EQ(window.controlText(131), row.text);
        EXPECT_EQ(window.text(), u"-xx/10>x+2");
        EXPECT_EQ(window.recordPaint(), before) << utf8(row.text);
        EXPECT_EQ(messages.texts.size(), 1u);
    }
}

TEST(Unequal, TheDrillOpensOnTopic2777)
{
    int topic = 0;
    int variant = -1;
    const LessonWindow::ModalHook previous = LessonWindow::setModalHook([&](LessonWindow &window) {
        if (auto *drill = dynamic_cast<CDrill *>(&window)) {
            topic = drill->topic();
            variant = drill->variant();
        }
        return 0;
    });
    CUnequal window;
    window.initialize();
    window.pressButton(133);
    LessonWindow::setModalHook(previous);
    EXPECT_EQ(topic, 2777);
    EXPECT_EQ(variant, 0);
}

} // namespace
