#include "mathcore/FormulaDrawing.h"
#include "mathcore/FormulaText.h"
#include "ui/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// Formulas are drawn in "MS Serif" of height 20: in the recording canvas's fixed metrics every
// ASCII character is 10 pixels wide and a line is 20 pixels high.
class FormulaDrawing : public ::testing::Test
{
protected:
    FormulaDrawing()
    {
        canvas.select(Font{20, 0, 0, u"MS Serif"});
        canvas.clearLines();
        metrics.m_unitX = 10;
        metrics.m_unitY = 20;
    }

    // The recorded lines that put something on the surface.
    std::vector<std::string> drawing() const
    {
        std::vector<std::string> out;
        for (const std::string &line : canvas.lines()) {
            if (line.starts_with("text ") || line.starts_with("move ") || line.starts_with("line "))
                out.push_back(line);
        }
        return out;
    }

    // The texts drawn, joined in drawing order: what a reader sees on one line.
    std::string shownText() const
    {
        std::string out;
        for (const std::string &line : canvas.lines()) {
            if (line.starts_with("text ")) {
                const std::size_t quote = line.find('"');
                out += line.substr(quote + 1, line.size() - quote - 2);
            }
        }
        return out;
    }

    RecordingCanvas canvas{Size{480, 120}};
    LessonMetrics metrics;
};

} // namespace

TEST_F(FormulaDrawing, ShowsFormulasAsWrittenOnPaper)
{
    struct Row
    {
        std::u16string_view kind;
        std::u16string_view text;
        std::string shown;
    };
    const Row rows[] = {
        {u"formula", u"2*x+3*4", "2x+3*4"},
        {u"formula", u"x*-y+2*-3", "x*-y+2*-3"}, // a signed factor keeps its '*'
        {u"formula", u"a*+b", "a+b"},
        {u"formula", u"a*(b)", "a(b)"},
        {u"formula", u"2(x^2+1)", "2(x2+1)"},
        {u"product", u"-1*(x+1)", "-(x+1)"},
        {u"product", u"1*(x)", "(x)"},
        {u"product", u"2*3", "2*3"},
        {u"product", u"x*-1", "x*-1"},
        {u"product", u"x*(1/2)", "x(12)"},
        {u"product", u"(3)^(1/2)*x", "3x"},
        {u"power", u"x^(n+1)", "xn+1"},
        {u"monomial", u"xxxyyz+1", "x3y2z+1"},
        {u"root", u"2*(3)^(1/3)", "233"},
        {u"root", u"-1*x^(1/2)", "-x"},
        {u"root", u"12*x^(2/3)", "123x2"},
        {u"formula", u"(3)^(/2)+1", "根号表記に誤り+1"},
        {u"root", u"(3)^2", "根号表記に誤り"},
    };
    for (const Row &row : rows) {
        canvas.clearLines();
        DrawFormulaAs(canvas, metrics, row.kind, 20, 50, row.text);
        EXPECT_EQ(shownText(), row.shown) << std::string(row.text.begin(), row.text.end());
    }
    canvas.clearLines();
    Size size;
    DrawFormula(metrics, canvas, 20, 50, u"2*x+3*4", size);
    EXPECT_EQ(drawing(), (std::vector<std::string>{R"(text 20 50 "2x+")", R"(text 50 50 "3*4")"}));
    EXPECT_EQ(size, (Size{60, 20}));
}

TEST_F(FormulaDrawing, RaisesExponentsAndLowersSubscriptsInASmallerFont)
{
    Size size;
    DrawFormula(metrics, canvas, 20, 50, u"x^2+y_1", size);
    const std::vector<std::string> expected = {
        R"(text 20 50 "x")",
        R"(font 10 700 0 "MS Serif")", // raised a third of the line: 50 - 20/3
        R"(text 30 44 "2")",           R"(font 20 0 0 "MS Serif")",
        R"(text 37 50 "+")",           R"(text 47 50 "y")",
        R"(font 10 0 0 "MS Serif")", // lowered onto the line's bottom: 50 + 20 - 10
        R"(text 59 60 "1")",           R"(font 20 0 0 "MS Serif")",
    };
    EXPECT_EQ(canvas.lines(), expected);
    EXPECT_EQ(size.cx, 59 + 5 - 20);
}

