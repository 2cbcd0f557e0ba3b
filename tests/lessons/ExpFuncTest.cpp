#include "lessons/explog/ExpFunc.h"
#include "drill/Drill.h"
#include "lessons/explog/ExpLaw.h"
#include "tests/lessons/LessonTestSupport.h"
#include "ui/MessageBox.h"
#include "ui/RecordingCanvas.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Template 107 gives a 498 x 296 client: cw = 13, u = 21. The graph square spans 63..273 both
// ways with its origin at (168, 168), one unit per 21 pixels; the band of joined points is the
// rows 60..297.

constexpr int kFieldA = 113;

struct Segment
{
    int x = 0;
    int y = 0;
};

/// The starting points ("move X Y") of the segments drawn in the pen that begins with `pen`, up to
/// the next pen.
std::vector<Segment> segmentsIn(const std::vector<std::string> &lines, const std::string &pen)
{
    std::vector<Segment> segments;
    bool inside = false;
    for (const std::string &line : lines) {
        if (line.rfind("pen ", 0) == 0) inside = line == pen;
        Segment s;
        if (inside && std::sscanf(line.c_str(), "move %d %d", &s.x, &s.y) == 2)
            segments.push_back(s);
    }
    return segments;
}

std::vector<Segment> redCurve(const std::vector<std::string> &lines)
{
    return segmentsIn(lines, "pen solid 2 #ff0000");
}

std::vector<Segment> blueCurve(const std::vector<std::string> &lines)
{
    return segmentsIn(lines, "pen solid 2 #0000ff");
}

bool passes(const std::vector<Segment> &curve, int x, int y)
{
    for (const Segment &s : curve) {
        if (s.x == x && s.y == y) return true;
    }
    return false;
}

/// The paint of a fresh window after a start with the base `a`.
std::vector<std::string> paintAfterStart(std::u16string_view a)
{
    CExpFunc lesson;
    lesson.initialize();
    lesson.setControlText(kFieldA, a);
    lesson.pressButton(104);
    return lesson.recordPaint();
}

class ExpFuncTest : public ::testing::Test
{
protected:
    void SetUp() override { window.initialize(); }

    void start(std::u16string_view a)
    {
        window.setControlText(kFieldA, a);
        window.pressButton(104);
    }

    CExpFunc window;
};

TEST_F(ExpFuncTest, OpensOnBaseTwoWithTheDefinitionTheLegendAndTheMirrorLine)
{
    EXPECT_EQ(window.controlText(kFieldA), u"2");
    const auto lines = window.recordPaint();
    EXPECT_TRUE(hasSequence(
        lines, {"text 377 21 \"y = a\"", "font 15 0 128 \"system\"", "text 419 18 \"x\""}));
    EXPECT_TRUE(hasSequence(
        lines, {"text 377 80 \"x = log\"", "font 15 700 0 \"MS Serif\"", "text 433 90 \"a\""}));
    EXPECT_TRUE(hasLine(lines, "text 433 80 \" y\""));
    // The legend: y = 2.0^x with its red label, then y = log_2.0 x with its blue one, each after
    // the width of the one before it.
    EXPECT_TRUE(hasSequence(lines, {"fill 13 10 312 42 #ff0fff", "text 26 19 \"y = 2.0\""}));
    EXPECT_TRUE(hasSequence(lines, {"textcolor #ff0000", "text 82 19 \" ･･･(赤)\"",
                                    "textcolor #000000", "text 172 19 \"y = log\""}));
    EXPECT_TRUE(hasLine(lines, "text 228 29 \"2.0\""));
    EXPECT_TRUE(hasSequence(
        lines, {"textcolor #0000ff", "text 241 19 \" x ･･･(青)\"", "textcolor #000000"}));
    EXPECT_TRUE(hasLine(lines, "fill 63 63 273 273 #ffff00"));
    EXPECT_TRUE(hasSequence(lines, {"pen solid 1 #000000", "move 63 273", "line 273 63"}));
}

