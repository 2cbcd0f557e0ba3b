#include "lessons/matrix/Matrix.h"
#include "drill/Drill.h"
#include "mathcore/MatrixDrawing.h"
#include "tests/lessons/LessonTestSupport.h"
#include "ui/RecordingCanvas.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

// Template 105 gives a 468 x 276 client: cw = 11, ch = 18. A matrix at cell column c, row r has
// its rows at (11 (c + 1), 18 r) and (11 (c + 1), 18 (r + 1)).

/// Types the eight entries (a11, a12, a21, a22, b11, b12, b21, b22) into fields 113 to 120.
void typeEntries(CMatrix &window, const std::array<std::u16string_view, 8> &entries)
{
    for (int i = 0; i < 8; ++i)
        window.setControlText(113 + i, entries[static_cast<std::size_t>(i)]);
}

std::string text(int x, int y, const std::string &content)
{
    return "text " + std::to_string(x) + ' ' + std::to_string(y) + " \"" + content + '"';
}

TEST(MatrixDrawing, PadsTheShorterRowBeforeItsLastWordOnlyBeyondTwoCharacters)
{
    struct Row
    {
        std::u16string first, second, paddedFirst, paddedSecond;
    };
    const Row rows[] = {
        {u"1  0", u"-3/4  1/4", u"1       0", u"-3/4  1/4"},
        {u"-3/4  1/4", u"1  0", u"-3/4  1/4", u"1       0"},
        {u"x", u"y", u"x", u"y"},
        {u"5", u"2/3", u"5", u"2/3"},      // two characters apart
        {u"7", u"-2/3", u"   7", u"-2/3"}, // no blank: the spaces go in front
        {u"  6    8", u" 10   12", u"  6    8", u" 10   12"},
    };
    for (const Row &row : rows) {
        std::u16string first = row.first;
        std::u16string second = row.second;
        PadMatrixRows(first, second);
        EXPECT_EQ(first, row.paddedFirst);
        EXPECT_EQ(second, row.paddedSecond);
    }
}

TEST(MatrixDrawing, PutsRowsAndBracketsInTheCellsAndReportsTheWidthInCharacters)
{
    LessonMetrics metrics;
    metrics.m_unitX = 11;
    metrics.m_unitY = 18;
    RecordingCanvas canvas;
    // Rows at (44, 126) and (44, 144); the left arc bulges to x = 33 between the rays through the
    // first row's top and the second row's bottom, the right one to 55 + 16 (two characters).
    EXPECT_EQ(DrawMatrix(canvas, metrics, 3, 7, u"x", u"-y", Colors::Red), 3);
    EXPECT_EQ(canvas.lines(), (std::vector<std::string>{
                                  text(44, 126, "x"),
                                  text(44, 144, "-y"),
                                  "pen solid 1 #ff0000",
                                  "arc 33 108 105 180 33 126 33 162",
                                  "arc -1 108 71 180 71 162 71 126",
                                  "pen solid 1 #000000",
                              }));
    canvas.clearLines();
    EXPECT_EQ(DrawMatrix(canvas, metrics, 0, 1, u"1  0", u"-3/4  1/4", Colors::Black), 9);
    EXPECT_EQ(canvas.lines()[0], text(11, 18, "1       0"));
    // Half ellipses spanning exactly from the top to the bottom, bulging outward by height / 8.
    canvas.clearLines();
    DrawParenthesisPair(canvas, 66, 187, 24, 72, Colors::Black);
    EXPECT_TRUE(hasSequence(canvas.lines(),
                            {"arc 66 24 84 96 75 24 75 96", "arc 169 24 187 96 178 96 178 24"}));
}

