#include "mathcore/TermAlgebra.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

std::string narrow(std::u16string_view text)
{
    std::string out;
    for (char16_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

TermSlot term(std::u16string_view num, int coefNum, int coefDen = 1, std::u16string_view den = u"")
{
    TermSlot slot;
    slot.numLetters = LetterText(num);
    slot.denLetters = LetterText(den);
    slot.coefNum = static_cast<std::int16_t>(coefNum);
    slot.coefDen = static_cast<std::int16_t>(coefDen);
    slot.used = true;
    return slot;
}

TermTable table(std::initializer_list<TermSlot> slots)
{
    TermTable t;
    std::size_t i = 0;
    for (const TermSlot &slot : slots)
        t.slots[i++] = slot;
    return t;
}

std::u16string written(const TermTable &t)
{
    std::u16string out;
    FormatTermList(out, t);
    return out;
}

} // namespace

TEST(TermAlgebra, CheckExpressionTextCodes)
{
    struct Row
    {
        const char16_t *text;
        int kind;
        int expected;
    };
    const Row rows[] = {
        {u"x^2+1=0", Equation, 1},        {u"x^2+1=0", PlainExpression, -1},
        {u"(x+1", PlainExpression, -8},   {u"x)(", PlainExpression, -8},
        {u"x=1=2", Equation, -1},         {u"", PlainExpression, 0},
        {u"2x<3", Inequality, 0},         {u"2x<3>1", Inequality, -1},
        {u"2x=3", Inequality, -1},        {u"y=2x", Equation, 0},
        {u"x+ 1", PlainExpression, -1},  // a blank is not allowed
        {u"(x+ 1", PlainExpression, -8}, // open brackets take precedence over a bad character
        {u"ｘ+1", PlainExpression, -1},   {u"x_1", PlainExpression, -1},
        {u"(k-1)^2", PlainExpression, 1}, {u"2.5*A/b-C", PlainExpression, 0},
    };
    for (const Row &row : rows)
        EXPECT_EQ(CheckExpressionText(row.text, row.kind), row.expected)
            << narrow(row.text) << " kind " << row.kind;
}

TEST(TermAlgebra, ExpandPowersWritesProducts)
{
    struct Row
    {
        const char16_t *source;
        int code;
        const char16_t *expected; // checked when the code is 0
    };
    const Row rows[] = {
        {u"(k-1)^2", 0, u"(k-1)(k-1)"},
        {u"10^2", 0, u"10*10"},
        {u"2^3", 0, u"2*2*2"},
        {u"x^3", 0, u"xxx"},
        {u"3x^2", 0, u"3xx"},
        {u"(x+1)^2", 0, u"(x+1)(x+1)"},
        {u"x^0", 0, u"x"},
        {u"x^1+1", 0, u"x+1"},
        {u"x^2+y^3=0", 0, u"xx+yyy=0"},
        {u"(x^2+1)^2", 0, u"(xx+1)(xx+1)"},
        {u"((x)+1)^2", 0, u"((x)+1)((x)+1)"},
        {u"2.5^2", 0, u"2.5*2.5"}, // a decimal base is the whole number
        {u"x+1", 0, u"x+1"},
        {u"x^23", -2, nullptr},
        {u"x^7", -2, nullptr},
        {u"^2", -1, nullptr},
        {u"x^", -3, nullptr},
        {u"x^a", -3, nullptr},
        {u"+^2", -1, nullptr},
        {u")^2", -2, nullptr},
        {u"ab)^2", -2, nullptr}, // no matching '('
    };
    for (const Row &row : rows) {
        std::u16string out;
        EXPECT_EQ(ExpandPowers(row.source, out), row.code) << narrow(row.source);
        if (row.code == 0) {
            EXPECT_EQ(out, row.expected) << narrow(row.source);
        }
    }
    std::u16string text = u"(a+b+c)^6";
    EXPECT_EQ(ExpandPowers(text, text), 0); // the source may be the output
    EXPECT_EQ(text, u"(a+b+c)(a+b+c)(a+b+c)(a+b+c)(a+b+c)(a+b+c)");
    // A product that would not fit a formula text is refused, never cut into another formula.
    for (const char16_t *tooLong :
         {u"(a+b+c+d+e)^6", u"(abcdefghijklmn)^6", u"(a+b)^6+(a+b+c+d)^6"}) {
        std::u16string out;
        EXPECT_EQ(ExpandPowers(tooLong, out), -2) << narrow(tooLong);
    }
}

TEST(TermAlgebra, ParseTermListReadsCoefficientsAndLetters)
{
    struct Row
    {
        const char16_t *text;
        std::vector<TermSlot> expected;
    };
    const Row rows[] = {
        {u"3x-2/y+0.5", {term(u"x", 3), term(u"", -2, 1, u"y"), term(u"", 5, 10)}},
        {u"(k-1)k", {term(u"k", 1), term(u"", -1)}}, // reading ends at ')'
        {u"-x", {term(u"x", -1)}},
        {u"2*-3x", {term(u"x", -6)}}, // a sign after '*' belongs to the factor
        {u"x/2y", {term(u"x", 1, 2, u"y")}},
        {u"-3/-4x", {term(u"", 3, 4, u"x")}},
        {u"0x+0.25", {term(u"x", 0), term(u"", 25, 100)}},
        {u"xy*yx", {term(u"xyyx", 1)}},
        {u"/0", {term(u"", 1)}}, // a divisor 0 counts as 1
        {u"1.2.3", {term(u"", 123, 100)}},
        {u"abcdefghij", {term(u"abcdefg", 1)}}, // letters are cut at seven
        {u"x+-1", {term(u"x", 1), term(u"", 0), term(u"", -1)}},
        {u"", {}},
        {u"()", {}},
    };
    for (const Row &row : rows) {
        TermTable t;
        t.slots[0] = term(u"old", 9);
        ASSERT_EQ(ParseTermList(row.text, t), static_cast<int>(row.expected.size()))
            << narrow(row.text);
        EXPECT_EQ(CountTerms(t), static_cast<int>(row.expected.size()));
        for (std::size_t i = 0; i < row.expected.size(); ++i) {
            const TermSlot &got = t.slots[i];
            const TermSlot &want = row.expected[i];
            EXPECT_TRUE(got.numLetters == want.numLetters && got.denLetters == want.denLetters &&
                        got.coefNum == want.coefNum && got.coefDen == want.coefDen)
                << narrow(row.text) << " term " << i << ": " << got.coefNum << "/" << got.coefDen
                << " " << narrow(got.numLetters.view()) << "/" << narrow(got.denLetters.view());
        }
    }
    std::u16string many = u"x";
    for (int i = 0; i < 30; ++i)
        many += u"+x";
    TermTable t;
    EXPECT_EQ(ParseTermList(many, t), kTermSlots);
}

TEST(TermAlgebra, FormatTermListJoinsTermsWithTheirSigns)
{
    struct Row
    {
        TermTable terms;
        const char16_t *expected;
    };
    const Row rows[] = {
        {table({term(u"x", 1), term(u"x", -1), term(u"", 2)}), u"x-x+2"},
        {table({term(u"x", 0), term(u"", 1)}), u"+1"}, // a later slot even after nothing
        {table({term(u"", 2), term(u"x", 1)}),
         u"2+x"}, // coefficient 1 before letters keeps its '+'
        {table({term(u"nn", 1), term(u"n", 1), term(u"", -2)}), u"nn+n-2"},
        {table({term(u"", 2), term(u"x", -1)}), u"2-x"},
        {table({}), u"0"},
        {table({term(u"", 0)}), u"0"},
        {table({term(u"", -1)}), u"-1"},
        {table({term(u"", 1)}), u"1"},
        {table({term(u"x", 3, 2, u"y")}), u"3x/2y"},
        {table({term(u"", 1, 1, u"y")}), u"1/y"},
        {table({term(u"x", 1), term(u"", 1, 1, u"y")}), u"x+1/y"},
        {table({term(u"", -1, 1, u"y")}), u"-1/y"},
        {table({term(u"x", 1, 1, u"y")}), u"x/y"},
        {table({term(u"", 5, 10)}), u"5/10"},
        {table({term(u"x", 1, 2), term(u"", -3, 4)}), u"x/2-3/4"},
        {table({term(u"x", 12), term(u"y", -12)}), u"12x-12y"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(written(row.terms), row.expected);

    TermTable full;
    full.slots.fill(term(u"abcdefg", 1));
    EXPECT_EQ(written(full).size(), kFormulaTextCapacity);
}

TEST(TermAlgebra, SortingLettersAndTerms)
{
    struct LetterRow
    {
        const char16_t *in, *expected;
    };
    const LetterRow letterRows[] = {
        {u"kkx", u"kkx"}, {u"yx", u"xy"}, {u"", u""}, {u"Zaz", u"Zaz"}, {u"kxk", u"kkx"},
    };
    for (const LetterRow &row : letterRows) {
        std::u16string out = u"old";
        SortLetters(row.in, out);
        EXPECT_EQ(out, row.expected);
    }

    struct TermRow
    {
        TermTable in;
        const char16_t *expected;
    };
    const TermRow termRows[] = {
        // Higher degree first, then lower numerator letters.
        {table({term(u"", 2), term(u"k", 1), term(u"kkk", 1), term(u"kk", 1, 1, u"y"),
                term(u"x", 1)}),
         u"kkk+k+kk/y+x+2"},
        {table({term(u"x", 1, 1, u"y"), term(u"", 2)}), u"2+x/y"},
        // Equal numerator letters: the later term whose denominator letters are not lower goes
        // first.
        {table({term(u"k", 1, 1, u"a"), term(u"k", 1, 1, u"b")}), u"k/b+k/a"},
        {table({}), u"0"},
    };
    for (const TermRow &row : termRows) {
        TermTable t = row.in;
        SortTerms(t, t);
        EXPECT_EQ(written(t), row.expected);
        EXPECT_EQ(CountTerms(t), CountTerms(row.in));
    }
}

TEST(TermAlgebra, CollectLikeTermsAddsEqualLetterTerms)
{
    struct Row
    {
        const char16_t *text;
        int count;
        const char16_t *expected;
    };
    const Row rows[] = {
        {u"xy+yx-2", 2, u"2xy-2"},
        {u"k-k", 1, u"0"},
        {u"nn+n-2", 3, u"nn+n-2"},
        {u"2+x", 2, u"x+2"},
        {u"kk+2k+k+2", 3, u"kk+3k+2"},
        {u"0.5x+0.5x", 1, u"x"},
        {u"1/2x+1/2x", 1, u"1/x"},
        {u"x/2+x/3", 1, u"5x/6"},
        {u"2-x+y", 3, u"-x+y+2"},
        {u"kkk-k+k", 2, u"kkk"}, // a zero sum keeps its slot but is not written
        {u"3-3", 1, u"0"},
        {u"", 0, u"0"},
        {u"6/4", 1, u"3/2"},
    };
    for (const Row &row : rows) {
        std::u16string out;
        EXPECT_EQ(CollectLikeTerms(row.text, out), row.count) << narrow(row.text);
        EXPECT_EQ(out, row.expected) << narrow(row.text);
    }
}

TEST(TermAlgebra, MultiplyTermListsAndCancelLetters)
{
    struct Row
    {
        const char16_t *a, *b;
        int count;
        const char16_t *expected;
    };
    const Row rows[] = {
        {u"k+1", u"k-1", 4, u"kk-k+k-1"},
        {u"x/y", u"y", 1, u"x"},
        {u"x/2", u"2/x", 1, u"1"},
        {u"2x/3", u"3/4", 1, u"x/2"},
        {u"abcdefg", u"hijk", 1, u"abcdefg"}, // letters cut at seven
        {u"a+b+c+d", u"e+f+g+h+i", 20, nullptr},
        {u"a+b+c+d+e+f+g+h+i+j+k+l+m+n+o+p+q+r+s+t+u+v+w", u"1", 23, nullptr},
        {u"a+b+c+d+e+f+g+h+i+j+k+l+m+n+o+p+q+r+s+t+u+v+w+x", u"1", -9, nullptr},
        {u"a+b+c+d+e", u"f+g+h+i+j", -9, nullptr},
    };
    for (const Row &row : rows) {
        TermTable a;
        TermTable b;
        ParseTermList(row.a, a);
        ParseTermList(row.b, b);
        EXPECT_EQ(MultiplyTermLists(a, a, b), row.count) << narrow(row.a); // into one of its inputs
        if (row.expected) {
            EXPECT_EQ(written(a), row.expected) << narrow(row.a);
        }
    }

    struct CancelRow
    {
        const char16_t *num, *den, *outNum, *outDen;
    };
    const CancelRow cancelRows[] = {
        {u"xxy", u"xyy", u"x", u"y"}, {u"ab", u"c", u"ab", u"c"},   {u"kk", u"k", u"k", u""},
        {u"", u"xy", u"", u"xy"},     {u"abab", u"ba", u"ab", u""},
    };
    for (const CancelRow &row : cancelRows) {
        std::u16string num = row.num;
        std::u16string den = row.den;
        CancelLetters(num, den);
        EXPECT_EQ(num, row.outNum);
        EXPECT_EQ(den, row.outDen);
    }
}

TEST(TermAlgebra, ExpandProductMultipliesOutBracketedSums)
{
    struct Row
    {
        const char16_t *term;
        int code;
        const char16_t *expected; // checked when the code is positive
    };
    const Row rows[] = {
        {u"(k+1)(k+2)", 2, u"kk+3k+2"},
        {u"k(k+1)(k+2)", 3, u"k(kk+3k+2)"},
        {u"(k+1)", 1, u"k+1"},
        {u"2k", 0, nullptr},
        {u"-(k+1)", 2, u"-k-1"},
        {u"+(k+1)", 1, u"k+1"},
        {u"2(k+1)", 2, u"2k+2"},
        {u"k*(k-1)*(k+1)", 3, u"k*(kk-1)"},
        {u"k*(kk-1)", 2, u"kkk-k"},
        {u"k/2*(k+1)", 2, u"kk/2+k/2"},
        {u"(k+1)(k+2)(k+3)", 3, u"(kk+3k+2)(k+3)"},
        {u"(k+1)(k+2)/(k+3)", 3, u"(kk+3k+2)/(k+3)"},
        {u"(a+1)(b+1)(c+1)(d+1)", 4, u"(ab+a+b+1)(c+1)(d+1)"},
        {u"(k+1", 1, u"k+1"},
        {u"(k+1)/(k+2)", -1, nullptr}, // a divisor is not multiplied
        {u"2/(k+1)(k+2)", -1, nullptr},
        {u"/(k+1)", -1, nullptr},
        {u"(a+b+c+d+e)(f+g+h+i+j)", -9, nullptr},
    };
    for (const Row &row : rows) {
        std::u16string out = u"untouched";
        EXPECT_EQ(ExpandProduct(row.term, out), row.code) << narrow(row.term);
        if (row.code > 0) {
            EXPECT_EQ(out, row.expected) << narrow(row.term);
        }
        if (row.code == 0) {
            EXPECT_EQ(out, u"untouched");
        }
    }
}

TEST(TermAlgebra, SimplifyTermsReducesEachTerm)
{
    struct Row
    {
        const char16_t *text;
        int code;
        const char16_t *expected;
    };
    const Row rows[] = {
        {u"(k-1)k(k+1)", 0, u"k*(k-1)*(k+1)"},
        {u"k-1", 0, u"k-1"},
        {u"-1+k", 0, u"-1+k"},
        {u"2*3k", 0, u"6k"},
        {u"2k*3k", 0, u"6kk"},
        {u"6k/4", 0, u"3k/2"},
        {u"0.5x", 0, u"x/2"},
        {u"x/2/y", 0, u"x/2y"},
        {u"x/x", 0, u"1"},
        {u"-x*y/x", 0, u"-y"},
        {u"(n+1)+2", 0, u"(n+1)+2"},
        {u"-(k+1)", 0, u"-(k+1)"},
        {u"2/(k+1)", 0, u"2/(k+1)"},
        {u"1/(k+1)", 0, u"1/(k+1)"},
        {u"(k+1)(k+2)", 0, u"(k+1)*(k+2)"},
        {u"k(k+1)/2", 0, u"k/2*(k+1)"},
        {u"0k(k+1)", 0, u"0"},
        {u"a+b+c+d+e+f+g+h+i+j+k", 0, u"a+b+c+d+e+f+g+h+i+j"}, // ten terms at most
        {u"", 0, u""},
        {u"2/0", -1, nullptr},
        {u"k+x/0.0", -1, nullptr},
    };
    for (const Row &row : rows) {
        std::u16string out;
        EXPECT_EQ(SimplifyTerms(row.text, out), row.code) << narrow(row.text);
        if (row.code == 0) {
            EXPECT_EQ(out, row.expected) << narrow(row.text);
        }
    }
}

TEST(TermAlgebra, SumNormalisationStepsOfTheSequenceLesson)
{
    // The steps the sum-of-a-sequence lesson chains: simplify, expand term by term, collect.
    std::u16string text;
    ASSERT_EQ(SimplifyTerms(u"(k-1)k(k+1)", text), 0);
    EXPECT_EQ(text, u"k*(k-1)*(k+1)");
    ASSERT_GT(ExpandProduct(text, text), 0);
    EXPECT_EQ(text, u"k*(kk-1)");
    ASSERT_GT(ExpandProduct(text, text), 0);
    EXPECT_EQ(text, u"kkk-k");

    ASSERT_EQ(SimplifyTerms(u"n(n+1)-2", text), 0);
    EXPECT_EQ(text, u"n*(n+1)-2");
    std::u16string expanded;
    ASSERT_GT(ExpandProduct(u"n*(n+1)", expanded), 0);
    EXPECT_EQ(expanded, u"nn+n");
    ASSERT_EQ(CollectLikeTerms(expanded + u"-2", text), 3);
    EXPECT_EQ(text, u"nn+n-2");

    ASSERT_EQ(SimplifyTerms(u"(n+1)+2", text), 0);
    EXPECT_EQ(text, u"(n+1)+2");
    ASSERT_EQ(ExpandProduct(u"(n+1)", expanded), 1);
    ASSERT_EQ(CollectLikeTerms(expanded + u"+2", text), 2);
    EXPECT_EQ(text, u"n+3");
}
