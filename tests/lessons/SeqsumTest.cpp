#include "lessons/sequence/Seqsum.h"
#include "drill/Drill.h"
#include "tests/lessons/LessonTestSupport.h"
#include "ui/MessageBox.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// Template 117 gives a 514 x 332 client: u = 10, v = 33.

std::string utf8(std::u16string_view text)
{
    return QString::fromStdU16String(std::u16string(text)).toStdString();
}

/// "row kind text": kind s (∑ and plain text), f (formula), t (plain text), with R when red.
std::vector<std::string> rowsOf(const SumDerivation &derivation)
{
    std::vector<std::string> rows;
    for (const SumRow &row : derivation.rows) {
        const std::string kind = row.sigma ? "s" : row.formula ? "f" : "t";
        rows.push_back(std::to_string(row.row) + " " + kind + (row.red ? "R " : " ") +
                       utf8(row.text));
    }
    return rows;
}

TEST(SumDerivation, WorksTheSumsOutRowByRow)
{
    struct Row
    {
        std::u16string summand;
        std::vector<std::string> rows;
    };
    const Row cases[] = {
        {u"(k-1)k(k+1)",
         {"2 s (k-1)k(k+1)", "3 s (kkk-k)", "4 f 1/4*n^2(n+1)^2-1*1/2*n(n+1)",
          "5 f (1/4)*n^2(n+1)^2-(1/2)*n(n+1)", "6 f 1/4(n^2(n+1)^2-2*n(n+1))",
          "7 t 1/4*n(n+1)(n(n+1)-2)", "8 fR 1/4*n(n+1)(nn+n-2)"}},
        {u"2k+2",
         {"3 s (2k+2)", "4 f 2*1/2*n(n+1)+2*n", "5 f n(n+1)+2*n", "6 f n(n+1)+2*n",
          "7 t n((n+1)+2)", "8 fR n(n+3)"}},
        // A common factor 2 of the rest cancels against 1/6.
        {u"3kk+3k",
         {"3 s (3kk+3k)", "4 f 3*1/6*n(n+1)(2n+1)+3*1/2*n(n+1)",
          "5 f (1/2)*n(n+1)(2n+1)+(3/2)*n(n+1)", "6 f 1/2(n(n+1)(2n+1)+3*n(n+1))",
          "7 t 1/2*n(n+1)((2n+1)+3)", "8 fR 1/2*n(n+1)(2n+4)", "9 fR n(n+1)(n+2)"}},
        // One term: nothing is left beside the common factors.
        {u"k",
         {"3 s (k)", "4 f 1/2*n(n+1)", "5 f (1/2)*n(n+1)", "6 t (1/2)*n(n+1)",
          "7 fR (1/2)*n(n+1)"}},
        // A term that is wholly common leaves 1, not an empty term.
        {u"4k+2",
         {"3 s (4k+2)", "4 f 4*1/2*n(n+1)+2*n", "5 f 2*n(n+1)+2*n", "6 f 2*n(n+1)+2*n",
          "7 t 2*n((n+1)+1)", "8 fR 2*n(n+2)"}},
        // l = 3 but gcd(1, 3) = 1 cancels nothing: no repeated row.
        {u"6k+6",
         {"3 s (6k+6)", "4 f 6*1/2*n(n+1)+6*n", "5 f 3*n(n+1)+6*n", "6 f 3*n(n+1)+6*n",
          "7 t n(3(n+1)+6)", "8 fR n(3n+9)"}},
        {u"-kkk",
         {"3 s (-kkk)", "4 f -1*1/4*n^2(n+1)^2", "5 f (-1/4)*n^2(n+1)^2", "6 t (-1/4)*n^2(n+1)^2",
          "7 fR (-1/4)*n^2(n+1)^2"}},
    };
    for (const Row &row : cases) {
        const SumDerivation derivation = DeriveSum(row.summand);
        EXPECT_EQ(derivation.fault, SumFault::None) << utf8(row.summand);
        EXPECT_FALSE(derivation.degreeTooHigh);
        EXPECT_EQ(rowsOf(derivation), row.rows) << utf8(row.summand);
    }
}