TEST(MatrixArithmetic, ReadsSixteenBitSignedEntriesOnly)
{
    struct Row
    {
        std::u16string text;
        std::optional<std::int16_t> value;
    };
    const Row rows[] = {
        {u"", 0},          {u"12", 12},    {u"-7", -7},    {u"+3", 3},   {u"32767", 32767},
        {u"-3276", -3276}, {u"99999", {}}, {u"40000", {}}, {u"1.5", {}}, {u"-", {}},
        {u"+", {}},        {u"1/2", {}},   {u"3+", {}},    {u" 3", {}},  {u"x", {}},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(ReadMatrixEntry(row.text), row.value)
            << std::string(row.text.begin(), row.text.end());
    }
}

class MatrixSystemTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.setModeFlag(1);
        window.initialize();
    }

    std::vector<std::string> solve(const std::array<std::u16string_view, 8> &entries)
    {
        typeEntries(window, entries);
        window.pressButton(104);
        return window.recordPaint();
    }

    CMatrix window;
};

TEST_F(MatrixSystemTest, SolvesTheDefaultSystemByTheInverseAtOnce)
{
    EXPECT_EQ(window.windowTitle().toStdU16String(), u"連立２元１次方程式");
    for (const int id : {118, 120, 161})
        EXPECT_TRUE(window.control(id)->isHidden()) << id;
    EXPECT_EQ(window.matrixA(), (Matrix2{1, 0, 3, 4}));
    const auto lines = window.recordPaint();
    // det 4: A^-1 = (1 0; -3/4 1/4) in blue at column 11 with its brackets, (5, 7) right of it at
    // column 9 + 12, and the solution x = 5, y = -2 below.
    EXPECT_TRUE(hasSequence(lines, {text(132, 180, "1       0"), text(132, 198, "-3/4  1/4"),
                                    "pen solid 1 #0000ff", "arc 121 162 193 234 121 180 121 216",
                                    "arc 143 162 215 234 215 216 215 180"}));
    EXPECT_TRUE(hasSequence(lines, {text(242, 180, "5"), text(242, 198, "7")}));
    EXPECT_TRUE(hasSequence(lines, {text(55, 180, "="), text(66, 180, "A")}));
    EXPECT_TRUE(
        hasSequence(lines, {text(99, 216, "="), text(132, 216, "5"), text(132, 234, "-2")}));
    // The heading: the shadowed yellow box and the red hint.
    EXPECT_TRUE(hasSequence(lines, {"fill 11 126 110 166 #0f0f0f", "fill 7 122 106 162 #ffff00"}));
    EXPECT_TRUE(
        hasSequence(lines, {"textcolor #ff0000", text(132, 126, "この両辺に Aの逆行列を")}));
    // Parentheses around A (66..187) and the shorter B (264..341), spanning 24..96.
    EXPECT_TRUE(hasLine(lines, "arc 323 24 341 96 332 96 332 24"));
}

TEST_F(MatrixSystemTest, JudgesASingularSystemOnBothColumns)
{
    struct Row
    {
        std::array<std::u16string_view, 8> entries;
        std::string verdict;
    };
    const Row rows[] = {
        {{u"1", u"2", u"2", u"4", u"3", u"", u"6", u""}, "1:2 = 2:4 = 3:6    ->不定"},
        {{u"1", u"2", u"2", u"4", u"3", u"", u"7", u""}, "1:2 = 2:4 ≠ 3:7    ->不能"},
        // The first column is zero; (1, 3) is not a multiple of the second column (1, 2).
        {{u"0", u"1", u"0", u"2", u"1", u"", u"3", u""}, "0:0 = 1:2 ≠ 1:3    ->不能"},
        {{u"0", u"1", u"0", u"2", u"2", u"", u"4", u""}, "0:0 = 1:2 = 2:4    ->不定"},
        {{u"", u"", u"", u"", u"", u"", u"", u""}, "0:0 = 0:0 = 0:0    ->不定"},
        {{u"", u"", u"", u"", u"1", u"", u"", u""}, "0:0 = 0:0 ≠ 1:0    ->不能"},
    };
    for (const Row &row : rows) {
        const auto lines = solve(row.entries);
        EXPECT_TRUE(hasLine(lines, text(66, 180, "逆行列は存在しません。"))) << row.verdict;
        EXPECT_TRUE(hasLine(lines, text(66, 216, row.verdict))) << row.verdict;
        EXPECT_TRUE(linesStartingWith(lines, "text 132 180").empty()) << "no inverse drawn";
        EXPECT_FALSE(hasLine(lines, text(92, 180, "B ="))) << "no line (x, y) = A^-1 B";
    }
}

