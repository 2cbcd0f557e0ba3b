#include "lessons/functions/Twofunc.h"
#include "drill/Drill.h"
#include "tests/lessons/LessonTestSupport.h"
#include "ui/MessageBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Template 103 gives a 512 x 336 client: u = 14, v = 22; the grid spans 66..286 with its origin
// at (176, 176); the completed square stands at (88, 292), the vertex line at (88, 312).

/// Types the fields that are given and presses "開始".
void startWith(CTwofunc &window, std::u16string_view a, std::u16string_view b,
               std::u16string_view c = u"")
{
    window.setControlText(105, a);
    window.setControlText(106, b);
    window.setControlText(107, c);
    window.pressButton(104);
}

/// The lines drawn while the n-th parabola (0: current, 1: previous) was being drawn.
std::vector<std::string> parabolaLines(const std::vector<std::string> &lines, int n)
{
    auto begin = lines.begin();
    for (int i = 0; i <= n; ++i)
        begin = std::find(i == 0 ? begin : begin + 1, lines.end(), "clip 65 62 287 291");
    return std::vector<std::string>(begin, std::find(begin, lines.end(), "clip none"));
}

/// Collects the texts of message boxes while it lives.
struct MessageRecorder
{
    MessageRecorder()
    {
        setMessageBoxHandler([this](const MessageRequest &request) {
            texts.emplace_back(request.text);
            return static_cast<int>(IdOk);
        });
    }
    ~MessageRecorder()
    {
        setMessageBoxHandler([](const MessageRequest &) { return static_cast<int>(IdOk); });
    }
    std::vector<std::u16string> texts;
};

TEST(TwofuncQuadratic, OpensOnYEqualsXSquaredMinusFourX)
{
    CTwofunc window;
    window.initialize();
    EXPECT_EQ(window.controlText(105), u"1");
    EXPECT_EQ(window.controlText(106), u"-4");
    const auto lines = window.recordPaint();
    EXPECT_TRUE(hasLine(lines, "text 88 292 \"y = (x-2)\""));
    EXPECT_TRUE(hasLine(lines, "text 168 292 \"-4\""));
    EXPECT_TRUE(hasLine(lines, "text 88 312 \"頂点 (2, -4)  軸 x=2\""));
    EXPECT_TRUE(hasLine(lines, "text 256 176 \" 8\"")); // grid step 2
    EXPECT_TRUE(hasSequence(lines, {"pen solid 2 #0000ff", "move 198 66", "line 198 286"}));
    // The previous parabola is y = 0; the mark's tip sits on the vertex (2, -4).
    EXPECT_TRUE(hasSequence(parabolaLines(lines, 1), {"move 176 176", "line 175 176"}));
    EXPECT_EQ(linesStartingWith(lines, "bitmap "), std::vector<std::string>{"bitmap 198 220 114"});
}

TEST(TwofuncQuadratic, WritesTheCompletedSquareInFractionsOrDecimals)
{
    struct Row
    {
        std::u16string a, b, c;
        std::string base, constant, vertexLine; // base: the first text the formula draws
    };
    const Row rows[] = {
        {u"2", u"3", u"1", "y =  2(x+3/4)", "text 200 292 \"-1/8\"",
         "頂点 (-3/4, -1/8)  軸 x=-3/4"},
        {u"1", u"-4", u"", "y = (x-2)", "text 168 292 \"-4\"", "頂点 ( 2, -4)  軸 x= 2"},
        {u"1/2", u"1", u"", "y = ( 1/2)(x+1)", "text 216 292 \"-1/2\"", "頂点 (-1, -1/2)  軸 x=-1"},
        {u"-1", u"2", u"", "y = -", "text 176 292 \"+1\"", "頂点 ( 1,  1)  軸 x= 1"},
        {u"-1", u"0", u"1", "y = -", "text 144 292 \"+1\"", "頂点 (0,  1)  軸 x=0"},
        {u"0.5", u"-3", u"2.5", "y = 0.50(x-3.00)", "text 224 292 \"-2.00\"",
         "頂点 (3.00, -2.00)  軸 x=3.00"},
        // b^2 = 40000 no longer fits 16 bits, the results do.
        {u"1", u"200", u"0", "y = (x+100)", "text 184 292 \"-10000\"",
         "頂点 (-100, -10000)  軸 x=-100"},
        // p = 50000 does not fit a 16-bit fraction: the texts turn decimal.
        {u"1/100", u"1000", u"", "y = 0.01(x+50000.00)", "text 256 292 \"-25000000.00\"",
         "頂点 (-50000.00, -25000000.00)  軸 x=-50000.00"},
    };
    for (const Row &row : rows) {
        CTwofunc window;
        window.initialize();
        startWith(window, row.a, row.b, row.c);
        const auto lines = window.recordPaint();
        EXPECT_TRUE(hasLine(lines, "text 88 292 \"" + row.base + "\"")) << row.base;
        EXPECT_TRUE(hasLine(lines, row.constant)) << row.base;
        EXPECT_TRUE(hasLine(lines, "text 88 312 \"" + row.vertexLine + "\"")) << row.base;
    }
}