TEST_F(FormulaDrawing, RaisesTheExponentOfASubscriptedBase)
{
    Size size;
    DrawFormula(metrics, canvas, 20, 50, u"x_1^2", size);
    EXPECT_EQ(drawing(), (std::vector<std::string>{R"(text 20 50 "x")", R"(text 32 60 "1")",
                                                   R"(text 39 48 "2")"}));
}

TEST_F(FormulaDrawing, DrawsRootFormsWithTheIndexOnlyWhenItIsNotTwo)
{
    struct Row
    {
        std::u16string_view text;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        // "2", half a character of space, then the sign at x + 8 over "3", its bar reaching half
        // a character beyond the radicand.
        {u"2*(3)^(1/2)",
         {R"(text 20 50 "2")", R"(text 48 50 "3")", "move 36 61", "line 38 67", "line 43 49",
          "line 63 49"}},
        {u"2*(3)^(1/3)",
         {R"(text 20 50 "2")", R"(text 42 55 "3")", R"(text 53 50 "3")", "move 41 61", "line 43 67",
          "line 48 49", "line 68 49"}},
    };
    for (const Row &row : rows) {
        canvas.clearLines();
        Size size;
        EXPECT_EQ(DrawFormula(metrics, canvas, 20, 50, row.text, size), kDrewRootForm);
        EXPECT_EQ(drawing(), row.expected);
    }
}

TEST_F(FormulaDrawing, NestedRootDrawsItsContentUnderOneLongerSign)
{
    Size size;
    const int flags = DrawFormula(metrics, canvas, 20, 50, u"(2*(3)^(1/2))^(1/3)", size);
    EXPECT_EQ(flags, kDrewRootForm | kDrewNestedRootForm);
    const std::vector<std::string> lines = drawing();
    // The content is drawn 2 pixels lower, then the outer index and sign, whose bar (the last
    // line) runs past the inner sign's bar.
    EXPECT_EQ(lines.front(), R"(text 50 52 "2")");
    EXPECT_EQ(lines[5], "line 93 51");
    EXPECT_EQ(lines[6], R"(text 32 55 "3")");
    EXPECT_EQ(lines.back(), "line 141 49");
}

TEST_F(FormulaDrawing, RootFormStacksAFractionalRadicandUnderATwoRowSign)
{
    // Width: 8 pixels, half a character, the radicand, half a character.
    EXPECT_EQ(DrawRootForm(u"1", metrics, canvas, 20, 50, u"1", u"2", u"(x)"), 8 + 5 + 10 + 5);
    canvas.clearLines();
    DrawRootForm(u"1", metrics, canvas, 20, 50, u"1", u"2", u"1/2");
    // A fractional radicand is stacked and the sign spans two rows.
    EXPECT_EQ(drawing(), (std::vector<std::string>{R"(text 40 41 "1")", R"(text 40 59 "2")",
                                                   "move 38 59", "line 52 59", "move 21 71",
                                                   "line 23 77", "line 28 43", "line 55 43"}));
}

TEST_F(FormulaDrawing, MissingClosingBracketStopsTheLineAndIsReportedAboveIt)
{
    Size size;
    DrawFormula(metrics, canvas, 20, 50, u"2+(x+1", size);
    EXPECT_EQ(drawing(),
              (std::vector<std::string>{R"(text 20 50 "2+")", R"(text 20 -50 "右括弧なし")"}));

    canvas.clearLines();
    DrawFormula(metrics, canvas, 20, 50, u"x^(2", size);
    EXPECT_EQ(drawing(), (std::vector<std::string>{R"(text 20 -50 "右括弧なし")"}));
}

