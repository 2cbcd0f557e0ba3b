#include "drill/DrillGenerators.h"
#include "drill/DrillParameters.h"
#include "drill/DrillRandom.h"
#include "drill/DrillTerms.h"
#include "ui/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
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

bool mentions(const Lines &lines, const std::string &text)
{
    return std::any_of(lines.begin(), lines.end(), [&](const std::string &line) {
        return line.find(text) != std::string::npos;
    });
}

TEST(DrillTerms, WriteCoefficientsAsTheyJoinAnEquation)
{
    struct Row
    {
        int k;
        std::u16string leading, later, constant, head;
    };
    const Row rows[] = {
        {1, u" x", u"+x", u"+1", u"y = x"},   {-1, u"-x", u"-x", u"-1", u"y = -x"},
        {3, u"3x", u"+3x", u"+3", u"y = 3x"}, {-4, u"-4x", u"-4x", u"-4", u"y = -4x"},
        {0, u"0x", u"", u"", u"y = 0x"},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(leadingTermText(row.k), row.leading) << row.k;
        EXPECT_EQ(laterTermText(row.k), row.later) << row.k;
        EXPECT_EQ(constantText(row.k), row.constant) << row.k;
        EXPECT_EQ(equationHead(row.k), row.head) << row.k;
    }
}