TEST(TwofuncQuadratic, TheGridStepFollowsTheVertexAndTheMarkStaysInTheDrawnRange)
{
    struct Row
    {
        std::u16string b, c;
        std::string rightLabel;
        std::vector<std::string> mark;
    };
    const Row rows[] = {
        {u"0", u"9", " 8", {"bitmap 176 77 114"}},
        {u"0", u"10", " 80", {"bitmap 176 165 114"}},
        {u"-20", u"", " 800", {"bitmap 177 186 114"}},
        // Vertex (-100, -10000) with step 2000: no curve point lies within one unit of it.
        {u"200", u"", " 8000", {}},
    };
    for (const Row &row : rows) {
        CTwofunc window;
        window.initialize();
        startWith(window, u"1", row.b, row.c);
        const auto lines = window.recordPaint();
        EXPECT_TRUE(hasLine(lines, "text 256 176 \"" + row.rightLabel + "\"")) << row.rightLabel;
        EXPECT_EQ(linesStartingWith(lines, "bitmap "), row.mark) << row.rightLabel;
    }
}

TEST(TwofuncQuadratic, DrawsTheParabolaBeforeTheLastStartThinAndBlack)
{
    CTwofunc window;
    window.initialize();
    startWith(window, u"1", u"0");
    startWith(window, u"2", u"0");
    const auto lines = window.recordPaint();
    // x = 2 on y = 2x^2 is row 88; on the previous y = x^2 row 132, after row 136 at x = 21/11.
    EXPECT_TRUE(hasLine(parabolaLines(lines, 0), "move 198 88"));
    EXPECT_TRUE(hasSequence(lines, {"pen solid 1 #000000", "clip 65 62 287 291"}));
    EXPECT_TRUE(hasSequence(parabolaLines(lines, 1), {"move 198 132", "line 197 136"}));
    const CorrespondencePoints &points = window.table().points();
    ASSERT_EQ(points.m_tableCount, 9);
    EXPECT_FLOAT_EQ(points.m_tableX[0], -8.0f);
    EXPECT_FLOAT_EQ(points.m_tableY[0], 128.0f);
}

TEST(TwofuncQuadratic, RejectsAFieldByReturningTheFocusAndKeepsThePreviousA)
{
    struct Row
    {
        std::u16string a, b, c;
        int focus;
    };
    const Row rows[] = {
        {u"0", u"1", u"", 105},    {u"0/5", u"1", u"", 105},   {u"x", u"1", u"", 105},
        {u"1", u"1001", u"", 106}, {u"1", u"40000", u"", 106}, {u"1", u"1.2.3", u"", 106},
        {u"1", u"2", u"1/0", 107}, {u"1", u"2", u"1001", 107}, {u"-5000", u"-1/3", u"", 0},
    };
    MessageRecorder messages;
    for (const Row &row : rows) {
        CTwofunc window;
        window.initialize();
        startWith(window, row.a, row.b, row.c);
        EXPECT_EQ(window.focusedControl(), row.focus) << std::string(row.a.begin(), row.a.end());
    }
    EXPECT_TRUE(messages.texts.empty());

    // a = 0 is never stored: the axis of y = 2x^2 + 4x stays at x = -1.
    CTwofunc window;
    window.initialize();
    startWith(window, u"2", u"4");
    startWith(window, u"0", u"8");
    EXPECT_TRUE(
        hasSequence(window.recordPaint(), {"pen solid 2 #0000ff", "move 165 66", "line 165 286"}));
}

TEST(RootRatio, ReadsIntegersAndSquareRoots)
{
    struct Row
    {
        std::u16string text;
        std::optional<RootedInteger> expected;
    };
    const Row rows[] = {
        {u"sqr(3)", RootedInteger{3, true}},
        {u"-sqr(2)", RootedInteger{-2, true}},
        {u"sqr(12", RootedInteger{12, true}},
        {u"-5", RootedInteger{-5, false}},
        {u"+7", RootedInteger{7, false}},
        {u"", RootedInteger{0, false}},
        {u"sqr()", std::nullopt},
        {u"sqr(-3)", std::nullopt},
        {u"sqrt(3)", std::nullopt},
        {u"sqr(3)4", std::nullopt},
        {u"2x", std::nullopt},
        {u"+sqr(2)", std::nullopt},
    };
    for (const Row &row : rows) {
        const auto read = ReadRootedInteger(row.text);
        ASSERT_EQ(read.has_value(), row.expected.has_value());
        if (!read) continue;
        EXPECT_EQ(read->value, row.expected->value);
        EXPECT_EQ(read->root, row.expected->root);
    }
}