TEST_F(FormulaDrawing, FractionPartsOf48CharactersOrMoreThan23PiecesAreRefused)
{
    struct Row
    {
        std::u16string text;
        bool refused;
    };
    std::u16string pieces23 = u"1";
    for (int i = 0; i < 11; ++i)
        pieces23 += u"+1";
    const Row rows[] = {
        {std::u16string(47, u'x') + u"/2", false},
        {std::u16string(48, u'x') + u"/2", true},
        {u"1/" + std::u16string(48, u'y'), true},
        {pieces23, false},
        {pieces23 + u"+", true},
    };
    for (const Row &row : rows) {
        canvas.clearLines();
        Size size;
        const int result = DrawFraction(metrics, canvas, 20, 50, row.text, Colors::Black, size);
        EXPECT_EQ(result == -1, row.refused) << row.text.size();
        EXPECT_EQ(shownText() == "式の長さが４８以上です。", row.refused) << row.text.size();
    }
}

TEST_F(FormulaDrawing, TooManyMonomialItemsAreReportedInTheScratchText)
{
    std::u16string items35;
    for (int i = 0; i < 35; ++i)
        items35 += i % 2 ? u'1' : u'a';
    EXPECT_GT(DrawMonomialText(canvas, metrics, 30, 50, items35), 0);

    canvas.clearLines();
    EXPECT_EQ(DrawMonomialText(canvas, metrics, 30, 50, items35 + u"b"), 0);
    EXPECT_EQ(metrics.m_scratchText, u"項目が多すぎ表示不可能。");
    EXPECT_EQ(drawing(), (std::vector<std::string>{R"(text 200 50 "項目が多すぎ表示不可能。")"}));
}

TEST_F(FormulaDrawing, StacksFractionsWithTheBarSpanningTheWiderPart)
{
    Size size;
    EXPECT_EQ(DrawFraction(metrics, canvas, 20, 50, u"1/2+3/4", Colors::Red, size), 9);
    const std::vector<std::string> expected = {
        "pen solid 1 #ff0000",
        R"(text 20 41 "1")", // numerator top at y - (20/2 - 1)
        R"(text 20 59 "2")", // denominator top on the bar
        "move 18 59",        // bar at y + 20/2 - 1, 2 pixels beyond either side
        "line 32 59",
        R"(text 34 50 "+")", // 4 pixels between pieces
        R"(text 48 41 "3")",   R"(text 48 59 "4")",   "move 46 59",
        "line 60 59",          "pen solid 1 #000000",
    };
    EXPECT_EQ(canvas.lines(), expected);
    EXPECT_EQ(size, (Size{38, 9 + 29}));

    struct Row
    {
        std::u16string_view text;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {u"12345/6", {R"(text 20 41 "12345")", R"(text 40 59 "6")", "move 18 59", "line 72 59"}},
        {u"1/234", {R"(text 30 41 "1")", R"(text 20 59 "234")", "move 18 59", "line 52 59"}},
        {u"(x+1)/2",
         {R"(text 20 41 "x+")", R"(text 40 41 "1")", R"(text 30 59 "2")", "move 18 59",
          "line 52 59"}},
        {u"a/b/c",
         {R"(text 25 41 "a")", R"(text 20 59 "b")", R"(text 30 59 "c")", "move 18 59",
          "line 42 59"}},
        {u"a/b*c",
         {R"(text 20 41 "a")", R"(text 30 41 "c")", R"(text 25 59 "b")", "move 18 59",
          "line 42 59"}},
    };
    for (const Row &row : rows) {
        canvas.clearLines();
        DrawFraction(metrics, canvas, 20, 50, row.text, Colors::Black, size);
        EXPECT_EQ(drawing(), row.expected);
    }
}

TEST_F(FormulaDrawing, NestedFractionsStackAboveTheOuterBar)
{
    Size size;
    const int above = DrawFraction(metrics, canvas, 20, 50, u"(1/2)/3", Colors::Black, size);
    const std::vector<std::string> expected = {
        R"(text 20 23 "1")", R"(text 20 41 "2")", "move 18 41", "line 32 41",
        R"(text 20 59 "3")", "move 18 59",        "line 32 59",
    };
    EXPECT_EQ(drawing(), expected);
    EXPECT_EQ(above, 50 - 23);
    EXPECT_EQ(size.cy, 27 + 29);
}

