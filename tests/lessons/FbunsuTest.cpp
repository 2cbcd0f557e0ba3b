#include "lessons/functions/Fbunsu.h"
#include "drill/Drill.h"
#include "lessons/functions/Corespond.h"
#include "lessons/functions/GraphGrid.h"
#include "tests/lessons/LessonTestSupport.h"
#include "ui/MessageBox.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// Template 150 gives a 476 x 290 client: u = 13, v = 19. The grid square spans 57..247 both ways
// with the origin at (152, 152).

struct Segment
{
    int x1, y1, x2, y2;
};

/// The segments drawn in the red pen ("move" then "line" pairs up to the next pen).
std::vector<Segment> redSegments(const std::vector<std::string> &lines)
{
    std::vector<Segment> segments;
    bool red = false;
    Segment pending{};
    for (const std::string &line : lines) {
        std::istringstream in(line);
        std::string op;
        in >> op;
        if (op == "pen") red = line == "pen solid 2 #ff0000";
        if (!red) continue;
        if (op == "move") in >> pending.x1 >> pending.y1;
        if (op == "line") {
            in >> pending.x2 >> pending.y2;
            segments.push_back(pending);
        }
    }
    return segments;
}

class FbunsuTest : public ::testing::Test
{
protected:
    void SetUp() override { window.initialize(); }
    void start(std::u16string_view a, std::u16string_view b, std::u16string_view c)
    {
        window.setControlText(105, a);
        window.setControlText(106, b);
        window.setControlText(107, c);
        window.pressButton(104);
    }

    CFbunsu window;
};

TEST_F(FbunsuTest, OpensOnTheInverseProportionOverYEqualsOneOverX)
{
    EXPECT_EQ(window.controlText(105), u"2.0");
    EXPECT_EQ(window.controlText(106), u"0");
    EXPECT_EQ(window.controlText(107), u"0");
    const auto lines = window.recordPaint();
    // y = 2/x in red passes (2, 1); the previous y = 1/x in thin black passes (2, 0.5).
    EXPECT_TRUE(hasLine(lines, "move 171 143"));
    EXPECT_TRUE(hasLine(lines, "move 133 161"));
    EXPECT_TRUE(hasLine(lines, "move 171 148"));
    EXPECT_TRUE(hasSequence(lines, {"pen solid 2 #0000ff", "move 152 57", "line 152 247",
                                    "move 57 152", "line 247 152"}));
    // The short bar over "  x" and no constant.
    EXPECT_TRUE(hasSequence(
        lines, {"text 88 247 \"2.0\"", "text 57 259 \"y = ── \"", "text 83 269 \"  x\""}));
    EXPECT_EQ(linesStartingWith(lines, "bitmap "), std::vector<std::string>{"bitmap 152 152 114"});
    EXPECT_TRUE(hasSequence(lines, {"textcolor #0000ff", "text 285 152 \"漸近線\"",
                                    "text 342 152 \"x=0.0\"", "text 342 171 \"y=0.0\""}));
    EXPECT_TRUE(hasSequence(
        lines, {"icon 266 186 exclamation", "textcolor #ff00ff", "text 304 194 \"反比例\""}));
}

TEST_F(FbunsuTest, WritesTheFunctionAsAStackedFraction)
{
    struct Row
    {
        std::u16string a, b, c;
        std::vector<std::string> formula;
    };
    // Numerator at 3v + 4u - 8; denominator centred under the 64-pixel bar: 57 + 26 + 32 - w/2 - 4.
    const Row rows[] = {
        {u"-3",
         u"2",
         u"1.5",
         {"text 101 247 \"-3.0\"", "text 57 259 \"y = ──── +1.5\"", "text 91 269 \"x-2.0\""}},
        {u"1",
         u"-3",
         u"-1.5",
         {"text 101 247 \"1.0\"", "text 57 259 \"y = ──── -1.5\"", "text 91 269 \"x+3.0\""}},
        {u".5", u"0", u"4", {"text 88 247 \"0.5\"", "text 57 259 \"y = ── +4.0\""}},
    };
    for (const Row &row : rows) {
        CFbunsu fresh;
        fresh.initialize();
        fresh.setControlText(105, row.a);
        fresh.setControlText(106, row.b);
        fresh.setControlText(107, row.c);
        fresh.pressButton(104);
        const auto lines = fresh.recordPaint();
        EXPECT_TRUE(hasSequence(lines, row.formula)) << row.formula[1];
        // Not the inverse proportion: no note.
        EXPECT_TRUE(linesStartingWith(lines, "icon ").empty());
        EXPECT_FALSE(hasLine(lines, "text 304 194 \"反比例\""));
    }
}

TEST_F(FbunsuTest, GridStepFollowsTheLargerOfBAndCPlusTwo)
{
    struct Row
    {
        std::u16string b, c;
        int step;
    };
    const Row rows[] = {{u"7", u"0", 2},       {u"8", u"0", 20},      {u"12", u"0", 20},
                        {u"0", u"-97.9", 20},  {u"0", u"98", 200},    {u"998", u"0", 200},
                        {u"1000", u"0", 2000}, {u"-5000", u"1", 2000}};
    for (const Row &row : rows) {
        start(u"2", row.b, row.c);
        EXPECT_EQ(window.gridStep(), row.step) << std::string(row.b.begin(), row.b.end());
        // The rightmost column label reads 4 steps, at (x - 8, 8v).
        EXPECT_TRUE(hasLine(window.recordPaint(),
                            "text 220 152 \" " + std::to_string(4 * row.step) + "\""));
    }
}

