#include "lessons/explog/ExpLaw.h"
#include "lessons/explog/LogarithmFigure.h"
#include "mathcore/FormulaDrawing.h"
#include "tests/lessons/LessonTestSupport.h"
#include "ui/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Template 106 gives a 472 x 280 client: cw = 13, ch = 17. The recording canvas's window font is
// 16 pixels high, so DrawPower gets the line height 20 and raises exponents (font 10) by 2 pixels.

constexpr int kFieldA = 125;
constexpr int kFieldM = 126;
constexpr int kFieldN = 127;

std::string text(int x, int y, const std::string &value)
{
    return "text " + std::to_string(x) + " " + std::to_string(y) + " \"" + value + "\"";
}

/// The lines of a power drawn by DrawPower: base at (x, y), the exponent in the 10-pixel font at
/// (exponentX, y - 2).
std::vector<std::string> power(int x, int y, const std::string &base, int exponentX,
                               const std::string &exponent)
{
    return {text(x, y, base), "font 10 0 128 \"system\"", text(exponentX, y - 2, exponent)};
}

/// The red root sign of `DrawRadicalSign` over a one-digit radicand at (x, 85).
std::vector<std::string> rootSign(int x)
{
    return {"pen solid 1 #ff0000", "move " + std::to_string(x - 13) + " 92",
            "line " + std::to_string(x - 6) + " 99", "line " + std::to_string(x) + " 81",
            "line " + std::to_string(x + 8) + " 81"};
}

bool mentions(const std::vector<std::string> &lines, const std::string &part)
{
    for (const std::string &line : lines) {
        if (line.find(part) != std::string::npos) return true;
    }
    return false;
}

class ExpLawTest : public ::testing::Test
{
protected:
    void open(std::int16_t mode)
    {
        window.setModeFlag(mode);
        window.initialize();
    }

    void start(std::u16string_view a, std::u16string_view m, std::u16string_view n)
    {
        window.setControlText(kFieldA, a);
        window.setControlText(kFieldM, m);
        window.setControlText(kFieldN, n);
        window.pressButton(104);
    }

    CExpLaw window;
};

TEST_F(ExpLawTest, ExponentLawsOpenInTheLetterFormWithItsBracketsReadAsWritten)
{
    open(0);
    EXPECT_EQ(window.controlText(kFieldA), u"2");
    EXPECT_EQ(window.controlText(kFieldM), u"1/2");
    EXPECT_EQ(window.controlText(kFieldN), u"3/2");
    const auto lines = window.recordPaint();
    EXPECT_TRUE(hasSequence(lines, power(26, 85, "ａ", 44, "m")));
    EXPECT_TRUE(hasSequence(lines, power(52, 136, "×ａ", 78, "n")));
    EXPECT_TRUE(hasSequence(lines, power(52, 187, "÷ａ", 78, "n")));
    // Row 14 is (ａ^m)^n in two pieces: the "(" opened by the first closes in the second.
    EXPECT_TRUE(hasSequence(lines, power(26, 238, "(ａ", 52, "m")));
    EXPECT_TRUE(hasSequence(lines, power(65, 238, ")", 75, "n")));
    for (const int y : {136, 187, 238})
        EXPECT_TRUE(hasLine(lines, text(104, y, "="))) << y;
    EXPECT_TRUE(hasSequence(lines, power(130, 136, "a", 140, "m+n")));
    EXPECT_TRUE(hasSequence(lines, power(130, 187, "a", 140, "m-n")));
    EXPECT_TRUE(hasSequence(lines, power(130, 238, "a", 140, "mn")));
    EXPECT_FALSE(mentions(lines, toUtf8(kMissingBracketText)));
    EXPECT_FALSE(mentions(lines, "#ff0000"));
}

