#include "lessons/functions/Prepare.h"
#include "tests/lessons/LessonTestSupport.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

// Template 101 gives a 492 x 390 client: u = 13, v = 22; the grid spans 66..286 both ways.
constexpr int kLow = 66;
constexpr int kHigh = 286;

Point pixelOf(double x, double y)
{
    return Point{kLow + static_cast<int>(x * 22), kHigh - static_cast<int>(y * 22)};
}

class PrepareTest : public ::testing::Test
{
protected:
    void SetUp() override { window.initialize(); }

    std::vector<std::string> tableTexts()
    {
        return linesStartingWith(surfaceLines(window.recordPaint(), 1002), "text ");
    }

    CPrepare window;
};

TEST_F(PrepareTest, AClickDrawsGuideLinesAndTheLegendPair)
{
    window.clickAt(Point{110, 154}); // value (2, 6)
    const auto lines = window.recordPaint();
    EXPECT_TRUE(hasSequence(lines, {"pen solid 2 #ff0000", "textcolor #ff0000", "move 110 154",
                                    "line 110 286", "text 102 299 \"2.0\"", "move 66 154",
                                    "line 110 154", "text 27 146 \"6.0\""}));
    EXPECT_TRUE(hasLine(lines, "text 308 132 \"( 2.0, 6.0)\""));
    EXPECT_EQ(tableTexts(), (std::vector<std::string>{"text 4 6 \"横軸\"", "text 4 35 \"縦軸\"",
                                                      "text 51 6 \"2.0\"", "text 51 35 \"6.0\""}));
}

TEST_F(PrepareTest, AcceptsClicksOnlyWithinOnePixelOfTheGrid)
{
    struct Row
    {
        Point click;
        bool accepted;
        const char *legend;
    };
    const Row rows[] = {
        {{65, 65}, true, "( 0.0, 10.0)"},  {{287, 287}, true, "( 10.0, 0.0)"},
        {{64, 100}, false, nullptr},       {{100, 288}, false, nullptr},
        {{288, 100}, false, nullptr},      {{100, 64}, false, nullptr},
        {{176, 176}, true, "( 5.0, 5.0)"},
    };
    for (const Row &row : rows) {
        CPrepare fresh;
        fresh.initialize();
        fresh.clickAt(row.click);
        const auto legend = linesStartingWith(fresh.recordPaint(), "text 308 132 ");
        if (row.accepted) {
            ASSERT_EQ(legend.size(), 1u) << row.click.x << "," << row.click.y;
            EXPECT_EQ(legend[0], std::string("text 308 132 \"") + row.legend + "\"");
        } else {
            EXPECT_TRUE(legend.empty()) << row.click.x << "," << row.click.y;
        }
    }
}

TEST_F(PrepareTest, KeepsTenPointsAndTabulatesTheSixOldestInClickOrder)
{
    for (int i = 0; i < 11; ++i)
        window.clickAt(pixelOf(i % 10, i));
    const auto lines = window.recordPaint();
    // The newest point starts the polyline; the nine older ones get circles.
    EXPECT_EQ(linesStartingWith(lines, "ellipse ").size(), 9u);
    const Point newest = pixelOf(0, 10);
    EXPECT_TRUE(hasSequence(lines, {"pen solid 2 #000000", "move " + std::to_string(newest.x) +
                                                               ' ' + std::to_string(newest.y)}));
    // The first click (0, 0) has been dropped: the table starts with the second one, (1, 1).
    const auto texts = tableTexts();
    ASSERT_EQ(texts.size(), 2u + 12u);
    EXPECT_EQ(texts[2], "text 51 6 \"1.0\"");
    EXPECT_EQ(texts[3], "text 51 35 \"1.0\"");
    EXPECT_EQ(texts[12], "text 286 6 \"6.0\"");
    EXPECT_EQ(texts[13], "text 286 35 \"6.0\"");
}

TEST_F(PrepareTest, UndoStepsBackToThePreviousPointAndThenToNothing)
{
    window.clickAt(pixelOf(1, 2));
    window.clickAt(pixelOf(3, 4));
    window.pressButton(1001);
    auto lines = window.recordPaint();
    EXPECT_TRUE(hasLine(lines, "text 308 132 \"( 1.0, 2.0)\""));
    EXPECT_TRUE(linesStartingWith(lines, "ellipse ").empty());
    window.pressButton(1001);
    lines = window.recordPaint();
    EXPECT_TRUE(linesStartingWith(lines, "text 308 132 ").empty());
    EXPECT_FALSE(hasLine(lines, "pen solid 2 #ff0000"));
    EXPECT_EQ(tableTexts().size(), 2u);
    window.pressButton(1001); // nothing left to undo
    EXPECT_EQ(tableTexts().size(), 2u);
    window.clickAt(pixelOf(5, 5));
    EXPECT_TRUE(hasLine(window.recordPaint(), "text 308 132 \"( 5.0, 5.0)\""));
}

TEST_F(PrepareTest, ToggleButtonsSwitchTheOverlaysIndependently)
{
    const std::vector<std::string> direct = {"pen solid 2 #0000ff", "move 66 286", "line 286 110"};
    const std::vector<std::string> inverse = {
        "pen solid 2 #00ff0f", "move 88 66",   "line 99 140",  "line 110 176",
        "line 132 213",        "line 154 231", "line 176 242", "line 198 250",
        "line 220 255",        "line 242 259", "line 264 262", "line 286 264"};
    window.pressButton(1003);
    EXPECT_EQ(window.checkState(1003), 1);
    EXPECT_TRUE(hasSequence(window.recordPaint(), direct));
    window.pressButton(1004);
    auto lines = window.recordPaint();
    EXPECT_TRUE(hasSequence(lines, direct));
    EXPECT_TRUE(hasSequence(lines, inverse));
    window.pressButton(1003);
    EXPECT_EQ(window.checkState(1003), 0);
    lines = window.recordPaint();
    EXPECT_FALSE(hasSequence(lines, direct));
    EXPECT_TRUE(hasSequence(lines, inverse));
}

TEST_F(PrepareTest, ThePointTableIsClearedOnEveryPaint)
{
    window.clickAt(pixelOf(8, 8));
    window.surface();
    window.pressButton(1001);
    window.surface();
    const QImage table =
        window.control(1002)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Inside the first value column, between its lines, nothing but white remains.
    const int column = table.width() / 7;
    for (int y = 2; y < table.height() - 2; ++y) {
        for (int x = column + 2; x < 2 * column - 2; ++x) {
            if (y == table.height() / 2) continue;
            ASSERT_EQ(table.pixel(x, y) & 0xFFFFFF, 0xFFFFFFu) << x << "," << y;
        }
    }
}

} // namespace
