#include "lessons/functions/Corespond.h"
#include "tests/lessons/LessonTestSupport.h"

#include <gtest/gtest.h>

namespace {

CorrespondencePoints columnPoints(int step)
{
    CorrespondencePoints points;
    points.fillColumns(step, [](double x) { return std::optional<double>(x * x); });
    return points;
}

class CorespondTest : public ::testing::Test
{
protected:
    void SetUp() override { table.initialize(); }

    CCorespond table;
};

TEST_F(CorespondTest, ShowsNinePairsFromTheFirstAndSixWhenScrolledRight)
{
    table.SetData(columnPoints(2));
    auto lines = table.recordPaint();
    // The frame runs to 72 * 9 + 46 = 694, past the 640-pixel window.
    EXPECT_TRUE(hasSequence(lines, {"move 20 18", "line 694 18", "move 20 40", "line 694 40"}));
    EXPECT_TRUE(hasLine(lines, "text 30 20 \"X\""));
    EXPECT_TRUE(hasLine(lines, "text 30 42 \"Y\""));
    EXPECT_TRUE(hasSequence(lines, {"move 118 18", "line 118 62", "text 76 20 \"-8.00\""}));
    EXPECT_TRUE(hasLine(lines, "text 76 42 \"64.00\""));
    EXPECT_TRUE(hasLine(lines, "text 652 20 \" 8.00\""));
    EXPECT_EQ(linesStartingWith(lines, "text ").size(), 2u + 18u + 1u);
    EXPECT_TRUE(
        hasSequence(lines, {"font 14 800 128 \"ＭＳ　ゴシック\"",
                            "text 30 64 \"Ｙの値は「数と式」の「式の値」を参照してください。\""}));

    table.sendScroll(CCorespond::kScrollBarId, ScrollAction::LineRight);
    EXPECT_EQ(table.scrollPos(CCorespond::kScrollBarId), 1);
    lines = table.recordPaint();
    EXPECT_TRUE(hasSequence(lines, {"move 20 18", "line 478 18"}));
    EXPECT_TRUE(hasLine(lines, "text 76 20 \"-2.00\"")); // the first three pairs are skipped
    EXPECT_EQ(linesStartingWith(lines, "text ").size(), 2u + 12u + 1u);
}

TEST_F(CorespondTest, ScrollRequestsStayWithinTheTwoPositions)
{
    struct Row
    {
        ScrollAction action;
        int thumb;
        int position;
    };
    const Row rows[] = {
        {ScrollAction::LineLeft, 0, 0},       {ScrollAction::PageRight, 0, 1},
        {ScrollAction::Right, 0, 1},          {ScrollAction::EndScroll, 0, 1},
        {ScrollAction::PageLeft, 0, 0},       {ScrollAction::ThumbTrack, 1, 1},
        {ScrollAction::Left, 0, 0},           {ScrollAction::ThumbPosition, 5, 1},
        {ScrollAction::ThumbPosition, -3, 0}, {ScrollAction::LineRight, 0, 1},
    };
    for (const Row &row : rows) {
        table.sendScroll(CCorespond::kScrollBarId, row.action, row.thumb);
        EXPECT_EQ(table.scrollPosition(), row.position);
        EXPECT_EQ(table.scrollPos(CCorespond::kScrollBarId), row.position);
    }
}

TEST_F(CorespondTest, LimitsTheCountToTen)
{
    CorrespondencePoints points = columnPoints(2);
    points.m_tableCount = 12;
    table.SetData(points);
    EXPECT_EQ(table.count(), 10);
    points.m_tableCount = -1;
    table.SetData(points);
    EXPECT_EQ(table.count(), 0);
    EXPECT_TRUE(hasSequence(table.recordPaint(), {"move 20 18", "line 46 18"}));
}

TEST_F(CorespondTest, MarksUndefinedPairsByTheirFlagAndShowsRealValuesAsTheyAre)
{
    // Undefined at x = 2; at x = 8 the real value -98.75 must stay a number.
    CorrespondencePoints points;
    points.fillColumns(2, [](double x) -> std::optional<double> {
        if (x == 2) return std::nullopt;
        if (x == 8) return -98.75;
        return x;
    });
    table.SetData(points);
    const auto lines = table.recordPaint();
    EXPECT_TRUE(hasLine(lines, "text 444 42 \"－  \"")); // pair 5 (x = 2), ends at 72*5+116
    EXPECT_TRUE(hasLine(lines, "text 644 42 \"-98.75\""));
    EXPECT_FALSE(hasLine(lines, "text 660 42 \"－  \""));
}

} // namespace