TEST_F(FormulaDrawing, PowerRaisesTheExponentBehindPlainAndFractionalBases)
{
    Size size;
    EXPECT_EQ(DrawPower(metrics, canvas, 20, 20, 50, u"y = a", u"2", size), 50 + 5 + 2);
    EXPECT_EQ(drawing(), (std::vector<std::string>{R"(text 20 50 "y = a")", R"(text 72 48 "2")"}));
    EXPECT_EQ(size, (Size{57, 20}));

    canvas.clearLines();
    EXPECT_EQ(DrawPower(metrics, canvas, 20, 20, 50, u"(1/2)", u"(2)", size), 30 + 5 + 2);
    EXPECT_EQ(drawing(), (std::vector<std::string>{R"(text 20 50 "(")", R"(text 30 41 "1")",
                                                   R"(text 30 59 "2")", "move 28 59", "line 42 59",
                                                   "text 40 50 \")\"", R"(text 52 48 "2")"}));
    EXPECT_EQ(size, (Size{37, 38}));
}

TEST_F(FormulaDrawing, PowerWhoseBaseOpensAnUnclosedBracketDrawsTheBaseAsText)
{
    // The first half of "(3)(4)^5" drawn in two pieces: no missing-bracket message, the exponent
    // right after the plain base.
    Size size;
    EXPECT_EQ(DrawPower(metrics, canvas, 20, 20, 50, u"(3) (4", u"5", size), 60 + 5 + 2);
    EXPECT_EQ(drawing(), (std::vector<std::string>{R"(text 20 50 "(3) (4")", R"(text 82 48 "5")"}));
    EXPECT_EQ(size, (Size{67, 20}));
}

TEST_F(FormulaDrawing, MonomialTextShowsRepeatedLettersAsPowers)
{
    EXPECT_EQ(DrawMonomialText(canvas, metrics, 20, 50, u"aab"), 10 + 2 + 5 + 10);
    EXPECT_EQ(drawing(), (std::vector<std::string>{R"(text 20 50 "a")", R"(text 32 48 "2")",
                                                   R"(text 37 50 "b")"}));
}

TEST_F(FormulaDrawing, RaisedAndLoweredTextsStandBesideTheirBase)
{
    EXPECT_EQ(DrawSuperscript(u"A", canvas, 24, 10, 40, u"-1"), 10 + 12);
    EXPECT_EQ(canvas.lines(),
              (std::vector<std::string>{R"(text 10 40 "A")", R"(font 12 700 0 "MS Serif")",
                                        R"(text 20 34 "-1")", R"(font 20 0 0 "MS Serif")"}));
    canvas.clearLines();
    EXPECT_EQ(DrawSuperscript(u"", canvas, 24, 10, 40, u"-1"), 0);
    DrawSubscript(u"", canvas, 30, 10, 40, u"2");
    EXPECT_TRUE(canvas.lines().empty());

    DrawSubscript(u"log", canvas, 30, 10, 40, u"2");
    EXPECT_EQ(drawing(), (std::vector<std::string>{R"(text 10 40 "log")", R"(text 40 50 "2")"}));

    canvas.clearLines();
    Size size;
    EXPECT_EQ(DrawSubscriptedText(metrics, canvas, 20, 50, u"a_(12)b_c", size), 9);
    EXPECT_EQ(drawing(), (std::vector<std::string>{R"(text 20 50 "a")", R"(text 32 60 "12")",
                                                   R"(text 42 50 "b")", R"(text 54 60 "c")"}));
    EXPECT_EQ(size, (Size{10 + 2 + 10 + 10 + 2 + 5, 20}));
}

TEST_F(FormulaDrawing, RootSignGeometry)
{
    struct Row
    {
        int barWidth;
        std::u16string_view text;
        int rows;
        std::vector<std::string> expected;
    };
    // cw = 10, font height 20: e = 16; two rows lift the top by 20/3.
    const Row rows[] = {
        {30, u"", 1, {"move 93 58", "line 95 64", "line 100 46", "line 140 46"}},
        {30, u"", 2, {"move 93 68", "line 95 74", "line 100 40", "line 140 40"}},
        {0, u"x^2", 1, {"move 93 58", "line 95 64", "line 100 46", "line 126 46"}},
    };
    for (const Row &row : rows) {
        canvas.clearLines();
        DrawRootSign(row.barWidth, canvas, 100, 50, row.text, row.rows);
        EXPECT_EQ(canvas.lines(), row.expected);
    }
}

TEST_F(FormulaDrawing, FormulaIsCutAt63Characters)
{
    Size size;
    DrawFormula(metrics, canvas, 0, 50, std::u16string(70, u'x'), size);
    EXPECT_EQ(shownText(), std::string(63, 'x'));
}

namespace {
// Random texts over the notation's characters, some as raw characters and some as tokens
// that build brackets, powers, roots and fractions.
std::u16string randomFormula(std::mt19937 &random)
{
    static const std::u16string_view characters = u"0123456789xyab+-*/^_();=<>.,{}あ∞ ";
    static const std::u16string_view tokens[] = {
        u"(",    u")", u"^(", u"^", u"_(",  u"_",      u"/",  u"*",    u"+",  u"-",
        u"1/2)", u"x", u"23", u";", u"(3)", u"^(1/2)", u"aa", u"-1*(", u"))", u"(("};
    std::u16string text;
    const int count = static_cast<int>(random() % 40);
    const bool tokenised = random() % 2 == 0;
    for (int i = 0; i < count; ++i) {
        if (tokenised)
            text += tokens[random() % std::size(tokens)];
        else
            text += characters[random() % characters.size()];
    }
    return text;
}

} // namespace

// Every drawing function survives malformed formulas (under the sanitizers) and reports in
// measure-only mode the same size it draws, without drawing.
TEST_F(FormulaDrawing, RandomFormulasNeitherCrashNorDisagreeBetweenMeasuringAndDrawing)
{
    std::mt19937 random(20240611);
    const std::u16string_view kinds[] = {u"formula",  u"fraction", u"product", u"power",
                                         u"monomial", u"root",     u"other"};
    for (int round = 0; round < 3000; ++round) {
        const std::u16string text = randomFormula(random);
        const std::string label(text.begin(), text.end());
        auto check = [&](auto draw) {
            canvas.clearLines();
            const Size measured = draw(true);
            EXPECT_TRUE(drawing().empty()) << label;
            const Size drawn = draw(false);
            EXPECT_EQ(measured, drawn) << label;
            EXPECT_LT(canvas.lines().size(), 5000u) << label;
        };
        check([&](bool measure) {
            Size size;
            DrawFormula(metrics, canvas, 20, 50, text, size, measure);
            return size;
        });
        check([&](bool measure) {
            Size size;
            DrawFraction(metrics, canvas, 20, 50, text, Colors::Blue, size, measure);
            return size;
        });
        check([&](bool measure) {
            Size size;
            DrawProduct(size, canvas, metrics, 20, 50, text, Colors::Blue, measure);
            return size;
        });
        check([&](bool measure) {
            Size size;
            DrawSubscriptedText(metrics, canvas, 20, 50, text, size, measure);
            return size;
        });
        const std::size_t caret = text.find(u'^');
        check([&](bool measure) {
            Size size;
            DrawPower(metrics, canvas, 20, 20, 50, std::u16string_view(text).substr(0, caret),
                      caret == std::u16string::npos ? u"" : text.substr(caret + 1), size, measure);
            return size;
        });
        std::u16string index, radicand, coefficient, power;
        SplitRootNotation(index, radicand, text, coefficient, power);
        check([&](bool measure) {
            return Size{
                DrawRootForm(power, metrics, canvas, 20, 50, coefficient, index, radicand, measure),
                0};
        });
        canvas.clearLines();
        DrawMonomialText(canvas, metrics, 20, 50, text);
        for (const std::u16string_view kind : kinds)
            DrawFormulaAs(canvas, metrics, kind, 20, 50, text);
    }
}