TEST_F(ExpLawTest, WorksThePowerIntoRootsInRed)
{
    struct Row
    {
        std::u16string a, m;
        std::vector<std::vector<std::string>> sequences;
        std::vector<std::string> absent;
    };
    const Row rows[] = {
        // 2^(1/2) = the square root of 2: no index, no "さらに".
        {u"2",
         u"1/2",
         {{"textcolor #ff0000", text(65, 85, "=")}, power(91, 85, "2", 101, " "), rootSign(91)},
         {text(169, 85, "さらに"), "font 12 700 0 \"MS Serif\""}},
        // 2^(5/2) = root(2^5), further = 2^2 root(2).
        {u"2",
         u"5/2",
         {power(91, 85, "2", 101, "5"),
          rootSign(91),
          {text(169, 85, "さらに")},
          power(260, 85, "2", 270, "5"),
          rootSign(260),
          {text(286, 85, "=")},
          power(299, 85, "2", 309, "2"),
          power(331, 85, "2", 341, " "),
          rootSign(331)},
         {}},
        // 2^0 = 1.
        {u"2", u"0", {{"textcolor #ff0000", text(91, 85, "= 1")}}, {text(65, 85, "=")}},
        // 2^-2 = 1/2^2, and 2^-1 = 1/2 with the exponent 1 left blank.
        {u"2", u"-2", {{text(65, 85, "= 1/")}, power(104, 85, "2", 114, "2")}, {}},
        {u"2", u"-1", {{text(65, 85, "= 1/")}, power(104, 85, "2", 114, " ")}, {}},
        // 12^(7/3): the index 3 at the upper left of each root sign; 12^2 is followed by half a
        // cell before the root of 12.
        {u"12",
         u"7/3",
         {power(91, 85, "12", 109, "7"),
          {"font 12 700 0 \"MS Serif\"", text(78, 81, "3")},
          power(299, 85, "12", 317, "2"),
          power(344, 85, "12", 362, " "),
          {text(331, 81, "3")}},
         {}},
        // 8^(4/2) = root(8^4) = 8^2: no root is left over.
        {u"8", u"4/2", {power(299, 85, "8", 309, "2")}, {text(331, 85, "8")}},
    };
    for (const Row &row : rows) {
        CExpLaw lesson;
        lesson.initialize();
        lesson.setControlText(kFieldA, row.a);
        lesson.setControlText(kFieldM, row.m);
        lesson.pressButton(104);
        const auto lines = lesson.recordPaint();
        const std::string name = toUtf8(row.m);
        for (const auto &sequence : row.sequences)
            EXPECT_TRUE(hasSequence(lines, sequence)) << name << ": " << sequence.front();
        for (const std::string &line : row.absent)
            EXPECT_FALSE(hasLine(lines, line)) << name << ": " << line;
    }
}

TEST_F(ExpLawTest, WritesTheThreeLawsWithTheirExponentsWorkedOut)
{
    struct Row
    {
        std::u16string m, n;
        std::string sum, difference, product, evaluatedSum, evaluatedDifference, evaluatedProduct;
    };
    const Row rows[] = {
        {u"1/2", u"3/2", "1/2+3/2", "1/2-3/2", "1/2*3/2", "2", "-1", "3/4"},
        {u"5/2", u"3/2", "5/2+3/2", "5/2-3/2", "5/2*3/2", "4", "1", "15/4"},
        // A negative n: its sign replaces the "+", and the difference adds it.
        {u"7/3", u"-1", "7/3-1", "7/3+1", "7/3*-1", "4/3", "10/3", "-7/3"},
        {u"0", u"0", "0+0", "0-0", "0*0", "0", "0", "0"},
    };
    open(0);
    for (const Row &row : rows) {
        start(u"2", row.m, row.n);
        const auto lines = window.recordPaint();
        const std::string m = toUtf8(row.m);
        const std::string n = toUtf8(row.n);
        EXPECT_TRUE(hasSequence(lines, power(130, 238, "= (2", 164, m))) << m;
        EXPECT_TRUE(hasSequence(lines, power(182, 187, "÷2", 200, n))) << m;
        EXPECT_TRUE(hasSequence(lines, power(182, 238, ")", 192, n))) << m;
        EXPECT_TRUE(hasSequence(lines, power(234, 136, "= 2", 260, row.sum))) << m;
        EXPECT_TRUE(hasSequence(lines, power(234, 187, "= 2", 260, row.difference))) << m;
        EXPECT_TRUE(hasSequence(lines, power(234, 238, "= 2", 260, row.product))) << m;
        EXPECT_TRUE(hasSequence(lines, power(312, 136, "= 2", 338, row.evaluatedSum))) << m;
        EXPECT_TRUE(hasSequence(lines, power(312, 187, "= 2", 338, row.evaluatedDifference))) << m;
        EXPECT_TRUE(hasSequence(lines, power(312, 238, "= 2", 338, row.evaluatedProduct))) << m;
        EXPECT_FALSE(mentions(lines, toUtf8(kMissingBracketText))) << m;
    }
    // "法則" brings the letters back.
    window.pressButton(129);
    const auto lines = window.recordPaint();
    EXPECT_TRUE(hasSequence(lines, power(130, 136, "a", 140, "m+n")));
    EXPECT_FALSE(mentions(lines, "#ff0000"));
}