TEST(ExpFuncCurves, PassThroughTheirPointsMirroredInYEqualsXRisingOrFalling)
{
    struct Row
    {
        std::u16string a;
        std::vector<std::pair<int, int>> red, blue; // pixels the curves pass
        int direction; ///< -1: pixel rows fall from left to right (the curves rise); 1: they grow
    };
    const Row rows[] = {
        // y = 2^x through (0, 1) and (2, 4); y = log_2 x through (1, 0) and (4, 2).
        {u"2", {{168, 147}, {210, 84}}, {{189, 168}, {252, 126}}, -1},
        // y = 0.5^x through (-1, 2) and (0, 1); y = log_0.5 x through (1, 0) and (4, -2).
        {u"0.5", {{147, 126}, {168, 147}}, {{189, 168}, {252, 210}}, 1},
    };
    for (const Row &row : rows) {
        const auto lines = paintAfterStart(row.a);
        const auto red = redCurve(lines);
        const auto blue = blueCurve(lines);
        for (const auto &[x, y] : row.red)
            EXPECT_TRUE(passes(red, x, y)) << toUtf8(row.a) << " red " << x;
        for (const auto &[x, y] : row.blue)
            EXPECT_TRUE(passes(blue, x, y)) << toUtf8(row.a) << " blue " << x;
        for (const auto &curve : {red, blue}) {
            ASSERT_GT(curve.size(), 10u);
            for (std::size_t i = 1; i < curve.size(); ++i)
                EXPECT_GE((curve[i].y - curve[i - 1].y) * row.direction, 0) << curve[i].x;
        }
    }
}

TEST_F(ExpFuncTest, PointsOutsideTheBandAreNotJoined)
{
    struct Row
    {
        std::u16string a;
        int lastRedX; ///< the red curve leaves the band after this column
    };
    // 2^x reaches row 59 (above the band) at x = 50/21; 10^x at x = 16/21; 99999^x (1e25 at
    // x = 5, far beyond any pixel) at x = 3/21.
    const Row rows[] = {{u"2", 217}, {u"10", 183}, {u"99999", 171}};
    for (const Row &row : rows) {
        const auto lines = paintAfterStart(row.a);
        const auto red = redCurve(lines);
        ASSERT_FALSE(red.empty());
        EXPECT_EQ(red.back().x, row.lastRedX);
        for (const auto &curve : {red, blueCurve(lines)}) {
            for (const Segment &s : curve) {
                EXPECT_GT(s.y, 59);
                EXPECT_LT(s.y, 277);
            }
        }
    }
}

TEST_F(ExpFuncTest, RefusesABaseThatIsNotAPositiveNumberOtherThanOne)
{
    start(u"3");
    EXPECT_DOUBLE_EQ(window.base(), 3.0);
    const auto before = window.recordPaint();
    for (const char16_t *text :
         {u"1", u"1.0", u"01", u"1.", u"0", u"-2", u"", u".", u"abc", u"2.5.1", u"１", u"1e2"}) {
        window.focusControl(1);
        start(text);
        EXPECT_EQ(window.focusedControl(), kFieldA) << toUtf8(text);
        EXPECT_DOUBLE_EQ(window.base(), 3.0);
        EXPECT_EQ(window.recordPaint(), before);
    }
}

TEST_F(ExpFuncTest, AStartRepaintsTheLegendWithoutStaleText)
{
    // The window shows a = 2 on its image, then a = 12345 lengthens the legend past the graph's
    // right edge: it must look as a window that never showed a = 2.
    window.surface();
    start(u"12345");
    CExpFunc fresh;
    fresh.initialize();
    fresh.setControlText(kFieldA, u"12345");
    fresh.pressButton(104);
    EXPECT_TRUE(window.surface() == fresh.surface());
}

TEST_F(ExpFuncTest, TheBasicButtonTellsWhatAnInverseFunctionIs)
{
    std::vector<std::u16string> texts;
    setMessageBoxHandler([&texts](const MessageRequest &request) {
        texts.emplace_back(request.text);
        return static_cast<int>(IdOk);
    });
    window.pressButton(129);
    setMessageBoxHandler([](const MessageRequest &) { return static_cast<int>(IdOk); });
    EXPECT_EQ(texts, std::vector<std::u16string>{
                         u"x=f(y)をyについて解いた式がy=g(x)\n とすると、gを fの逆関数という。"});
}

TEST(ExplogDrill, TheDrillButtonsOpenTheLessonsTopicAndMode)
{
    const auto press = [](LessonWindow &lesson, int topic, int variant) {
        std::pair<int, int> opened;
        const LessonWindow::ModalHook previous =
            LessonWindow::setModalHook([&opened](LessonWindow &window) {
                if (auto *drill = dynamic_cast<CDrill *>(&window))
                    opened = {drill->topic(), drill->variant()};
                return 0;
            });
        lesson.initialize();
        lesson.pressButton(133);
        LessonWindow::setModalHook(previous);
        EXPECT_EQ(opened, std::make_pair(topic, variant));
    };
    CExpLaw laws;
    press(laws, 2775, 0);
    CExpLaw logarithms;
    logarithms.setModeFlag(1);
    press(logarithms, 2786, 1);
    CExpFunc functions;
    press(functions, 2776, 0);
}

} // namespace