TEST(SumDerivation, RefusesWhatItCannotWorkAndStopsAboveDegreeThree)
{
    struct Row
    {
        std::u16string typed;
        bool read;
        SumFault fault;
    };
    const Row rows[] = {
        {u"k^", false, SumFault::None},
        {u"kx", false, SumFault::None},
        {u"x", false, SumFault::None},
        {u"k^7", false, SumFault::None},
        {u"(k+1", false, SumFault::None},
        {u"k+", true, SumFault::BadInput},
        {u"", true, SumFault::BadInput},
        {u"1/0", true, SumFault::BadInput},
        {u"1/k", true, SumFault::BadInput},
        {u"k/(k+1)", true, SumFault::BadInput},
        {u"((k))", true, SumFault::NestedBracket},
        // 200 x 200 = 40000 does not fit the term table's coefficients.
        {u"(200k+1)(200k+1)", true, SumFault::TooLarge},
        {u"(300k+1)^2", true, SumFault::TooLarge},
        // Seven terms make a row 4 longer than a formula line.
        {u"k+k+k+k+k+k+k", true, SumFault::BadInput},
        {u"k^4", true, SumFault::None},
        {u"(k^3+1)(k^3+1)", true, SumFault::None},
    };
    for (const Row &row : rows) {
        const std::optional<std::u16string> summand = ReadSummand(row.typed);
        EXPECT_EQ(summand.has_value(), row.read) << utf8(row.typed);
        if (!summand) continue;
        EXPECT_EQ(DeriveSum(*summand).fault, row.fault) << utf8(row.typed);
    }
    const SumDerivation fourth = DeriveSum(*ReadSummand(u"k^4"));
    EXPECT_TRUE(fourth.degreeTooHigh);
    EXPECT_EQ(rowsOf(fourth), std::vector<std::string>{"3 s (kkkk)"});
    EXPECT_TRUE(DeriveSum(*ReadSummand(u"(k^3+1)(k^3+1)")).degreeTooHigh);
}

TEST(SumDerivation, SurvivesAnyTypedSummand)
{
    // Random texts of up to 15 characters from the summand's alphabet: whatever is accepted has
    // rows that fit a formula line and sums that were checked; nothing overruns or crashes.
    const std::u16string alphabet = u"kk123456789+-*/()^.0";
    std::uint32_t state = 12345;
    const auto next = [&state] {
        state = state * 214013u + 2531011u;
        return (state >> 16) & 0x7FFFu;
    };
    int accepted = 0;
    for (int i = 0; i < 10000; ++i) {
        std::u16string typed;
        const std::uint32_t length = next() % 16;
        for (std::uint32_t c = 0; c < length; ++c)
            typed += alphabet[next() % alphabet.size()];
        const std::optional<std::u16string> summand = ReadSummand(typed);
        if (!summand) continue;
        const SumDerivation derivation = DeriveSum(*summand);
        if (derivation.fault != SumFault::None) continue;
        ++accepted;
        for (const SumRow &row : derivation.rows)
            EXPECT_LE(row.text.size(), 63u) << utf8(typed);
    }
    EXPECT_GT(accepted, 100);
}

class SeqsumTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setMessageBoxHandler([this](const MessageRequest &request) {
            messages.push_back(utf8(request.text));
            return static_cast<int>(IdOk);
        });
        window.initialize();
    }
    void TearDown() override
    {
        setMessageBoxHandler([](const MessageRequest &) { return static_cast<int>(IdOk); });
    }
    void start(std::u16string_view text)
    {
        window.setControlText(113, text);
        window.pressButton(104);
    }

    std::vector<std::string> messages;
    CSeqsum window;
};