TEST_F(ExpLawTest, RejectsAFieldByReturningTheFocusAndKeepsTheWholeFigure)
{
    struct Row
    {
        std::int16_t mode;
        std::u16string a, m, n;
        int focus;
    };
    const Row rows[] = {
        {0, u"", u"1/2", u"3/2", kFieldA},
        {0, u"0", u"1/2", u"3/2", kFieldA},
        {0, u"100", u"1/2", u"3/2", kFieldA},
        {0, u"1/2", u"1/2", u"3/2", kFieldA},
        {0, u"-2", u"1/2", u"3/2", kFieldA},
        {0, u"２", u"1/2", u"3/2", kFieldA},
        {0, u"2", u"/4", u"3/2", kFieldM},
        {0, u"2", u"3/", u"3/2", kFieldM},
        {0, u"2", u"-", u"3/2", kFieldM},
        {0, u"2", u"", u"3/2", kFieldM},
        {0, u"2", u"1/0", u"3/2", kFieldM},
        {0, u"2", u"-1/2", u"3/2", kFieldM},
        {0, u"2", u"12345", u"3/2", kFieldM},
        {0, u"2", u"1.5", u"3/2", kFieldM},
        {0, u"2", u"１/2", u"3/2", kFieldM},
        {0, u"2", u"1/2", u"3/-2", kFieldN},
        {0, u"2", u"1/2", u"1/2/", kFieldN},
        {0, u"2", u"1/2", u"", kFieldN},
        // Mode 1: a base of value 1 in any spelling (log 1 = 0 would divide), log 0, negatives.
        {1, u"1", u"3", u"10", kFieldA},
        {1, u"1/1", u"3", u"10", kFieldA},
        {1, u"2/2", u"3", u"10", kFieldA},
        {1, u"01", u"3", u"10", kFieldA},
        {1, u"1.0", u"3", u"10", kFieldA},
        {1, u"0", u"3", u"10", kFieldA},
        {1, u"2/0", u"3", u"10", kFieldA},
        {1, u"2", u"0", u"10", kFieldM},
        {1, u"2", u"0/3", u"10", kFieldM},
        {1, u"2", u"-3", u"10", kFieldM},
        {1, u"2", u"3", u"0", kFieldN},
        {1, u"2", u"3", u"1000", kFieldN},
    };
    for (const Row &row : rows) {
        CExpLaw lesson;
        lesson.setModeFlag(row.mode);
        lesson.initialize();
        lesson.setControlText(kFieldA, u"3");
        lesson.setControlText(kFieldM, u"5/2");
        lesson.setControlText(kFieldN, u"2");
        lesson.pressButton(104);
        lesson.focusControl(1);
        const auto before = lesson.recordPaint();
        lesson.setControlText(kFieldA, row.a);
        lesson.setControlText(kFieldM, row.m);
        lesson.setControlText(kFieldN, row.n);
        lesson.pressButton(104);
        const std::string name = toUtf8(row.a + u" " + row.m + u" " + row.n);
        EXPECT_EQ(lesson.focusedControl(), row.focus) << name;
        EXPECT_EQ(lesson.recordPaint(), before) << name;
    }
}

