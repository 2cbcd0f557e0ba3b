#include "drill/DrillGenerators.h"
#include "drill/DrillParameters.h"
#include "drill/DrillRandom.h"
#include "ui/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

TEST(DrillRandom, FollowsTheClassicLinearCongruentialSequence)
{
    struct Row
    {
        unsigned seed;
        std::vector<int> draws;
    };
    const Row rows[] = {
        {1, {41, 18467, 6334, 26500, 19169}},
        {1733650000, {11331, 30840, 6410, 25907, 32461}},
        {0xFFFFFFFFu, {35, 29739, 3374, 11141, 31308}},
    };
    for (const Row &row : rows) {
        DrillRandom random(row.seed);
        std::vector<int> draws;
        for (std::size_t i = 0; i < row.draws.size(); ++i)
            draws.push_back(random.next());
        EXPECT_EQ(draws, row.draws) << "seed " << row.seed;
        random.seed(row.seed);
        EXPECT_EQ(random.next(), row.draws[0]) << "reseeding restarts, seed " << row.seed;
    }
}

struct ParameterRow
{
    std::int16_t topic;
    unsigned seed;
    std::int16_t variant; ///< after the draws, the opener having passed 0
    DrillParams params;
};

// Values worked out by hand from the draw order of each topic.
const ParameterRow kParameterRows[] = {
    {2768, 7, 1, {9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 18, 18, 18, 18, 18, 1, 2, 3, 4, 5}},
    {2769, 7, 0, {-4, -3}},
    {2770, 7, 0, {-4, -3}},
    {2771, 7, 0, {7}},
    // p[3] drawn 1 is raised to p[4] = 2.
    {2775, 7, 0, {3, 3, 4, 2, 2, 2, 2, 0, 0, 0, 7, 0, 4}},
    {2776, 7, 0, {7, 7, 5}},
    // p[2] drawn 0 becomes 1.
    {2777, 7, 0, {-4, -3, 1, 0, 0, 0, 0, 0, 0, 0, 4, -1, 3}},
    {2780, 7, 1, {1, 2, 2, 0, 0, 0, 0, 0, 0, 0, 1}},
    {2782, 7, 0, {6, 3, 1, 2, -1, 0, 0, 0, 0, 0, 5}},
    {2785, 7, 0, {1, 1}},
    {2786, 7, 0, {1, 30, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 2, 3}},
    {2787, 7, 0, {1, 5, 6}},
    {2788, 7, 0, {1}},
    {2792, 7, 0, {-4, -3, 0, -5, -4, 1, -3, -1, 0, 0, -8, -2, -3, -6, 25, -1, 15, 5}},
    {2793, 7, 0, {-4, -3, 0, -5, -4, 1, -3, -1, 0, 0, -8, -2, -3, -6, 25, -1, 15, 5}},
    {2800, 7, 0, {2, 7, 1}},
    // Replacements and the other variants.
    {2769, 2, 0, {1, 1}},
    {2782, 16, 0, {7, 3, -2, -1, -1, 0, 0, 0, 0, 0, 2, -3}},
    {2768, 3, 0, {4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 4, 6, 8, 1, 1, 1, 1, 1}},
    {2780, 3, 0, {-3, 2, 2, 0, 0, 0, 0, 0, 0, 0, 28}},
    {2786, 1, 0, {5, 80, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 2, 9}},
    {2786, 6, 0, {4, 40, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 16, 1}},
};

TEST(DrillParameters, EachTopicDrawsItsParametersInOrderAndDerivesItsValues)
{
    for (const ParameterRow &row : kParameterRows) {
        DrillRandom random(row.seed);
        std::int16_t variant = 0;
        DrillParams params{};
        EXPECT_TRUE(drawDrillParameters(row.topic, variant, params, random));
        EXPECT_EQ(variant, row.variant) << "topic " << row.topic << " seed " << row.seed;
        EXPECT_EQ(params, row.params) << "topic " << row.topic << " seed " << row.seed;
    }
}

TEST(DrillParameters, OnlyProportionAndEquationGraphReplaceTheOpenersVariant)
{
    struct Row
    {
        std::int16_t topic;
        unsigned seed;
        std::int16_t opener;
        std::int16_t expected;
    };
    const Row rows[] = {
        {2768, 3, 1, 0}, {2768, 7, 0, 1}, {2780, 3, 1, 0}, {2780, 7, 0, 1},
        {2786, 7, 1, 1}, {2770, 3, 1, 1}, {2792, 7, 0, 0}, {2793, 7, 1, 1},
    };
    for (const Row &row : rows) {
        DrillRandom random(row.seed);
        std::int16_t variant = row.opener;
        DrillParams params{};
        drawDrillParameters(row.topic, variant, params, random);
        EXPECT_EQ(variant, row.expected) << "topic " << row.topic << " seed " << row.seed;
    }
}

TEST(DrillParameters, TopicWithoutDrillDrawsNothing)
{
    for (const std::int16_t topic : {0, 2767, 2772, 2801, -1}) {
        DrillRandom random(7);
        std::int16_t variant = 1;
        DrillParams params{};
        EXPECT_FALSE(drawDrillParameters(topic, variant, params, random));
        EXPECT_EQ(variant, 1);
        EXPECT_EQ(params, DrillParams{});
        EXPECT_EQ(random.next(), DrillRandom(7).next()) << "no draw was taken";
    }
}