TEST_F(MatrixSystemTest, FiveDigitEntriesGiveExactResultsNotWrappedOnes)
{
    // det = 32767^2 - 3276^2 = 29491 * 36043 = 1062944113, far beyond 16 bits; x = y = (32767 +
    // 3276) / det = 1/29491; the inverse's entries reduce by 7.
    const auto lines = solve({u"32767", u"-3276", u"-3276", u"32767", u"1", u"", u"1", u""});
    EXPECT_TRUE(hasLine(lines, text(132, 216, "1/29491")));
    EXPECT_TRUE(hasLine(lines, text(132, 234, "1/29491")));
    EXPECT_TRUE(hasLine(lines, text(132, 180, "4681/151849159  468/151849159")));
}

TEST_F(MatrixSystemTest, ARejectedFieldKeepsTheFigureAndFocusesTheFirstField)
{
    const auto before = window.recordPaint();
    for (const std::u16string_view bad : {u"1.5", u"-", u"1/2", u"3+", u"99999"}) {
        typeEntries(window, {u"2", u"1", u"1", u"1", u"", u"", bad, u""});
        window.focusControl(119);
        window.pressButton(104);
        EXPECT_EQ(window.focusedControl(), 113) << std::string(bad.begin(), bad.end());
        EXPECT_EQ(window.matrixA(), (Matrix2{1, 0, 3, 4}));
        EXPECT_EQ(window.recordPaint(), before);
    }
}

class MatrixBasicsTest : public ::testing::Test
{
protected:
    void SetUp() override { window.initialize(); }