TEST_F(ExpLawTest, LogarithmPropertiesShowTheLettersOrTheTextsAsTyped)
{
    open(1);
    EXPECT_EQ(window.windowTitle().toStdU16String(), u"対数の性質");
    EXPECT_EQ(window.controlText(157), u"a,m,nに正の分数(整数)を入れて下さい。");
    EXPECT_EQ(window.controlText(kFieldN), u"10");
    auto lines = window.recordPaint();
    // log_a a = 1 ⇔ a^1 = a and log_a 1 = 0 ⇔ a^0 = 1 on row 5; the base lowered by a third of
    // the line height 29.
    EXPECT_TRUE(
        hasSequence(lines, {text(13, 85, "log"), "font 14 700 0 \"MS Serif\"", text(37, 94, "a")}));
    EXPECT_TRUE(hasLine(lines, text(39, 85, "a = 1")));
    EXPECT_TRUE(hasLine(lines, text(234, 85, "1 = 0")));
    EXPECT_TRUE(hasSequence(lines, {"textcolor #ff0000", text(104, 85, "⇔"), text(120, 85, "a")}));
    EXPECT_TRUE(hasLine(lines, text(143, 85, "=a")));
    EXPECT_TRUE(hasLine(lines, text(338, 85, "= 1")));
    EXPECT_TRUE(hasLine(lines, text(65, 145, "m")));
    EXPECT_TRUE(hasLine(lines, text(65, 161, "n")));
    EXPECT_TRUE(hasSequence(lines, {"textcolor #ff0000", text(208, 229, "(底の変換)")}));
    // a = 1/2 is accepted; its 4 characters move every following column.
    start(u"1/2", u"3", u"10");
    lines = window.recordPaint();
    EXPECT_TRUE(hasLine(lines, text(37, 94, "1/2")));
    EXPECT_TRUE(hasLine(lines, text(65, 85, "1/2 = 1")));
    // The power form stacks a = 1/2 after the arrow, not "⇔1" over 2.
    EXPECT_TRUE(hasSequence(lines, {text(104, 85, "⇔"), "pen solid 1 #ff0000", text(120, 78, "1"),
                                    text(120, 92, "2")}));
    EXPECT_TRUE(hasLine(lines, text(52, 119, "(3*10) =")));
    // log_a m^n: the exponent an eighth of the line height 29 higher, in half of it.
    EXPECT_TRUE(
        hasSequence(lines, {text(65, 187, "3"), "font 14 0 128 \"system\"", text(75, 184, "10")}));
    window.pressButton(129);
    lines = window.recordPaint();
    EXPECT_TRUE(hasLine(lines, text(208, 229, "(底の変換)")));
    EXPECT_TRUE(hasLine(lines, text(52, 119, "(m*n) =")));
}

TEST_F(ExpLawTest, LogarithmPropertiesWorkOutTheChangeOfBaseInDecimals)
{
    struct Row
    {
        std::u16string a, m;
        std::vector<std::string> texts; // the numerator, the denominator and the quotient
    };
    const Row rows[] = {
        // Every absolute value at most 9: four decimals.
        {u"2",
         u"3",
         {text(208, 219, "0.4771"), text(208, 237, "0.3010"), text(273, 229, "=1.5850")}},
        // A negative logarithm of m starts a cell further left, its minus sign in that cell; a
        // negative one of a moves the denominator, and the quotient after it, a cell left.
        {u"2",
         u"1/2",
         {text(221, 219, "-0.3010"), text(221, 237, "0.3010"), text(286, 229, "=-1.0000")}},
        {u"1/2",
         u"999",
         {text(260, 219, "2.9996"), text(247, 237, "-0.3010"), text(312, 229, "=-10.0")}},
        // A quotient above 9 keeps one decimal.
        {u"9/8",
         u"999",
         {text(260, 219, "2.9996"), text(260, 237, "0.0512"), text(325, 229, "= 58.6")}},
    };
    for (const Row &row : rows) {
        CExpLaw lesson;
        lesson.setModeFlag(1);
        lesson.initialize();
        lesson.setControlText(kFieldA, row.a);
        lesson.setControlText(kFieldM, row.m);
        lesson.pressButton(104);
        const auto lines = lesson.recordPaint();
        const std::string name = toUtf8(row.a + u" " + row.m);
        EXPECT_TRUE(hasSequence(lines, row.texts)) << name;
        EXPECT_FALSE(mentions(lines, "(底の変換)")) << name;
    }
    EXPECT_EQ(LogValueText(9.0), u"9.0000");
    EXPECT_EQ(LogValueText(-9.05), u" -9.1");
}

TEST(ExpLawFields, AFractionFieldNeedsDigitsOnBothSidesOfItsBar)
{
    struct Row
    {
        std::u16string text;
        std::optional<std::pair<int, int>> value;
    };
    const Row rows[] = {
        {u"3", std::pair{3, 1}},     {u"-2", std::pair{-2, 1}}, {u"1/2", std::pair{1, 2}},
        {u"-3/4", std::pair{-3, 4}}, {u"007", std::pair{7, 1}}, {u"", std::nullopt},
        {u"-", std::nullopt},        {u"/4", std::nullopt},     {u"3/", std::nullopt},
        {u"-/4", std::nullopt},      {u"1/0", std::nullopt},    {u"+3", std::nullopt},
        {u" 3", std::nullopt},       {u"40000", std::nullopt},  {u"1/40000", std::nullopt},
    };
    for (const Row &row : rows) {
        const std::optional<TypedFraction> read = ReadFractionField(row.text);
        ASSERT_EQ(read.has_value(), row.value.has_value()) << toUtf8(row.text);
        if (read) {
            EXPECT_EQ(read->numerator, row.value->first) << toUtf8(row.text);
            EXPECT_EQ(read->denominator, row.value->second) << toUtf8(row.text);
        }
    }
}

} // namespace