TEST(RootRatio, SimplifiesAValueOverTheRootOfR)
{
    struct Row
    {
        RootedInteger value;
        std::int32_t over;
        std::optional<RootRatio> expected;
    };
    const Row rows[] = {
        {{0, false}, 5, RootRatio{0, false, 1}},
        {{1, false}, 1, RootRatio{1, false, 1}},
        {{1, true}, 1, RootRatio{1, false, 1}},
        {{4, true}, 1, RootRatio{2, false, 1}},
        {{2, false}, 5, RootRatio{20, true, 5}},
        {{-3, true}, 4, RootRatio{-3, true, 2}},
        {{512, true}, 1, RootRatio{512, true, 1}},
        {{181, false}, 1, RootRatio{181, false, 1}},
        // Ten prime factors, a radicand above 32767, an R above it: too large.
        {{1024, true}, 1, std::nullopt},
        {{182, false}, 1, std::nullopt},
        {{1, false}, 40000, std::nullopt},
    };
    for (const Row &row : rows)
        EXPECT_EQ(SimplifyRootRatio(row.value, row.over), row.expected) << row.value.value;
}

TEST(RootRatio, NamesEveryStandardAngleOfTheCompositionDrill)
{
    struct Row
    {
        RootedInteger a, b;
        std::u16string_view angle;
        RootRatio r;
    };
    const RootRatio two{2, false, 1};
    const RootRatio one{1, false, 1};
    const Row rows[] = {
        {{-3, true}, {-1, false}, u"-5π/6", two},
        {{-2, true}, {-2, true}, u"-3π/4", two},
        {{-1, false}, {-3, true}, u"-2π/3", two},
        {{0, false}, {-1, false}, u"-π/2", one},
        {{1, false}, {-3, true}, u"-π/3", two},
        {{2, true}, {-2, true}, u"-π/4", two},
        {{3, true}, {-1, false}, u"-π/6", two},
        {{1, false}, {0, false}, u"+0", one},
        {{3, true}, {1, false}, u"+π/6", two},
        {{2, true}, {2, true}, u"+π/4", two},
        {{1, false}, {3, true}, u"+π/3", two},
        {{0, false}, {1, false}, u"+π/2", one},
        {{-1, false}, {3, true}, u"+2π/3", two},
        {{-2, true}, {2, true}, u"+3π/4", two},
        {{-3, true}, {1, false}, u"+5π/6", two},
        {{2, false}, {12, true}, u"+π/3", {4, false, 1}},
        {{-3, false}, {0, false}, u"", {3, false, 1}},
    };
    for (const Row &row : rows) {
        const Composition composition = ComposeSineCosine(row.a, row.b);
        EXPECT_EQ(composition.angleText, row.angle) << row.a.value << ", " << row.b.value;
        EXPECT_EQ(composition.amplitude, row.r) << row.a.value << ", " << row.b.value;
    }
}

class TwofuncComposition : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.setModeFlag(1);
        window.initialize();
    }

    CTwofunc window;
};

TEST_F(TwofuncComposition, OpensOnSinPlusRootThreeCosWithItsOwnTexts)
{
    EXPECT_EQ(window.windowTitle().toStdU16String(), u"三角関数の合成公式");
    EXPECT_EQ(window.controlText(157), u"a,b に整数を入れて下さい。");
    EXPECT_EQ(window.controlText(106), u"sqr(3)");
    EXPECT_EQ(window.controlText(107), u"sqr(数)");
    EXPECT_FALSE(window.isControlEnabled(107));
    EXPECT_FALSE(window.isControlEnabled(1009));
    const Composition &composition = window.composition();
    EXPECT_EQ(composition.cosine, (RootRatio{1, false, 2}));
    EXPECT_EQ(composition.sine, (RootRatio{3, true, 2}));
    EXPECT_EQ(composition.amplitude, (RootRatio{2, false, 1}));
    const auto lines = window.recordPaint();
    EXPECT_TRUE(
        hasSequence(lines, {"text 42 198 \"sinθ\"", "text 86 198 \" +\"", "text 118 198 \"3\""}));
    EXPECT_TRUE(hasSequence(
        lines, {"text 28 220 \"=\"", "text 42 220 \"2\"", "text 54 220 \"sin(θ+π/3)\""}));
}

