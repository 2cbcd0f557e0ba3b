#include "lessons/functions/Onefunc.h"
#include "lessons/functions/Corespond.h"
#include "tests/lessons/LessonTestSupport.h"
#include "ui/MessageBox.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// Template 102 gives a 494 x 344 client: v = 24; the grid spans 72..312, origin (192, 192).

/// Types a, b and c into the fields and presses "開始".
void startWith(COnefunc &window, std::u16string_view a, std::u16string_view b,
               std::u16string_view c)
{
    window.setControlText(101, a);
    window.setControlText(102, b);
    window.setControlText(103, c);
    window.pressButton(104);
}

class OnefuncTest : public ::testing::Test
{
protected:
    void SetUp() override { window.initialize(); }

    void start(std::u16string_view a, std::u16string_view b, std::u16string_view c)
    {
        startWith(window, a, b, c);
    }

    COnefunc window;
};

TEST_F(OnefuncTest, OpensOnYEqualsXOverThePreviousLineYEqualsZero)
{
    EXPECT_EQ(window.controlText(101), u"1");
    const auto lines = window.recordPaint();
    EXPECT_TRUE(hasLine(lines, "text 72 316 \"(1)y=x \""));
    EXPECT_TRUE(hasLine(lines, "text 192 316 \"(2)x=0.00\""));
    EXPECT_TRUE(
        hasSequence(lines, {"clip 72 72 312 312", "pen solid 2 #ff0000", "move 72 312",
                            "line 312 72", "pen solid 1 #000000", "move 72 192", "line 312 192",
                            "pen solid 2 #0000ff", "move 192 72", "line 192 312"}));
    EXPECT_TRUE(hasLine(lines, "text 174 88 \" 8\""));
    EXPECT_TRUE(hasLine(lines, "text 174 280 \"-8\""));
    EXPECT_TRUE(hasLine(lines, "text 88 192 \"-8\""));
    EXPECT_TRUE(hasLine(lines, "text 184 192 \" 0\""));
    EXPECT_EQ(linesStartingWith(lines, "bitmap "), std::vector<std::string>{"bitmap 192 192 114"});
}

TEST_F(OnefuncTest, WritesTheEquationsAsTypedAndAdaptsTheGridStep)
{
    struct Row
    {
        std::u16string a, b, c;
        std::string lineOne, lineTwo, stepLabel;
    };
    const Row rows[] = {
        {u"1/2", u"3", u"", "(1)y= 1/2x+ 3 ", "(2)x=0", " 8"},
        {u"2", u"-3/4", u"1/3", "(1)y= 2x-3/4 ", "(2)x= 1/3", " 8"},
        {u"1.5", u"2", u"2.7", "(1)y=1.50x+2.00 ", "(2)x=2.70", " 8"},
        {u"0", u"5", u"", "(1)y= 5", "(2)x=0", " 8"},
        {u"0.0", u"5", u"", "(1)y=5.00 ", "(2)x=0.00", " 8"},
        {u"-1", u"0", u"", "(1)y=-x ", "(2)x=0", " 8"},
        {u"-2/2", u"-1", u"-3", "(1)y=-x-1 ", "(2)x=-3", " 8"},
        {u"1", u"12", u"", "(1)y=x+ 12 ", "(2)x=0", " 80"},
        {u"1", u"", u"-99", "(1)y=x ", "(2)x=-99", " 80"},
        {u"1", u"", u"1000", "(1)y=x ", "(2)x= 1000", " 800"},
        {u"1", u"-4.5", u"-1500", "(1)y=x-4.50 ", "(2)x=-1500.00", " 8000"},
    };
    for (const Row &row : rows) {
        COnefunc fresh;
        fresh.initialize();
        startWith(fresh, row.a, row.b, row.c);
        const auto lines = fresh.recordPaint();
        EXPECT_TRUE(hasLine(lines, "text 72 316 \"" + row.lineOne + "\"")) << row.lineOne;
        EXPECT_TRUE(hasLine(lines, "text 192 316 \"" + row.lineTwo + "\"")) << row.lineTwo;
        // The label of the rightmost labelled column is 4 steps.
        EXPECT_TRUE(hasLine(lines, "text 280 192 \"" + row.stepLabel + "\"")) << row.lineOne;
    }
}

TEST_F(OnefuncTest, RejectsAFieldByReturningTheFocusWithoutAMessage)
{
    struct Row
    {
        std::u16string a, b, c;
        int focus;
    };
    const Row rows[] = {
        {u"40000", u"", u"", 101}, {u"1/0", u"", u"", 101},    {u"1001", u"", u"", 101},
        {u"1", u"abc", u"", 102},  {u"1", u"2", u"1001", 103}, {u"1", u"2", u"1.2.3", 103},
        {u"-9999", u"2", u"", 0},
    };
    std::vector<std::u16string> messages;
    setMessageBoxHandler([&messages](const MessageRequest &request) {
        messages.emplace_back(request.text);
        return static_cast<int>(IdOk);
    });
    for (const Row &row : rows) {
        COnefunc fresh;
        fresh.initialize();
        startWith(fresh, row.a, row.b, row.c);
        EXPECT_EQ(fresh.focusedControl(), row.focus) << std::string(row.a.begin(), row.a.end());
    }
    setMessageBoxHandler([](const MessageRequest &) { return static_cast<int>(IdOk); });
    EXPECT_TRUE(messages.empty());
}