std::vector<std::string> drawLogarithm(unsigned seed, bool showAnswer)
{
    DrillRandom random(seed);
    std::int16_t variant = 0;
    DrillParams params{};
    drawDrillParameters(DrillTopic::Logarithm, variant, params, random);
    // The cells of the drill window's 494 x 278 client area.
    LessonMetrics metrics;
    metrics.m_unitX = 8;
    metrics.m_unitY = 18;
    RecordingCanvas canvas({494, 278});
    DrillPage page{canvas, metrics, params, variant, showAnswer};
    findDrillGenerator(DrillTopic::Logarithm)(page);
    return canvas.lines();
}

std::vector<std::string> questionLines(const std::string &x, const std::string &n)
{
    return {
        R"~(text 16 18 "次の問いに答えよ。ただし log2=0.3010,log3=0.4771")~",
        R"~(text 8 54 "(1)")~",
        R"~(text 32 54 "log")~",
        R"~(font 13 700 0 "MS Serif")~",
        R"~(text 56 63 " ")~",
        R"~(font 16 0 128 "system")~",
        R"~(text 56 54 "(──)")~",
        R"~(font 13 0 128 "system")~",
        "text 106 51 \"" + n + "\"",
        R"~(font 16 0 128 "system")~",
        R"~(text 72 44 "5")~",
        "text 72 62 \"" + x + "\"",
        R"~(text 128 54 "を計算せよ。")~",
        R"~(text 8 180 "(2)")~",
        R"~(text 32 180 "(──)")~",
        R"~(font 13 0 128 "system")~",
        "text 82 177 \"" + n + "\"",
        R"~(font 16 0 128 "system")~",
        R"~(text 48 170 "5")~",
        "text 48 188 \"" + x + "\"",
    };
}

std::vector<std::string> answerHead(const std::string &x, const std::string &n)
{
    return {
        "textcolor #ff0000",           "text 24 90 \"与式= " + n + "\"",
        R"~(text 88 90 "log")~",       R"~(font 13 700 0 "MS Serif")~",
        R"~(text 112 99 "10")~",       R"~(font 16 0 128 "system")~",
        R"~(text 120 90 "──")~",       R"~(text 128 80 "10")~",
        "text 120 98 \"2*" + x + "\"",
    };
}

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(LogarithmDrill, FiveHalvesAskForTheNumberOfDigits)
{
    // Seed 3: x = 2, n = 70; log (5/2)^70 = 70(1 - 2 log 2) = 27.860, so 28 digits.
    const auto question = questionLines("2", "70");
    const auto expected = joined({
        question,
        {R"~(text 104 180 "の整数部分は何桁か。")~"},
        answerHead("2", "70"),
        {
            R"~(text 152 90 "= 70(log10-log4)")~",
            R"~(text 152 108 "= 70(log10-2log2)")~",
            R"~(text 152 126 "= 70(1-2*0.3010)")~",
            R"~(text 152 144 "= 27.860")~",
            R"~(text 24 234 "(1)=27.860")~",
            R"~(text 24 252 "だから、28桁")~",
            "textcolor #000000",
        },
    });
    EXPECT_EQ(drawLogarithm(3, true), expected);
}

TEST(LogarithmDrill, FiveNinthsAskForTheFirstNonZeroDecimalPlace)
{
    // Seed 1: x = 9, n = 80; log (5/9)^80 = 80(1 - log 2 - 2 log 3) = -20.416 = -21 + 0.584, so
    // the first non-zero digit stands in the 21st decimal place.
    const auto expected = joined({
        questionLines("9", "80"),
        {
            R"~(text 104 180 "は小数第何位に初めて０でない")~",
            R"~(text 24 216 "数があらわれるか。")~",
        },
        answerHead("9", "80"),
        {
            R"~(text 152 90 "= 80(log10-log2-log9)")~",
            R"~(text 152 108 "= 80(log10-log2-2log3)")~",
            R"~(text 152 126 "= 80(1-0.3010-2*0.4771)")~",
            R"~(text 152 144 "= -20.416")~",
            R"~(text 24 234 "(1)=-20.416=-21+0.584")~",
            R"~(text 24 252 "だから、第 21位")~",
            "textcolor #000000",
        },
    });
    EXPECT_EQ(drawLogarithm(1, true), expected);
}

TEST(LogarithmDrill, EveryBaseGivesTheRightConclusion)
{
    // Seeds whose draws cover all six bases; the question and the conclusion are checked against
    // (5/x)^n itself.
    std::set<int> seenBases;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const std::vector<std::string> lines = drawLogarithm(seed, true);
        DrillRandom random(seed);
        std::int16_t variant = 0;
        DrillParams params{};
        drawDrillParameters(DrillTopic::Logarithm, variant, params, random);
        const int x = std::array{2, 3, 4, 6, 8, 9}[static_cast<std::size_t>(params[0])];
        const double value = std::pow(5.0 / x, params[1]);
        const std::string &last = lines[lines.size() - 2];
        std::string expected;
        if (x > 5) {
            const int place = static_cast<int>(std::ceil(-std::log10(value)));
            expected = "だから、第 " + std::to_string(place) + "位";
        } else {
            const int digits = static_cast<int>(std::floor(std::log10(value))) + 1;
            expected = "だから、" + std::to_string(digits) + "桁";
        }
        EXPECT_NE(last.find('"' + expected + '"'), std::string::npos)
            << "seed " << seed << " x " << x << " n " << params[1] << ": " << last;
        // The question (2) asks what the conclusion answers, at row 10 after the power.
        const std::string question =
            x > 5 ? "は小数第何位に初めて０でない" : "の整数部分は何桁か。";
        EXPECT_NE(std::find(lines.begin(), lines.end(), "text 104 180 \"" + question + "\""),
                  lines.end())
            << "seed " << seed << " x " << x;
        seenBases.insert(x);
    }
    EXPECT_EQ(seenBases.size(), 6u);
}

} // namespace