TEST_F(TwofuncComposition, WritesTheExactValuesWhenNoStandardAngleMatches)
{
    startWith(window, u"1", u"2");
    const Composition &composition = window.composition();
    EXPECT_EQ(composition.cosine, (RootRatio{5, true, 5}));
    EXPECT_EQ(composition.sine, (RootRatio{20, true, 5}));
    EXPECT_EQ(composition.amplitude, (RootRatio{5, true, 1}));
    const auto lines = window.recordPaint();
    EXPECT_TRUE(hasSequence(lines, {"text 106 198 \"2cosθ\""}));
    EXPECT_TRUE(hasLine(lines, "text 54 220 \"5\""));
    EXPECT_TRUE(hasLine(lines, "text 66 220 \"sin(θ+α)\""));
    for (const char *line : {"text 28 264 \"ただし cosα=\"", "text 134 264 \"────\"",
                             "text 148 252 \"5\"", "text 148 276 \"5\"", "text 204 264 \"sinα=\"",
                             "text 254 264 \"────\"", "text 268 252 \"20\"", "text 268 276 \"5\""})
        EXPECT_TRUE(hasLine(lines, line)) << line;
}

// The sign between the terms is " -" for b below 1 and " +" otherwise; b's own text shows only its
// magnitude. Each sign sits 4 pixels after the sine term (16-pixel font: "sinθ" is 40 wide).
TEST_F(TwofuncComposition, WritesBsSignBetweenTheTerms)
{
    struct Row
    {
        std::u16string a, b;
        std::vector<std::string> sum;
    };
    const Row rows[] = {
        {u"1", u"-2", {"text 42 198 \"sinθ\"", "text 86 198 \" -\"", "text 106 198 \"2cosθ\""}},
        {u"-3", u"0", {"text 42 198 \"-3sinθ\"", "text 102 198 \" -\"", "text 122 198 \"0cosθ\""}},
        {u"1", u"-1", {"text 42 198 \"sinθ\"", "text 86 198 \" -\"", "text 106 198 \"cosθ\""}},
        {u"1", u"2", {"text 42 198 \"sinθ\"", "text 86 198 \" +\"", "text 106 198 \"2cosθ\""}},
        {u"1", u"1", {"text 42 198 \"sinθ\"", "text 86 198 \" +\"", "text 106 198 \"cosθ\""}},
    };
    for (const Row &row : rows) {
        startWith(window, row.a, row.b);
        EXPECT_TRUE(hasSequence(window.recordPaint(), row.sum)) << row.sum[1];
    }
}

TEST_F(TwofuncComposition, RejectsFieldsAndTellsOnceWhenAValueIsTooLarge)
{
    struct Row
    {
        std::u16string a, b;
        int focus;
    };
    const Row rows[] = {
        {u"x", u"1", 105}, {u"1", u"sqr(", 106}, {u"0", u"0", 106}, {u"sqr(0)", u"", 106}};
    for (const Row &row : rows) {
        startWith(window, row.a, row.b);
        EXPECT_EQ(window.focusedControl(), row.focus);
        EXPECT_EQ(window.composition().amplitude, (RootRatio{2, false, 1})); // still 1, sqr(3)
    }

    MessageRecorder messages;
    // R = 32762: sin α does not simplify, r = sqrt(32762) does.
    startWith(window, u"1", u"181");
    window.recordPaint();
    auto lines = window.recordPaint();
    EXPECT_EQ(messages.texts, std::vector<std::u16string>{u"数が大きすぎます。"});
    EXPECT_TRUE(hasLine(lines, "text 98 220 \"sin(θ+α)\""));
    EXPECT_TRUE(linesStartingWith(lines, "text 28 264").empty());
    // R = 40000: not even r is written.
    startWith(window, u"200", u"0");
    lines = window.recordPaint();
    EXPECT_EQ(messages.texts.size(), 2u);
    EXPECT_FALSE(hasLine(lines, "text 28 220 \"=\""));
}

TEST(TwofuncDrill, OpensTheDrillOnTheTopicOfTheMode)
{
    for (const std::int16_t mode : {0, 1}) {
        int topic = 0;
        int variant = -1;
        const auto previous = LessonWindow::setModalHook([&](LessonWindow &opened) {
            if (auto *drill = dynamic_cast<CDrill *>(&opened)) {
                topic = drill->topic();
                variant = drill->variant();
            }
            return 0;
        });
        CTwofunc window;
        window.setModeFlag(mode);
        window.initialize();
        window.pressButton(133);
        LessonWindow::setModalHook(previous);
        EXPECT_EQ(topic, mode == 0 ? 2770 : 2788);
        EXPECT_EQ(variant, mode);
    }
}

} // namespace