TEST_F(SeqsumTest, DrawsTheRowsUnderTheSignWithTheResultInRed)
{
    EXPECT_EQ(window.controlText(113), u"(k-1)k(k+1)");
    const auto lines = window.recordPaint();
    EXPECT_TRUE(hasSequence(lines, {"text 50 33 \"∑\"", "font 16 700 0 \"MS Serif\"",
                                    "text 54 23 \"n\"", "text 50 42 \"k=1\""}));
    EXPECT_TRUE(hasSequence(lines, {"text 40 66 \"=\"", "text 50 66 \"∑\""}));
    EXPECT_TRUE(hasLine(lines, "text 80 66 \"(k-1)k(k+1)\""));
    EXPECT_TRUE(hasLine(lines, "text 80 99 \"(kkk-k)\""));
    EXPECT_TRUE(hasLine(lines, "text 40 132 \"=\""));
    EXPECT_TRUE(hasLine(lines, "text 50 231 \"1/4*n(n+1)(n(n+1)-2)\""));
    // Only the last row is red: its "=" and its formula.
    const auto red = std::find(lines.begin(), lines.end(), "textcolor #ff0000");
    ASSERT_NE(red, lines.end());
    EXPECT_EQ(*(red + 1), "text 40 264 \"=\"");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "textcolor #ff0000"), 1);
    EXPECT_TRUE(
        linesStartingWith(std::vector<std::string>(lines.begin(), red), "text 40 264").empty());
    EXPECT_TRUE(
        hasLine(std::vector<std::string>(red, lines.end()), "text 50 264 \"1/4n(n+1)(nn+n-2)\""));
}

TEST_F(SeqsumTest, ShowsTheDegreeMessageInsteadOfTheClosedForms)
{
    start(u"k^4");
    const auto lines = window.recordPaint();
    EXPECT_TRUE(hasLine(lines, "text 80 99 \"(kkkk)\""));
    EXPECT_TRUE(hasLine(lines, "text 50 165 \"３次以下です\""));
    EXPECT_TRUE(linesStartingWith(lines, "text 40 132").empty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(SeqsumTest, RefusesAtStartWithOneMessageAndPaintsTheLastAcceptedSummand)
{
    struct Row
    {
        std::u16string typed;
        std::vector<std::string> messages;
    };
    const Row rows[] = {
        {u"((k))", {"（内に（は入れられません。"}},
        {u"(200k+1)^2", {"数が大きすぎます。"}},
        {u"kx", {}},
        {u"k^", {}},
        {u"k+", {}},
        {u"1/0", {}},
        {u"k+k+k+k+k+k+k", {}},
    };
    const QImage before = window.surface().copy();
    for (const Row &row : rows) {
        messages.clear();
        window.focusControl(104);
        start(row.typed);
        EXPECT_EQ(window.focusedControl(), 113) << utf8(row.typed);
        EXPECT_EQ(messages, row.messages) << utf8(row.typed);
        EXPECT_EQ(window.inputText(), u"(k-1)k(k+1)");
        EXPECT_EQ(window.surface(), before) << utf8(row.typed);
        // Painting again raises nothing.
        window.recordPaint();
        EXPECT_EQ(messages, row.messages) << utf8(row.typed);
    }
    start(u"2k+2");
    EXPECT_EQ(window.inputText(), u"2k+2");
    EXPECT_NE(window.surface(), before);
}

TEST_F(SeqsumTest, OpensTheDrillOnTheSumOfASequence)
{
    int topic = 0;
    int variant = -1;
    const LessonWindow::ModalHook previous = LessonWindow::setModalHook([&](LessonWindow &opened) {
        if (auto *drill = dynamic_cast<CDrill *>(&opened)) {
            topic = drill->topic();
            variant = drill->variant();
        }
        return 0;
    });
    window.pressButton(133);
    LessonWindow::setModalHook(previous);
    EXPECT_EQ(topic, 2787);
    EXPECT_EQ(variant, 0);
}

} // namespace