TEST(DrillTerms, FractionsAreReducedWithTheSignOnTheNumeratorAndZeroWrittenAlone)
{
    struct Row
    {
        int num, den;
        std::u16string text;
    };
    constexpr int kMin = std::numeric_limits<int>::min();
    const Row rows[] = {
        {0, 3, u"0"},       {0, -8, u"0"},  {-3, 4, u"-3/4"},
        {2, -4, u"-1/2"},   {-4, -2, u"2"}, {9, -16, u"-9/16"},
        {6, 3, u"2"},       {5, 0, u"0"},   {kMin, -1, u"2147483648"},
        {kMin, kMin, u"1"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(reducedFractionText(row.num, row.den), row.text) << row.num << "/" << row.den;
}

struct PinnedExercise
{
    std::int16_t topic;
    unsigned seed;
    Lines question;
    Lines answer; ///< drawn in red after the question
};

const Lines kProportionGrid = {
    "polygon 36 81 252 81 252 153 36 153",
    "move 72 81",
    "line 72 153",
    "move 108 81",
    "line 108 153",
    "move 144 81",
    "line 144 153",
    "move 180 81",
    "line 180 153",
    "move 216 81",
    "line 216 153",
    "move 252 81",
    "line 252 153",
    "move 74 81",
    "line 74 153",
    "move 36 117",
    "line 252 117",
    "move 36 153",
    "line 252 153",
};

const Lines kCheckingNote10 = {
    R"~(text 0 180 "（注意）終了後、元の画面で数値を入れる等で、")~",
    R"~(text 8 198 "      答えを確認して下さい。")~",
};

Lines joined(std::initializer_list<Lines> parts)
{
    Lines all;
    for (const Lines &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// One exercise per topic for seed 7, checked by hand against the layout: cells are 8 x 18 pixels.
const PinnedExercise kPinned[] = {
    // Inverse proportion, area 9: heights 18/b for bases b = 1..5; 6.0 and 3.6 are asked.
    {2768,
     7,
     joined({{R"~(text 8 0 "（反比例）三角形の面積が 9のとき、底辺と高さの")~",
              R"~(text 8 18 "関係の表を下図のように作った。空欄をうめよ。")~"},
             kProportionGrid,
             {R"~(text 36 93 "底辺")~", R"~(text 36 129 "高さ")~", R"~(text 80 93 "1")~",
              R"~(text 80 129 "18.0")~", R"~(text 116 93 "2")~", R"~(text 116 129 "9.0")~",
              R"~(text 152 93 "3")~", R"~(text 188 93 "4")~", R"~(text 188 129 "4.5")~",
              R"~(text 224 93 "5")~"}}),
     {R"~(text 152 129 "6.0")~", R"~(text 224 129 "3.6")~",
      R"~(text 8 180 "終了後、表の数値をマウスで入れて下さい。")~"}},
    // y = -4x - 3: x intercept -3/4.
    {2769,
     7,
     {R"~(text 8 18 "y = -4x-3")~", R"~(text 80 18 "のグラフをかけ。")~"},
     joined({{R"~(text 32 108 "傾き     -4")~", R"~(text 32 126 "ｙ切片   -3")~",
              R"~(text 32 144 "ｘ切片   -3/4")~"},
             kCheckingNote10})},
    // y = -4x² - 3x: axis 3/(-8), vertex y = -9/(-16).
    {2770,
     7,
     {R"~(text 16 18 "y = -")~", R"~(text 56 18 "4x")~", R"~(font 9 0 128 "system")~",
      R"~(text 74 16 "2")~", R"~(font 16 0 128 "system")~", R"~(text 80 18 "-3x")~",
      R"~(text 112 18 "のグラフをかけ。")~"},
     joined({{R"~(text 32 108 "軸    -3/8")~", R"~(text 32 144 "頂点  (-3/8,9/16)")~"},
             kCheckingNote10})},
    // a = -4 and (x - 3)(x + 1): roots -1 and 3.
    {2777,
     7,
     {R"~(text 32 0 "次の不等式を解け。中学生(1)(2)")~", R"~(text 32 36 "(1)  x-4  > 0")~",
      R"~(text 32 72 "(2) -(x-4) > 0")~", R"~(text 32 108 "(3)  x")~", R"~(font 9 0 128 "system")~",
      R"~(text 82 106 "2")~", R"~(font 16 0 128 "system")~", R"~(text 80 108 "-2x-3 > 0")~",
      R"~(text 32 144 "(4) -(x")~", R"~(font 9 0 128 "system")~", R"~(text 90 142 "2")~",
      R"~(font 16 0 128 "system")~", R"~(text 88 144 "-2x-3) > 0")~"},
     {R"~(text 56 54 "x > 4")~", R"~(text 56 90 "x < 4")~", R"~(text 56 126 "x < -1, x> 3")~",
      R"~(text 56 162 "-1 < x < 3")~",
      R"~(text 0 198 "（注意）終了後、元の画面で数値を入れる等で、")~",
      R"~(text 8 216 "      答えを確認して下さい。")~"}},
    // Variant 1: y = x² + 2x + 2 touches y = c at c = 2 - 1.
    {2780,
     7,
     {R"~(text 48 18 "y =  x")~", R"~(font 13 0 128 "system")~", R"~(text 98 15 "2")~",
      R"~(font 16 0 128 "system")~", R"~(text 104 18 "+2x +2 ･･･(1)")~",
      R"~(text 48 36 "y = c         ･･･(2)  のとき")~",
      R"~(text 32 54 "(1)と(2)のグラフが接する。ｃの値を求めよ。")~"},
     {R"~(text 48 108 "D = 4 -4･1･(2 -c) = 0 から")~", R"~(text 48 126 "c = 1")~"}},
    // y = 6/(x - 3) + 1 moved by (2, -1): y = 6/(x - 5).
    {2782,
     7,
     {R"~(text 24 18 "次の関数のグラフをx軸方向に 2,y軸方向に-1だけ")~",
      R"~(text 16 36 "平行移動した関数を求めよ。")~", R"~(text 94 54 "6")~",
      R"~(text 54 66 "y = ─── +1")~", R"~(text 86 76 "x-3")~",
      R"~(text 16 90 "ヒント：yに y-(-1),xに x-(2)を代入する。")~"},
     {R"~(text 94 126 "6")~", R"~(text 54 138 "y = ─── ")~", R"~(text 86 148 "x-5")~"}},
    // y = 7x²: images 7, 28, 63, 112, 175.
    {2800,
     7,
     {R"~(text 16 18 "次の関数関係を表す式は1)-4)のどれか。")~",
      R"~(text 216 54 "1) y = ax")~",
      R"~(text 216 72 "2) y = ax")~",
      R"~(font 13 0 128 "system")~",
      R"~(text 290 69 "2")~",
      R"~(font 16 0 128 "system")~",
      R"~(text 216 90 "3) y = x+a")~",
      R"~(text 216 108 "4) y = a/x")~",
      "ellipse 24 54 72 162",
      R"~(text 40 54 "X")~",
      "ellipse 104 54 168 162",
      R"~(text 128 54 "Y")~",
      "move 72 63",
      "line 112 63",
      "move 105 59",
      "line 112 63",
      "move 105 66",
      "line 112 63",
      R"~(text 88 108 "f")~",
      R"~(text 40 72 "1")~",
      R"~(text 120 72 "7.00")~",
      "move 72 81",
      "line 112 81",
      "move 105 77",
      "line 112 81",
      "move 105 84",
      "line 112 81",
      R"~(text 40 90 "2")~",
      R"~(text 120 90 "28.00")~",
      "move 72 99",
      "line 112 99",
      "move 105 95",
      "line 112 99",
      "move 105 102",
      "line 112 99",
      R"~(text 40 108 "3")~",
      R"~(text 120 108 "63.00")~",
      "move 72 117",
      "line 112 117",
      "move 105 113",
      "line 112 117",
      "move 105 120",
      "line 112 117",
      R"~(text 40 126 "4")~",
      R"~(text 120 126 "112.00")~",
      "move 72 135",
      "line 112 135",
      "move 105 131",
      "line 112 135",
      "move 105 138",
      "line 112 135",
      R"~(text 40 144 "5")~",
      R"~(text 120 144 "175.00")~",
      "move 72 153",
      "line 112 153",
      "move 105 149",
      "line 112 153",
      "move 105 156",
      "line 112 153"},
     {R"~(text 216 162 "(2) a=7.0")~"}},
};

TEST(FunctionDrills, EachTopicDrawsItsQuestionThenTheAnswerInRed)
{
    for (const PinnedExercise &pinned : kPinned) {
        EXPECT_EQ(drawTopic(pinned.topic, pinned.seed, false).lines, pinned.question)
            << "topic " << pinned.topic;
        const Lines expected =
            joined({pinned.question, {"textcolor #ff0000"}, pinned.answer, {"textcolor #000000"}});
        EXPECT_EQ(drawTopic(pinned.topic, pinned.seed, true).lines, expected)
            << "topic " << pinned.topic;
    }
}

