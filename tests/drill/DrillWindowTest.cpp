#include "drill/Drill.h"
#include "resources/DialogTemplates.h"
#include "ui/SeedSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int kAnswerId = 141;

class DrillWindow : public ::testing::Test
{
protected:
    void SetUp() override { fixRandomSeed(7u); }
    void TearDown() override { fixRandomSeed(std::nullopt); }
};

bool hasRedText(const std::vector<std::string> &lines)
{
    return std::find(lines.begin(), lines.end(), "textcolor #ff0000") != lines.end();
}

TEST_F(DrillWindow, OpeningDrawsTheExerciseFromTheSeedSource)
{
    CDrill drill(DrillTopic::Logarithm, 0);
    drill.initialize();
    EXPECT_EQ(drill.params(), (DrillParams{1, 30, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 2, 3}));
    EXPECT_FALSE(drill.answerShown());
    const std::vector<std::string> lines = drill.recordPaint();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "bkmode transparent");
    // Cells of 494/56 = 8 by 278/15 = 18 pixels: the first line stands at (2 cells, 1 row).
    EXPECT_EQ(lines[1], R"~(text 16 18 "次の問いに答えよ。ただし log2=0.3010,log3=0.4771")~");
}

TEST_F(DrillWindow, SameSecondGivesTheSameExerciseAndAnotherSecondAnother)
{
    CDrill first(DrillTopic::MatrixBasics, 0);
    CDrill second(DrillTopic::MatrixBasics, 0);
    first.initialize();
    second.initialize();
    EXPECT_EQ(first.params(), second.params());

    fixRandomSeed(8u);
    CDrill later(DrillTopic::MatrixBasics, 0);
    later.initialize();
    EXPECT_NE(first.params(), later.params());
}

TEST_F(DrillWindow, AnswerAddsRedLinesAfterAnUnchangedQuestion)
{
    CDrill drill(DrillTopic::Logarithm, 0);
    drill.initialize();
    const std::vector<std::string> question = drill.recordPaint();
    EXPECT_FALSE(hasRedText(question));

    ASSERT_TRUE(drill.pressButton(kAnswerId));
    EXPECT_TRUE(drill.answerShown());
    const std::vector<std::string> answered = drill.recordPaint();
    EXPECT_TRUE(hasRedText(answered));
    ASSERT_GT(answered.size(), question.size());
    // All but the closing "bkmode" line of the question come first, unchanged.
    EXPECT_TRUE(std::equal(question.begin(), question.end() - 1, answered.begin()));
    EXPECT_EQ(answered[answered.size() - 2], "textcolor #000000");

    ASSERT_TRUE(drill.pressButton(kAnswerId));
    EXPECT_EQ(drill.recordPaint(), answered);
}

TEST_F(DrillWindow, CommandWithoutDrillDrawsNothing)
{
    // 2772 is a lesson command of the menu that opens no drill.
    CDrill drill(2772, 0);
    drill.initialize();
    EXPECT_EQ(drill.params(), DrillParams{});
    EXPECT_TRUE(drill.recordPaint().empty());
    drill.pressButton(kAnswerId);
    EXPECT_TRUE(drill.recordPaint().empty());
}

TEST_F(DrillWindow, OpenDrillHandsTopicVariantAndCircleConstantToAModalDrill)
{
    struct Opened
    {
        std::int16_t topic = 0;
        std::int16_t variant = -1;
        double circleConstant = 0.0;
        QObject *parent = nullptr;
        bool initialized = false;
    };
    Opened opened;
    auto previous = LessonWindow::setModalHook([&](LessonWindow &window) {
        auto *drill = dynamic_cast<CDrill *>(&window);
        if (drill)
            opened = Opened{drill->topic(), drill->variant(), drill->circleConstant(),
                            drill->parent(), drill->isInitialized()};
        return 0;
    });

    struct Row
    {
        std::int16_t topic;
        std::int16_t variant;
        std::int16_t shown; ///< the proportion drill draws its own variant (1 for seed 7)
    };
    const Row rows[] = {{2768, 0, 1}, {2769, 0, 0}, {2786, 1, 1}, {2788, 1, 1}};
    for (const Row &row : rows) {
        LessonWindow lesson(kTemplate101);
        openDrill(lesson, row.topic, row.variant, 3.25);
        EXPECT_EQ(opened.topic, row.topic);
        EXPECT_EQ(opened.variant, row.shown) << "topic " << row.topic;
        EXPECT_EQ(opened.circleConstant, 3.25);
        EXPECT_EQ(opened.parent, &lesson);
        EXPECT_TRUE(opened.initialized);
    }
    LessonWindow::setModalHook(std::move(previous));
}

} // namespace