TEST_F(OnefuncTest, ARejectedStartDrawsNothingNewButKeepsTheFieldsReadBeforeIt)
{
    const QImage before = window.surface().copy();
    start(u"2", u"1001", u"");
    EXPECT_EQ(window.focusedControl(), 102);
    EXPECT_EQ(window.surface(), before);
    // The next repaint shows a = 2 (read before the rejection) with b unchanged; the line drawn
    // before the start is now the previous one.
    const auto lines = window.recordPaint();
    EXPECT_TRUE(hasLine(lines, "text 72 316 \"(1)y= 2x \""));
    EXPECT_TRUE(hasSequence(lines, {"pen solid 2 #ff0000", "move 72 432", "line 312 -48",
                                    "pen solid 1 #000000", "move 72 312", "line 312 72"}));
}

TEST_F(OnefuncTest, DrawsThePreviousLineThinAndBlack)
{
    start(u"2", u"1", u"");
    start(u"-1", u"0", u"");
    EXPECT_TRUE(
        hasSequence(window.recordPaint(), {"pen solid 2 #ff0000", "move 72 72", "line 312 312",
                                           "pen solid 1 #000000", "move 72 420", "line 312 -60"}));
}

TEST_F(OnefuncTest, MarksTheInterceptAndPlacesLineTwoAtTheTruncatedC)
{
    struct Row
    {
        std::u16string b, c;
        std::string mark, lineTwo;
    };
    const Row rows[] = {
        {u"3", u"2.7", "bitmap 192 156 114", "move 216 72"},
        {u"12", u"-15", "bitmap 192 178 114", "move 174 72"},
        {u"-1000", u"", "bitmap 192 312 114", "move 192 72"},
    };
    for (const Row &row : rows) {
        start(u"1", row.b, row.c);
        const auto lines = window.recordPaint();
        EXPECT_EQ(linesStartingWith(lines, "bitmap "), std::vector<std::string>{row.mark});
        EXPECT_TRUE(hasSequence(lines, {"pen solid 2 #0000ff", row.lineTwo})) << row.mark;
    }
}

TEST_F(OnefuncTest, HandsNinePointsOfLineOneToTheTable)
{
    start(u"1/2", u"3", u"");
    window.recordPaint();
    const CorrespondencePoints &points = window.table().points();
    ASSERT_EQ(points.m_tableCount, 9);
    for (int j = 0; j < 9; ++j) {
        const float x = static_cast<float>((j - 4) * 2);
        EXPECT_FLOAT_EQ(points.m_tableX[j], x);
        EXPECT_FLOAT_EQ(points.m_tableY[j], 0.5f * x + 3.0f);
        EXPECT_TRUE(points.m_tableDefined[j]);
    }
    start(u"1", u"12", u"");
    window.recordPaint();
    EXPECT_FLOAT_EQ(points.m_tableX[0], -80.0f);
    EXPECT_FLOAT_EQ(points.m_tableY[8], 92.0f);
}

TEST_F(OnefuncTest, TheTableButtonShowsTheTableAndRefreshesItOnlyWhenPressed)
{
    start(u"1/2", u"3", u"");
    window.surface();
    CCorespond &table = window.table().window();
    EXPECT_FALSE(table.isVisible());
    window.pressButton(1005);
    ASSERT_TRUE(table.isVisible());
    EXPECT_EQ(table.count(), 9);
    auto lines = table.recordPaint();
    EXPECT_TRUE(hasLine(lines, "text 76 20 \"-8.00\""));
    EXPECT_TRUE(hasLine(lines, "text 76 42 \"-1.00\""));
    EXPECT_TRUE(hasLine(lines, "text 652 42 \" 7.00\""));

    // A new start does not reach the open table until the button is pressed again; then it is
    // refreshed in place, keeping its scroll position.
    table.sendScroll(CCorespond::kScrollBarId, ScrollAction::LineRight);
    start(u"1", u"0", u"");
    window.surface();
    EXPECT_TRUE(hasLine(table.recordPaint(), "text 76 42 \" 2.00\"")); // pair 3 of 1/2 x + 3
    window.pressButton(1005);
    EXPECT_EQ(table.scrollPosition(), 1);
    EXPECT_TRUE(hasLine(table.recordPaint(), "text 76 42 \"-2.00\""));

    // Closed by the user, the table opens again from its first column.
    table.hide();
    window.pressButton(1005);
    EXPECT_TRUE(table.isVisible());
    EXPECT_EQ(table.scrollPosition(), 0);
}

TEST_F(OnefuncTest, TheAdvancedButtonExplainsParallelAndPerpendicularLines)
{
    std::u16string shown;
    setMessageBoxHandler([&shown](const MessageRequest &request) {
        shown = request.text;
        return static_cast<int>(IdOk);
    });
    window.pressButton(130);
    setMessageBoxHandler([](const MessageRequest &) { return static_cast<int>(IdOk); });
    EXPECT_EQ(shown,
              u"２直線の傾きがm,nのとき、２直線は\n m=nのとき平行、\n m*n=-1のとき直交する。");
}

} // namespace
