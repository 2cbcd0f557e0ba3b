#include "drill/DrillGenerators.h"
#include "drill/DrillParameters.h"
#include "drill/DrillRandom.h"
#include "mathcore/FormulaValue.h"
#include "mathcore/TextFormat.h"
#include "ui/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// The cells of the drill window's 494 x 278 client area.
constexpr int kWidth = 494;
constexpr int kHeight = 278;

std::vector<std::string> drawSum(const DrillParams &params, bool showAnswer)
{
    LessonMetrics metrics;
    metrics.m_unitX = 8;
    metrics.m_unitY = 18;
    RecordingCanvas canvas({kWidth, kHeight});
    DrillPage page{canvas, metrics, params, 0, showAnswer};
    findDrillGenerator(DrillTopic::SequenceSum)(page);
    return canvas.lines();
}

TEST(SequenceSumDrill, ListsTwoTermsAndTheGeneralTermThenTheSumToWorkInRed)
{
    // Seed 7 draws a = 1, b = 5, c = 6: the terms (k + 5)(k + 6).
    DrillRandom random(7);
    std::int16_t variant = 0;
    DrillParams params{};
    drawDrillParameters(DrillTopic::SequenceSum, variant, params, random);
    const std::vector<std::string> question = {
        R"~(text 16 18 "次の数列の和を求めよ。")~",
        R"~(text 16 54 "6･7+7･8+･･･+(n+5)(n+6)")~",
    };
    EXPECT_EQ(drawSum(params, false), question);
    std::vector<std::string> answered = question;
    answered.insert(answered.end(), {
                                        "textcolor #ff0000",
                                        R"~(text 40 108 "∑")~",
                                        R"~(font 9 700 0 "MS Serif")~",
                                        R"~(text 44 98 "n")~",
                                        R"~(text 40 117 "k=1")~",
                                        R"~(font 16 0 128 "system")~",
                                        R"~(text 56 108 "(k+5)(k+6) を計算する。")~",
                                        "textcolor #000000",
                                    });
    EXPECT_EQ(drawSum(params, true), answered);
}

TEST(SequenceSumDrill, WritesTheFirstFactorAsBOrNPlusBOrAnPlusB)
{
    struct Row
    {
        DrillParams params;
        std::string line, answer;
    };
    const Row rows[] = {
        {{0, 3, 2}, "3･3+3･4+･･･+3(n+2)", "3(k+2) を計算する。"},
        {{2, 1, 4}, "3･5+5･6+･･･+(2n+1)(n+4)", "(2k+1)(k+4) を計算する。"},
        {{4, 6, 1}, "10･2+14･3+･･･+(4n+6)(n+1)", "(4k+6)(k+1) を計算する。"},
    };
    for (const Row &row : rows) {
        const auto lines = drawSum(row.params, true);
        EXPECT_EQ(lines[1], "text 16 54 \"" + row.line + "\"");
        EXPECT_EQ(lines[lines.size() - 2], "text 56 108 \"" + row.answer + "\"");
    }
}

/// The value of a text in the variable at `at`, with the products "6･7" read as 6*7.
double valueOf(std::string text, char16_t variable, int at)
{
    const std::string dot = "･";
    for (std::size_t pos = text.find(dot); pos != std::string::npos; pos = text.find(dot))
        text.replace(pos, dot.size(), "*");
    const std::u16string wide(text.begin(), text.end());
    const std::optional<double> value = EvaluateFormula(wide, variable, at);
    EXPECT_TRUE(value) << text;
    return value.value_or(0.0);
}

/// A recorded "text X Y "..."" line, read without regular expressions (the sweep reads 40000).
bool readTextLine(const std::string &line, int &x, int &y, std::string &text)
{
    if (line.rfind("text ", 0) != 0) return false;
    std::size_t end = 0;
    x = std::stoi(line.substr(5), &end);
    const std::size_t rest = 5 + end + 1;
    y = std::stoi(line.substr(rest), &end);
    text = line.substr(rest + end + 2, line.size() - (rest + end + 3));
    return true;
}

TEST(SequenceSumDrill, EverySeedDrawsConsistentTermsInsideTheWindow)
{
    // An exercise depends on the seed only through its parameters: each distinct set is checked
    // once, which covers every seed.
    std::set<DrillParams> seen;
    for (unsigned seed = 0; seed < 10000; ++seed) {
        DrillRandom random(seed);
        std::int16_t variant = 0;
        DrillParams params{};
        drawDrillParameters(DrillTopic::SequenceSum, variant, params, random);
        if (!seen.insert(params).second) continue;
        int fontHeight = 16;
        int x = 0;
        int y = 0;
        std::string text;
        for (const std::string &line : drawSum(params, true)) {
            if (line.rfind("font ", 0) == 0) fontHeight = std::stoi(line.substr(5));
            if (!readTextLine(line, x, y, text)) continue;
            const int width = RecordingCanvas::measureText(fromUtf8(text), fontHeight);
            ASSERT_TRUE(x >= 0 && y >= 0 && x + width <= kWidth && y + fontHeight <= kHeight)
                << "seed " << seed << ": " << line;
            ASSERT_EQ(text.find("右括弧なし"), std::string::npos) << "seed " << seed;
            ASSERT_EQ(text.find("/0"), std::string::npos) << "seed " << seed;
        }
        // The listed products are the general term at n = 1 and n = 2, and the answer sums the
        // general term in k.
        const std::vector<std::string> lines = drawSum(params, true);
        std::string line;
        ASSERT_TRUE(readTextLine(lines[1], x, y, line));
        const std::string dots = "+･･･+";
        const std::size_t gap = line.find(dots);
        ASSERT_NE(gap, std::string::npos) << line;
        const std::string general = line.substr(gap + dots.size());
        const std::string first = line.substr(0, line.find('+'));
        const std::string second = line.substr(first.size() + 1, gap - first.size() - 1);
        EXPECT_DOUBLE_EQ(valueOf(first, u'n', 0), valueOf(general, u'n', 1)) << line;
        EXPECT_DOUBLE_EQ(valueOf(second, u'n', 0), valueOf(general, u'n', 2)) << line;
        ASSERT_TRUE(readTextLine(lines[lines.size() - 2], x, y, line));
        const std::string summand = line.substr(0, line.find(' '));
        EXPECT_DOUBLE_EQ(valueOf(summand, u'k', 3), valueOf(general, u'n', 3)) << seed;
    }
}

} // namespace