    std::vector<std::string> show(int operation)
    {
        typeEntries(window, {u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8"});
        window.selectComboEntry(161, operation);
        return window.recordPaint();
    }

    CMatrix window;
};

TEST_F(MatrixBasicsTest, ShowsEveryOperationOfOnePairWithItsResult)
{
    // A = (1 2; 3 4), B = (5 6; 7 8): A + B = (6 8; 10 12), A - B = (-4 -4; -4 -4), AB = (19 22;
    // 43 50), det A = -2, A^-1 = (-2 1; 3/2 -1/2).
    struct Row
    {
        int operation;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {0,
         {"icon 11 140 warning", text(44, 144, "単位行列 E = "), text(165, 144, "1   0"),
          text(165, 162, "0   1")}},
        {1, {text(11, 126, "kA ="), text(55, 126, "k*1  k*2"), text(55, 144, "k*3  k*4")}},
        {2,
         {text(11, 126, "A+B ="), text(66, 126, "1+5  2+6"), text(66, 144, "3+7  4+8"),
          text(44, 180, "="), text(66, 180, "  6    8"), text(66, 198, " 10   12")}},
        {3,
         {text(11, 126, "A-B ="), text(66, 126, "1-5  2-6"), text(66, 144, "3-7  4-8"),
          text(44, 180, "="), text(66, 180, " -4   -4"), text(66, 198, " -4   -4")}},
        {4,
         {text(11, 126, "AB ="), text(66, 126, "1*5+2*7  1*6+2*8"),
          text(66, 144, "3*5+4*7  3*6+4*8"), text(33, 180, "="), text(66, 180, " 19   22"),
          text(66, 198, " 43   50")}},
        {5, {text(11, 126, "A' ="), text(55, 126, "  1    3"), text(55, 144, "  2    4")}},
        {6,
         {text(9, 126, "A"), text(17, 121, "-1"), text(33, 126, "="), text(44, 126, "────"),
          text(66, 117, "1"), text(44, 135, "1*4-2*3"), text(132, 126, "  4   -2"),
          text(132, 144, " -3    1"), text(33, 180, "="), text(66, 180, "-2      1"),
          text(66, 198, "3/2  -1/2"), "icon 198 176 warning", text(231, 180, "AA"),
          text(275, 180, "=A"), text(308, 180, "A=E")}},
        {7,
         {text(11, 126, "A"), text(33, 126, "x"), text(55, 126, "= λ"), text(99, 126, "x"),
          text(121, 126, "を満たす実数λ。"), text(264, 126, "x"), text(286, 126, "≠"),
          text(319, 126, "0"), text(88, 162, "(1-λ)x+2y=0 ...(1)"),
          text(88, 180, "3x+(4-λ)y=0 ...(2)"), text(22, 216, "(1-λ)(4-λ)-2*3=0"),
          "icon 220 216 question", "textcolor #ff000f", text(253, 220, "連立方程式")}},
    };
    for (const Row &row : rows) {
        const auto lines = show(row.operation);
        EXPECT_EQ(window.operation(), row.operation);
        for (const std::string &line : row.expected)
            EXPECT_TRUE(hasLine(lines, line)) << "operation " << row.operation << ": " << line;
    }
}

TEST_F(MatrixBasicsTest, ProductsOfFiveDigitEntriesDoNotWrap)
{
    typeEntries(window, {u"-3276", u"-3276", u"", u"", u"-3276", u"", u"-3276", u""});
    window.setControlText(113, u"32767");
    window.setControlText(117, u"32767");
    window.selectComboEntry(161, 4);
    // 32767 * 32767 + (-3276) * (-3276) = 1084408465 fits 32 bits but not 16.
    EXPECT_TRUE(hasLine(window.recordPaint(), text(66, 180, "1084408465    0")));
    // A sum beyond 16 bits.
    typeEntries(window, {u"32767", u"", u"", u"", u"32767", u"", u"", u""});
    window.selectComboEntry(161, 2);
    EXPECT_TRUE(hasLine(window.recordPaint(), text(66, 180, "65534    0")));
}

TEST_F(MatrixBasicsTest, InverseOfASingularMatrixIsRefusedOnRowEleven)
{
    typeEntries(window, {u"1", u"2", u"2", u"4", u"", u"", u"", u""});
    window.selectComboEntry(161, 6);
    const auto lines = window.recordPaint();
    EXPECT_TRUE(hasLine(lines, text(66, 198, "逆行列は存在しません。")));
    EXPECT_FALSE(hasLine(lines, text(33, 180, "=")));
    EXPECT_TRUE(linesStartingWith(lines, "icon").empty());
}

TEST_F(MatrixBasicsTest, ABadFieldKeepsTheShownOperation)
{
    show(2);
    window.setControlText(120, u"1.5");
    window.selectComboEntry(161, 4);
    EXPECT_EQ(window.operation(), 2);
    EXPECT_EQ(window.focusedControl(), 113);
    EXPECT_TRUE(hasLine(window.recordPaint(), text(11, 126, "A+B =")));
}

TEST(MatrixDrillButton, OpensTheDrillOfTheModeWithTheModeAsVariant)
{
    for (const std::int16_t mode : {0, 1}) {
        CMatrix window;
        window.setModeFlag(mode);
        window.initialize();
        int topic = 0;
        int variant = -1;
        const LessonWindow::ModalHook previous =
            LessonWindow::setModalHook([&](LessonWindow &opened) {
                if (auto *drill = dynamic_cast<CDrill *>(&opened)) {
                    topic = drill->topic();
                    variant = drill->variant();
                }
                return 0;
            });
        window.pressButton(133);
        LessonWindow::setModalHook(previous);
        EXPECT_EQ(topic, mode == 0 ? 2792 : 2793);
        EXPECT_EQ(variant, mode);
    }
}

} // namespace