TEST_F(FbunsuTest, TheBranchesAreNotJoinedAcrossTheAsymptote)
{
    // The column of x = b is 152 + 19 b / 2; b = 0.5 falls between two columns.
    for (const auto &[b, pole] : {std::pair{u"0", 152.0}, {u"0.5", 156.75}, {u"-3", 123.5}}) {
        start(u"5", b, u"-1");
        const auto lines = window.recordPaint();
        const std::vector<Segment> segments = redSegments(lines);
        ASSERT_GT(segments.size(), 150u);
        for (const Segment &s : segments) {
            EXPECT_EQ(s.x2 - s.x1, -1);
            EXPECT_TRUE(s.y1 > 53 && s.y1 < 251 && s.y2 > 53 && s.y2 < 251);
            EXPECT_FALSE(s.x2 < pole && s.x1 > pole) << s.x1;
        }
    }
}

TEST_F(FbunsuTest, TheMarkAndTheTableFollowTheColumnAtXEqualsB)
{
    // b = 2 with w = 2: column 171 is x = 2 exactly. The mark sits where the asymptotes cross.
    start(u"2", u"2", u"1");
    auto lines = window.recordPaint();
    EXPECT_EQ(linesStartingWith(lines, "bitmap "), std::vector<std::string>{"bitmap 171 143 114"});
    window.pressButton(1010);
    CCorespond &table = window.table().window();
    EXPECT_FALSE(window.table().points().m_tableDefined[5]);
    EXPECT_TRUE(hasLine(table.recordPaint(), "text 444 42 \"－  \""));
    // b = 3 hits no column: no mark, though the previous hyperbola still has its pole column.
    start(u"2", u"3", u"1");
    lines = window.recordPaint();
    EXPECT_TRUE(linesStartingWith(lines, "bitmap ").empty());
    window.pressButton(1010);
    const CorrespondencePoints &points = window.table().points();
    for (int j = 0; j < 9; ++j)
        EXPECT_TRUE(points.m_tableDefined[j]) << j;
    EXPECT_FLOAT_EQ(points.m_tableY[5], -1.0f); // 2 / (2 - 3) + 1
    EXPECT_FALSE(hasLine(table.recordPaint(), "text 444 42 \"－  \""));
}

TEST_F(FbunsuTest, RejectedFieldsGetTheFocusBackWithoutAMessage)
{
    struct Row
    {
        std::u16string a, b, c;
        int focus;             // the field that gets the focus back; 0: accepted
        std::string asymptote; // the x=, y= texts of the next paint
    };
    const Row rows[] = {
        {u"0", u"5", u"5", 105, "x=0.0 y=0.0"},
        {u"", u"5", u"5", 105, "x=0.0 y=0.0"},
        {u"-", u"5", u"5", 105, "x=0.0 y=0.0"},
        {u"1e5", u"5", u"5", 105, "x=0.0 y=0.0"},
        {u"1/2", u"5", u"5", 105, "x=0.0 y=0.0"},
        {u"２", u"5", u"5", 105, "x=0.0 y=0.0"},
        {u"1", u"40000", u"5", 106, "x=0.0 y=0.0"},
        {u"1", u"1001", u"5", 106, "x=0.0 y=0.0"},
        {u"1", u"5", u"1001", 107, "x=5.0 y=0.0"},
        {u"1", u"-", u"", 0, "x=0.0 y=0.0"},
        {u"1", u"1000", u"-9999", 0, "x=1000.0 y=-9999.0"},
    };
    for (const Row &row : rows) {
        CFbunsu fresh;
        fresh.initialize();
        std::vector<std::u16string> messages;
        const MessageBoxHandler previous =
            setMessageBoxHandler([&messages](const MessageRequest &request) {
                messages.emplace_back(request.text);
                return static_cast<int>(IdOk);
            });
        fresh.setControlText(105, row.a);
        fresh.setControlText(106, row.b);
        fresh.setControlText(107, row.c);
        fresh.pressButton(104);
        setMessageBoxHandler(previous);
        EXPECT_TRUE(messages.empty());
        const std::string name(row.b.begin(), row.b.end());
        const int focus = fresh.focusedControl();
        EXPECT_EQ(focus >= 105 && focus <= 107 ? focus : 0, row.focus) << name;
        const auto lines = fresh.recordPaint();
        const std::size_t blank = row.asymptote.find(' ');
        EXPECT_TRUE(hasLine(lines, "text 342 152 \"" + row.asymptote.substr(0, blank) + "\""))
            << row.asymptote;
        EXPECT_TRUE(hasLine(lines, "text 342 171 \"" + row.asymptote.substr(blank + 1) + "\""))
            << row.asymptote;
    }
}

TEST(FbunsuDrill, OpensTheDrillOnTopic2782VariantZero)
{
    int topic = 0;
    int variant = -1;
    const LessonWindow::ModalHook previous = LessonWindow::setModalHook([&](LessonWindow &opened) {
        if (auto *drill = dynamic_cast<CDrill *>(&opened)) {
            topic = drill->topic();
            variant = drill->variant();
        }
        return 0;
    });
    CFbunsu window;
    window.initialize();
    window.pressButton(133);
    LessonWindow::setModalHook(previous);
    EXPECT_EQ(topic, 2782);
    EXPECT_EQ(variant, 0);
}

TEST(PixelFromDouble, TruncatesTowardZeroAndSaturatesFarOutside)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, int> rows[] = {
        {2.9, 2}, {-2.9, -2}, {1e300, 100000000}, {-inf, -100000000}, {std::nan(""), 0},
    };
    for (const auto &[value, expected] : rows)
        EXPECT_EQ(PixelFromDouble(value), expected) << value;
    // A curve value next to the pole (a / (x - b) with x - b tiny) lands far outside, defined.
    EXPECT_EQ(GraphGrid(19, 2).row(2.0 / 1e-300), 152 - 100000000);
}

} // namespace
