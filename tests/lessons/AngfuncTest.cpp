#include "lessons/trig/Angfunc.h"
#include "tests/lessons/LessonTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// Template 104 gives a 494 x 262 client: cw = 10, u = 16. The circle's centre O is (96, 96) with
// radius 64; the graph spans 200..440 across (0 to 360 degrees) and 16..176 down, value 0 at 96.

/// The lines drawn while the graph was being drawn (inside its band's clip).
std::vector<std::string> graphLines(const std::vector<std::string> &lines)
{
    const auto begin = std::find(lines.begin(), lines.end(), "clip 199 13 441 180");
    if (begin == lines.end()) return {};
    return std::vector<std::string>(begin + 1, std::find(begin, lines.end(), "clip none"));
}

/// Sets the function by its radio button and the angle by the thumb.
void show(CAngfunc &window, int radio, int angle)
{
    window.pressButton(radio);
    window.scrollTo(112, angle);
}

TEST(Angfunc, OpensOnTheSineAtZeroDegrees)
{
    CAngfunc window;
    window.initialize();
    EXPECT_EQ(window.angle(), 0);
    EXPECT_EQ(window.function(), CAngfunc::kSine);
    EXPECT_EQ(window.scrollPos(112), 0);
    EXPECT_EQ(window.checkState(109), 1);
    const auto lines = window.recordPaint();
    EXPECT_TRUE(linesStartingWith(lines, "arc").empty());
    EXPECT_TRUE(hasLine(lines, "ellipse 32 32 160 160"));
    EXPECT_TRUE(hasLine(lines, "fill 200 16 440 176 #ffff00"));
    EXPECT_TRUE(hasSequence(lines, {"move 200 16", "line 200 176", "text 196 0 \"y\"", "move 32 96",
                                    "line 440 96", "text 448 88 \"x\""}));
    EXPECT_TRUE(hasLine(lines, "text 84 98 \"O\""));
    EXPECT_TRUE(hasLine(lines, "text 160 98 \"H\""));
    EXPECT_TRUE(hasLine(lines, "text 160 80 \"A\""));
    EXPECT_TRUE(hasLine(lines, "text 96 96 \"0°\""));
    // Grid labels: 1.0 at the top, -1.0 at the bottom, 90 degrees a quarter across.
    EXPECT_TRUE(hasLine(lines, "text 178 24 \" 1.0\""));
    EXPECT_TRUE(hasLine(lines, "text 178 152 \"-1.0\""));
    EXPECT_TRUE(hasLine(lines, "text 184 96 \"O\""));
    EXPECT_TRUE(hasLine(lines, "text 252 96 \" 90\""));
    EXPECT_TRUE(hasLine(lines, "text 10 176 \"sin0ﾟ=\""));
}

TEST(Angfunc, StepsByFifteenWithinZeroToThreeSixty)
{
    struct Row
    {
        int from;
        ScrollAction action;
        int pos;
        int expected;
    };
    const Row rows[] = {
        {0, ScrollAction::LineRight, 0, 15},         {0, ScrollAction::LineLeft, 0, 0},
        {5, ScrollAction::LineLeft, 0, 0},           {30, ScrollAction::Left, 0, 15},
        {355, ScrollAction::LineRight, 0, 360},      {360, ScrollAction::LineRight, 0, 360},
        {360, ScrollAction::Right, 0, 360},          {345, ScrollAction::Right, 0, 360},
        {90, ScrollAction::PageLeft, 0, 90},         {90, ScrollAction::PageRight, 0, 90},
        {90, ScrollAction::EndScroll, 0, 90},        {90, ScrollAction::ThumbTrack, 271, 271},
        {90, ScrollAction::ThumbPosition, 400, 360}, {90, ScrollAction::ThumbPosition, -20, 0},
    };
    for (const Row &row : rows) {
        CAngfunc window;
        window.initialize();
        window.scrollTo(112, row.from);
        window.sendScroll(112, row.action, row.pos);
        EXPECT_EQ(window.angle(), row.expected) << row.from << " " << static_cast<int>(row.action);
        EXPECT_EQ(window.scrollPos(112), row.expected);
    }
}

