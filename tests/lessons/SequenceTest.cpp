#include "lessons/sequence/Sequence.h"
#include "tests/lessons/LessonTestSupport.h"
#include "ui/MessageBox.h"

#include <QImage>
#include <gtest/gtest.h>

#include <limits>

namespace {

// Template 110 gives a 494 x 280 client: u = 13, v = 15.

struct Fields
{
    std::u16string a = u"2", d = u"1/2", n = u"3", b = u"2", r = u"1/2";
};

void startWith(CSequence &window, const Fields &fields)
{
    window.setControlText(143, fields.a);
    window.setControlText(144, fields.d);
    window.setControlText(145, fields.n);
    window.setControlText(146, fields.b);
    window.setControlText(147, fields.r);
    window.pressButton(104);
}

TEST(SequenceFigure, WorksTheInitialSequencesOut)
{
    const std::optional<SequenceFigure> figure = ComputeSequenceFigure(SequenceInput());
    ASSERT_TRUE(figure);
    EXPECT_EQ(figure->arithmeticList, u" 2, 5/2, 3, 7/2,･･･");
    EXPECT_EQ(figure->nthTerm.text, u" 2+(3-1)* 1/2= 3");
    EXPECT_EQ(figure->arithmeticSum.text, u"3項までの和＝──｛2* 2+(3-1)* 1/2｝= 15/2");
    EXPECT_EQ(figure->geometricList, u" 2, 1, 1/2, 1/4,･･･");
    EXPECT_EQ(figure->geometricTerm.text, u"第 3項 ＝  2( 1/2)");
    EXPECT_EQ(figure->termExponent, u"3-1");
    EXPECT_TRUE(figure->decimals);
    EXPECT_EQ(figure->termDecimal, u"=0.500");
    EXPECT_EQ(figure->sumDecimal, u"=3.500");
    EXPECT_EQ(figure->sumDenominator.text, u"1- 1/2");
}

TEST(SequenceFigure, KeepsExactTermsWhereSixteenBitsWouldWrap)
{
    SequenceInput input;
    input.a = {1, 998};
    input.d = {1, 999};
    input.n = 99;
    input.b = {-3, 4};
    input.r = {-1, 2};
    const std::optional<SequenceFigure> figure = ComputeSequenceFigure(input);
    ASSERT_TRUE(figure);
    // lcm(998, 999) = 997002; a_99 = 1/998 + 98/999 = 98803/997002; S_99 = 99(a + a_99)/2.
    EXPECT_EQ(figure->arithmeticList, u" 1/998, 1997/997002, 2995/997002, 1331/332334,･･･");
    EXPECT_EQ(figure->nthTerm.text, u" 1/998+(99-1)* 1/999= 98803/997002");
    EXPECT_EQ(figure->arithmeticSum.text.substr(figure->arithmeticSum.text.find(u'｝')),
              u"｝= 548911/110778");
    EXPECT_EQ(figure->geometricList, u"-3/4, 3/8,-3/16, 3/32,･･･");
    EXPECT_EQ(figure->sumDenominator.text, u"1-(-1/2)");
}

TEST(SequenceFigure, WritesTypedFractionsAsTypedAndAZeroResultOverItsDenominator)
{
    SequenceInput input;
    input.a = {-1, 1};
    input.d = {1, 2};
    input.b = {2, 4};
    input.r = {-3, 6};
    const std::optional<SequenceFigure> figure = ComputeSequenceFigure(input);
    ASSERT_TRUE(figure);
    // Listed terms are sums, written reduced (0 alone); a_3 = (-2 + 2)/2 keeps its denominator.
    EXPECT_EQ(figure->arithmeticList, u"-1,-1/2,0, 1/2,･･･");
    EXPECT_EQ(figure->nthTerm.text, u"-1+(3-1)* 1/2=0/2");
    EXPECT_EQ(figure->geometricList, u" 2/4,-1/4, 1/8,-1/16,･･･");
    EXPECT_EQ(figure->geometricTerm.text, u"第 3項 ＝  2/4(-3/6)");
}

TEST(SequenceFigure, ShowsDecimalsOnlyBelowOneAndRefusesNumbersThatCannotBeWritten)
{
    SequenceInput doubling;
    doubling.r = {2, 1};
    const auto figure = ComputeSequenceFigure(doubling);
    ASSERT_TRUE(figure);
    EXPECT_FALSE(figure->decimals);
    EXPECT_TRUE(figure->termDecimal.empty());

    // 2(-10)^30 is written out whole: a long text, never an overrun.
    SequenceInput steep;
    steep.r = {-10, 1};
    steep.n = 31;
    const auto big = ComputeSequenceFigure(steep);
    ASSERT_TRUE(big);
    EXPECT_EQ(big->termDecimal, u"=2000000000000000039769249677312.000");

    // Its sum to 99 terms does not fit single precision: no "inf" is ever written.
    steep.n = 99;
    EXPECT_FALSE(ComputeSequenceFigure(steep));
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    SequenceInput huge;
    huge.a = {kMax, 1};
    EXPECT_FALSE(ComputeSequenceFigure(huge));
    huge = SequenceInput();
    huge.b = {kMax / 4, 1};
    huge.r = {3, 1};
    EXPECT_FALSE(ComputeSequenceFigure(huge));
}

class SequenceTest : public ::testing::Test
{
protected:
    void SetUp() override { window.initialize(); }
    CSequence window;
};

TEST_F(SequenceTest, DrawsPanelsHighlightsAndTheFactorNOverTwoInPlace)
{
    EXPECT_EQ(window.controlText(147), u"1/2");
    const auto lines = window.recordPaint();
    EXPECT_TRUE(hasSequence(lines, {"fill 45 37 270 58 #0f0f0f", "fill 41 33 266 54 #ffff00",
                                    "textcolor #ff0000", "text 52 37 \" 2, 5/2, 3, 7/2,･･･\"",
                                    "textcolor #000000"}));
    // a, n and d of the n-th term on yellow, then the text over them.
    EXPECT_TRUE(
        hasSequence(lines, {"fill 156 67 172 82 #ffff00", "fill 188 67 196 82 #ffff00",
                            "fill 228 67 260 82 #ffff00", "text 156 67 \" 2+(3-1)* 1/2= 3\""}));
    // n above the bar "──" (130..162) and 2 below it, both centred on it.
    EXPECT_TRUE(hasSequence(
        lines, {"fill 142 90 150 105 #ffff00", "text 142 90 \"3\"", "text 142 105 \"2\""}));
    EXPECT_TRUE(hasLine(lines, "text 26 97 \"3項までの和＝──｛2* 2+(3-1)* 1/2｝= 15/2\""));
    EXPECT_TRUE(hasSequence(lines, {"fill 45 168 270 189 #0f0f0f", "fill 41 164 266 185 #ffff00",
                                    "textcolor #ff0000", "text 52 168 \" 2, 1, 1/2, 1/4,･･･\""}));
    EXPECT_TRUE(hasSequence(lines, {"text 26 195 \"第 3項 ＝  2( 1/2)\"",
                                    "font 11 0 128 \"system\"", "text 172 193 \"3-1\"",
                                    "font 16 0 128 \"system\"", "text 213 195 \"=0.500\""}));
    EXPECT_TRUE(
        hasSequence(lines, {"text 26 232 \"3項までの和＝──────\"", "text 226 232 \"=3.500\""}));
    EXPECT_TRUE(hasLine(lines, "text 130 223 \" 2{1-( 1/2)\""));
    EXPECT_TRUE(hasLine(lines, "text 225 223 \"}\""));
    EXPECT_TRUE(hasSequence(lines, {"fill 159 240 191 255 #ffff00", "text 143 240 \"1- 1/2\"",
                                    "text 26 232 \"3項までの和＝──────\""}));
}

TEST_F(SequenceTest, RefusesABadFieldByItsFocusWithoutChangingTheFigure)
{
    struct Row
    {
        Fields fields;
        int focus;
    };
    const auto with = [](auto change) {
        Fields f;
        change(f);
        return f;
    };
    const Row rows[] = {
        {with([](Fields &f) { f.r = u"1"; }), 147},
        {with([](Fields &f) { f.r = u"11"; }), 147},
        {with([](Fields &f) { f.r = u"-11"; }), 147},
        {with([](Fields &f) { f.r = u"4/4"; }), 147},
        {with([](Fields &f) { f.n = u"100"; }), 145},
        {with([](Fields &f) { f.n = u"0"; }), 145},
        {with([](Fields &f) { f.n = u"-3"; }), 145},
        {with([](Fields &f) { f.n = u""; }), 145},
        {with([](Fields &f) { f.d = u"1/0"; }), 144},
        {with([](Fields &f) { f.d = u"3/"; }), 144},
        {with([](Fields &f) { f.a = u"1/2/3"; }), 143},
        {with([](Fields &f) { f.a = u"99999"; }), 143},
        {with([](Fields &f) { f.b = u"2x"; }), 146},
        // Every field good, but the sum of (-10)^k to 99 terms cannot be written.
        {with([](Fields &f) {
             f.r = u"-10";
             f.n = u"99";
         }),
         147},
    };
    int messages = 0;
    setMessageBoxHandler([&messages](const MessageRequest &) {
        ++messages;
        return static_cast<int>(IdOk);
    });
    const QImage before = window.surface().copy();
    for (const Row &row : rows) {
        CSequence fresh;
        fresh.initialize();
        startWith(fresh, row.fields);
        EXPECT_EQ(fresh.focusedControl(), row.focus);
        EXPECT_EQ(fresh.input().n, 3);
        EXPECT_EQ(fresh.input().r, (ExactFraction{1, 2}));
        EXPECT_EQ(fresh.surface(), before);
    }
    setMessageBoxHandler([](const MessageRequest &) { return static_cast<int>(IdOk); });
    EXPECT_EQ(messages, 0);
}

TEST_F(SequenceTest, ARatioOfTwoShowsNoDecimalsAndTenIsAccepted)
{
    Fields fields;
    fields.r = u"2";
    startWith(window, fields);
    auto lines = window.recordPaint();
    EXPECT_TRUE(hasLine(lines, "text 26 232 \"3項までの和＝──────\""));
    EXPECT_TRUE(linesStartingWith(lines, "text 213 195 \"=").empty());
    EXPECT_TRUE(linesStartingWith(lines, "text 226 232 \"=").empty());
    EXPECT_TRUE(hasLine(lines, "text 52 168 \" 2, 4, 8, 16,･･･\""));

    fields.r = u"-10";
    fields.b = u"1/3";
    startWith(window, fields);
    lines = window.recordPaint();
    EXPECT_EQ(window.focusedControl(), 0);
    EXPECT_TRUE(hasLine(lines, "text 52 168 \" 1/3,-10/3, 100/3,-1000/3,･･･\""));
    // A fractional first term stays plain text: no stacked fraction in the n-th term.
    EXPECT_TRUE(hasLine(lines, "text 26 195 \"第 3項 ＝  1/3(-10)\""));
    EXPECT_TRUE(hasLine(lines, "text 26 232 \"3項までの和＝──────\""));
    EXPECT_TRUE(hasLine(lines, "text 143 240 \"1-(-10)\""));
}

} // namespace
