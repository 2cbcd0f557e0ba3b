#include "drill/DrillGenerators.h"
#include "drill/DrillParameters.h"
#include "drill/DrillRandom.h"
#include "drill/DrillTerms.h"
#include "ui/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

struct Drawn
{
    std::int16_t variant = 0;
    DrillParams params{};
    Lines lines;
};

/// The exercise of `topic` for `seed` as the drill window draws it, opened from a lesson in mode
/// 0, on the window's cells of 8 x 18 pixels.
Drawn drawTopic(std::int16_t topic, unsigned seed, bool showAnswer)
{
    Drawn drawn;
    DrillRandom random(seed);
    drawDrillParameters(topic, drawn.variant, drawn.params, random);
    LessonMetrics metrics;
    metrics.m_unitX = 8;
    metrics.m_unitY = 18;
    RecordingCanvas canvas({494, 278});
    DrillPage page{canvas, metrics, drawn.params, drawn.variant, showAnswer};
    findDrillGenerator(topic)(page);
    drawn.lines = canvas.lines();
    return drawn;
}

bool contains(const Lines &lines, const std::string &line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(DrillTerms, FractionsAreReducedAndAZeroDenominatorIsWrittenAsZero)
{
    struct Row
    {
        int num, den;
        std::u16string text;
    };
    // The reduction itself is FormatReducedFraction's; here what the drill adds: a zero
    // denominator, and int arguments at their limits.
    constexpr int kMin = std::numeric_limits<int>::min();
    const Row rows[] = {
        {5, 0, u"0"}, {0, 0, u"0"}, {0, -8, u"0"}, {2, -4, u"-1/2"}, {kMin, -1, u"2147483648"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(reducedFractionText(row.num, row.den), row.text) << row.num << "/" << row.den;
}

/// The recording of an answered exercise kept in tests/drill/exercises/, checked by hand against
/// the layout (cells of 8 x 18 pixels) and against its picture.
Lines recordedExercise(const std::string &name)
{
    std::ifstream file(std::string(TESSARYN_DRILL_EXERCISES) + "/" + name + ".ops");
    Lines lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

TEST(FunctionDrills, EachTopicDrawsItsQuestionThenTheAnswerInRed)
{
    for (const std::int16_t topic : {2768, 2769, 2770, 2777, 2780, 2782, 2800}) {
        const Lines answered = recordedExercise(std::to_string(topic) + "-7");
        const auto red = std::find(answered.begin(), answered.end(), "textcolor #ff0000");
        ASSERT_NE(red, answered.end()) << topic;
        EXPECT_EQ(answered.back(), "textcolor #000000") << topic;
        EXPECT_EQ(drawTopic(topic, 7, false).lines, Lines(answered.begin(), red)) << topic;
        EXPECT_EQ(drawTopic(topic, 7, true).lines, answered) << topic;
    }
}

TEST(FunctionDrills, AnswersOfTheSpecialCases)
{
    struct Row
    {
        std::int16_t topic;
        unsigned seed;
        std::string line; ///< a line of the answered exercise
    };
    const Row rows[] = {
        // b = 0: no constant, and the x intercept 0/-4 is written 0.
        {2769, 4, R"~(text 8 18 "y = -4x")~"},
        {2769, 4, R"~(text 32 144 "ｘ切片   0")~"},
        {2769, 1, R"~(text 32 144 "ｘ切片   1/2")~"}, // -2/-4, the sign moved up
        // 4ac - b² = 0: y = -2x² + 4x - 2 and y = x² - 4x + 4 have their vertex on the axis.
        {2770, 20, R"~(text 32 108 "軸    1")~"},
        {2770, 20, R"~(text 32 144 "頂点  (1,0)")~"},
        {2770, 137, R"~(text 32 144 "頂点  (2,0)")~"},
        // (x + 1)²: no x makes -(x + 1)² positive; the open bracket of (4) is plain text.
        {2777, 13, R"~(text 32 144 "(4) -(x")~"},
        {2777, 13, R"~(text 88 144 "+2x+1) > 0")~"},
        {2777, 13, R"~(text 56 162 "解なし")~"},
        // Variant 0 with D = 0 keeps the sentence the lesson has always shown.
        {2780, 6, R"~(text 48 108 "D = 0 だから")~"},
        {2780, 6, R"~(text 48 126 "（１）のグラフは接ｘ軸とする。")~"},
        {2780, 8, R"~(text 48 126 "（１）のグラフはｘ軸と交わらない。")~"},
        {2780, 0, R"~(text 48 108 "D = 25 > 0 だから")~"},
        {2780, 0, R"~(text 48 126 "（１）のグラフはｘ軸と２点で交わる。")~"},
        // Moved onto x = 0: the short bar and x alone, under a numerator one cell further left.
        {2782, 0, R"~(text 86 126 "4")~"},
        {2782, 0, R"~(text 54 138 "y = ─ -6")~"},
        {2782, 0, R"~(text 86 148 "x")~"},
    };
    for (const Row &row : rows)
        EXPECT_TRUE(contains(drawTopic(row.topic, row.seed, true).lines, row.line))
            << row.topic << " seed " << row.seed << ": " << row.line;
}

TEST(FunctionDrills, ProportionTableLeavesTwoCellsForTheAnswerToFill)
{
    // Seeds 0 to 11 draw both variants and k = 0 to 4. A cell holds the area b h / 2 for the
    // heights 0..4 (variant 0) or the height 2S / b for the bases 1..5 (variant 1): 6/4 is 1.5.
    for (unsigned seed = 0; seed < 12; ++seed) {
        const Drawn question = drawTopic(DrillTopic::Proportion, seed, false);
        const Lines answered = drawTopic(DrillTopic::Proportion, seed, true).lines;
        const Lines answer(std::find(answered.begin(), answered.end(), "textcolor #ff0000"),
                           answered.end());
        const int fixed = question.params[0];
        for (int i = 0; i < 5; ++i) {
            const double value = question.variant == 1 ? 2.0 * fixed / (i + 1) : fixed * i / 2.0;
            char cell[40];
            std::snprintf(cell, sizeof cell, "text %d 129 \"%.1f\"", 80 + 36 * i, value);
            const bool asked = i == 2 || i == 4;
            EXPECT_EQ(contains(question.lines, cell), !asked) << "seed " << seed << ": " << cell;
            EXPECT_EQ(contains(answer, cell), asked) << "seed " << seed << ": " << cell;
        }
    }
}

} // namespace