TEST(Angfunc, DrawsTheConstructionOnTheCircle)
{
    struct Row
    {
        int radio;
        int angle;
        std::vector<std::vector<std::string>> sequences;
    };
    const Row rows[] = {
        // Above 180 degrees "O" and "A" change sides.
        {109,
         200,
         {{"text 84 80 \"O\""},
          {"arc 80 80 112 112 112 96 81 101", "text 36 80 \"H\"", "text 36 119 \"A\"",
           "move 36 117", "line 36 96", "move 96 96", "line 36 117", "move 36 117",
           "line 333 117"}}},
        {109, 100, {{"text 84 98 \"O\""}, {"text 85 98 \"H\"", "text 85 17 \"A\""}}},
        // The cosine is read from the upward vertical.
        {110,
         240,
         {{"arc 80 80 112 112 96 80 109 104", "text 96 128 \"H\"", "move 96 96", "line 96 128",
           "line 151 128", "text 151 130 \"A\""},
          {"pen solid 2 #0000ff", "move 96 96", "line 151 128"}}},
        // The tangent meets x = 10u; at 90 and 270 the ray ends at twice the radius.
        {111,
         135,
         {{"text 160 160 \"A\"", "text 160 96 \"H\"", "move 51 51", "line 160 160", "move 160 160",
           "line 290 160"}}},
        {111, 90, {{"text 160 -32 \"A\"", "text 160 96 \"H\"", "move 96 96", "line 96 -32"}}},
        {111, 270, {{"text 160 224 \"A\"", "text 160 96 \"H\"", "move 96 96", "line 96 224"}}},
        {111, 30, {{"move 96 96", "line 160 60"}}},
    };
    for (const Row &row : rows) {
        CAngfunc window;
        window.initialize();
        show(window, row.radio, row.angle);
        const auto lines = window.recordPaint();
        for (const auto &sequence : row.sequences)
            EXPECT_TRUE(hasSequence(lines, sequence))
                << row.radio << " " << row.angle << ": " << sequence.front();
    }
}

TEST(Angfunc, DrawsNoArcAtZeroOrThreeSixtyDegrees)
{
    for (int radio : {109, 110, 111}) {
        for (int angle : {0, 360}) {
            CAngfunc window;
            window.initialize();
            show(window, radio, angle);
            EXPECT_TRUE(linesStartingWith(window.recordPaint(), "arc").empty())
                << radio << " " << angle;
        }
    }
}

TEST(Angfunc, GraphsStayInTheirBandAndTheTangentBreaksAtItsAsymptotes)
{
    struct Row
    {
        int radio;
        std::vector<std::string> points; // "move" lines of known columns
        std::size_t segments;
    };
    const Row rows[] = {
        {109, {"move 260 32", "move 320 96", "move 380 160", "move 201 95"}, 239},
        {110, {"move 260 96", "move 320 160", "move 380 96", "move 201 33"}, 239},
        {111, {"move 230 33", "move 320 96", "move 410 160"}, 0},
    };
    for (const Row &row : rows) {
        CAngfunc window;
        window.initialize();
        window.pressButton(row.radio);
        const auto lines = window.recordPaint();
        EXPECT_TRUE(hasSequence(lines, {"pen solid 2 #ff0000", "clip 199 13 441 180"}));
        const auto graph = graphLines(lines);
        ASSERT_FALSE(graph.empty());
        for (const std::string &point : row.points)
            EXPECT_TRUE(hasLine(graph, point)) << point;
        std::size_t moves = 0;
        for (std::size_t i = 0; i + 1 < graph.size(); i += 2) {
            int x = 0, y = 0, px = 0, py = 0;
            std::string word;
            std::istringstream(graph[i]) >> word >> x >> y;
            std::istringstream(graph[i + 1]) >> word >> px >> py;
            ++moves;
            EXPECT_EQ(px, x - 1);
            EXPECT_GT(y, 12);
            EXPECT_LT(y, 180);
            // Neither end of a segment lies on a column without a tangent.
            if (row.radio == 111) {
                EXPECT_TRUE(x != 260 && x != 261 && x != 380 && x != 381) << graph[i];
                EXPECT_GT(py, -100000);
                EXPECT_LT(py, 100000);
            }
        }
        if (row.segments) {
            EXPECT_EQ(moves, row.segments);
        }
    }
}

TEST(Angfunc, TangentRowsNeverWrapIntoTheBand)
{
    CAngfunc window;
    window.initialize();
    window.pressButton(111);
    EXPECT_FALSE(window.graphRow(60).has_value());
    EXPECT_FALSE(window.graphRow(180).has_value());
    EXPECT_LT(*window.graphRow(59), 12);
    EXPECT_GT(*window.graphRow(61), 180);
    EXPECT_LT(*window.graphRow(179), 12);
    EXPECT_GT(*window.graphRow(181), 180);
    EXPECT_EQ(*window.graphRow(0), 96);
    EXPECT_EQ(*window.graphRow(120), 96);
}

} // namespace