TEST(FunctionDrills, AnswersOfTheSpecialCases)
{
    struct Row
    {
        std::int16_t topic;
        unsigned seed;
        const char *why;
        Lines shown; ///< lines the answered exercise holds
    };
    const Row rows[] = {
        {2769,
         4,
         "b = 0: no constant, and the x intercept 0/-4 is 0",
         {R"~(text 8 18 "y = -4x")~", R"~(text 32 144 "ｘ切片   0")~"}},
        {2769, 1, "-2/-4 is reduced with the sign moved up", {R"~(text 32 144 "ｘ切片   1/2")~"}},
        {2770,
         20,
         "4ac - b² = 0: the vertex value is 0, the axis -4/-4 is 1",
         {R"~(text 32 108 "軸    1")~", R"~(text 32 144 "頂点  (1,0)")~"}},
        {2770,
         137,
         "y = x² - 4x + 4 touches the axis at 2",
         {R"~(text 32 108 "軸    2")~", R"~(text 32 144 "頂点  (2,0)")~"}},
        {2777,
         13,
         "(x + 1)² has no x with -(x + 1)² > 0",
         {R"~(text 80 108 "+2x+1 > 0")~", R"~(text 32 144 "(4) -(x")~",
          R"~(text 56 126 "x < -1, x> -1")~", R"~(text 56 162 "解なし")~"}},
        {2780,
         6,
         "D = 0 keeps the sentence the lesson has always shown",
         {R"~(text 48 108 "D = 0 だから")~", R"~(text 48 126 "（１）のグラフは接ｘ軸とする。")~"}},
        {2780,
         8,
         "D < 0",
         {R"~(text 48 108 "D = -3 < 0 だから")~",
          R"~(text 48 126 "（１）のグラフはｘ軸と交わらない。")~"}},
        {2780,
         0,
         "D > 0",
         {R"~(text 48 108 "D = 25 > 0 だから")~",
          R"~(text 48 126 "（１）のグラフはｘ軸と２点で交わる。")~"}},
        {2782,
         0,
         "moved onto x = 0: the short bar and x alone under the numerator",
         {R"~(text 86 126 "4")~", R"~(text 54 138 "y = ─ -6")~", R"~(text 86 148 "x")~"}},
    };
    for (const Row &row : rows) {
        const Lines lines = drawTopic(row.topic, row.seed, true).lines;
        for (const std::string &line : row.shown)
            EXPECT_TRUE(contains(lines, line))
                << row.topic << " seed " << row.seed << " (" << row.why << "): " << line;
        EXPECT_FALSE(mentions(lines, "右括弧なし")) << row.topic << " seed " << row.seed;
    }
}

/// The value row of the proportion table: the text drawn at each column's x, or "" for none.
std::vector<std::string> valueRow(const Lines &lines, const std::string &color)
{
    std::vector<std::string> cells(5);
    std::string current = "#000000";
    for (const std::string &line : lines) {
        if (line.rfind("textcolor ", 0) == 0) current = line.substr(10);
        int x = 0;
        char text[32] = {};
        if (std::sscanf(line.c_str(), "text %d 129 \"%31[^\"]\"", &x, text) != 2) continue;
        if (current != color || (x - 80) % 36 != 0) continue;
        cells[static_cast<std::size_t>((x - 80) / 36)] = text;
    }
    return cells;
}

TEST(FunctionDrills, ProportionTableLeavesTwoCellsForTheAnswerToFill)
{
    // Seeds 0 to 11 draw both variants with k = 0 to 4. The cells hold the triangle's area
    // b h / 2 for heights 0..4 (variant 0) or its height 2S / b for bases 1..5 (variant 1).
    int variants[2] = {0, 0};
    for (unsigned seed = 0; seed < 12; ++seed) {
        const Drawn question = drawTopic(DrillTopic::Proportion, seed, false);
        const Drawn answered = drawTopic(DrillTopic::Proportion, seed, true);
        const int fixed = question.params[0];
        std::vector<std::string> values;
        for (int i = 0; i < 5; ++i) {
            char text[16];
            const double value = question.variant == 1 ? 2.0 * fixed / (i + 1) : fixed * i / 2.0;
            std::snprintf(text, sizeof text, "%.1f", value);
            values.push_back(text);
        }
        ++variants[question.variant];
        const std::vector<std::string> shown{values[0], values[1], "", values[3], ""};
        EXPECT_EQ(valueRow(question.lines, "#000000"), shown) << "seed " << seed;
        EXPECT_EQ(valueRow(answered.lines, "#000000"), shown) << "seed " << seed;
        const std::vector<std::string> filled{"", "", values[2], "", values[4]};
        EXPECT_EQ(valueRow(answered.lines, "#ff0000"), filled) << "seed " << seed;
    }
    EXPECT_GT(variants[0], 0);
    EXPECT_GT(variants[1], 0);
}

} // namespace
