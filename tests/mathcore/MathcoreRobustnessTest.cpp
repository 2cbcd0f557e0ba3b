// Every text-taking function of the mathematics core on many random texts: no crash, no hang (the
// sanitizer build catches overruns and undefined behaviour), every result code and output within
// its documented range and capacity.

#include "mathcore/NumberText.h"
#include "mathcore/TermAlgebra.h"
#include "mathcore/TextFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

constexpr int kRuns = 30000;
constexpr std::size_t kMaxLength = 80;

constexpr std::u16string_view kAlphabet =
    u"0123456789012345xyknxyknAZa+-+-()()^/.*=<>;_ｘあ²\xFFFF\xD800";

class RandomTexts
{
public:
    explicit RandomTexts(unsigned seed) : m_engine(seed) {}

    std::u16string text(std::u16string_view alphabet = kAlphabet)
    {
        std::u16string out(between(0, kMaxLength), u' ');
        for (char16_t &c : out)
            c = alphabet[between(0, alphabet.size() - 1)];
        return out;
    }

    std::size_t between(std::size_t low, std::size_t high)
    {
        return std::uniform_int_distribution<std::size_t>(low, high)(m_engine);
    }

    template <typename T> T integer() { return static_cast<T>(m_engine()); }

private:
    std::mt19937 m_engine;
};

/// A random text as printable ASCII for failure messages.
std::string shown(std::u16string_view text)
{
    std::string out;
    for (char16_t c : text) {
        if (c >= 0x20 && c < 0x7F)
            out += static_cast<char>(c);
        else
            out += "\\u" + std::to_string(static_cast<int>(c));
    }
    return out;
}

void checkTable(const TermTable &table, int count, const std::u16string &text)
{
    ASSERT_EQ(CountTerms(table), count) << shown(text);
    for (const TermSlot &slot : table.slots) {
        ASSERT_LE(slot.numLetters.size(), kLetterCapacity) << shown(text);
        ASSERT_LE(slot.denLetters.size(), kLetterCapacity) << shown(text);
    }
}

int openBrackets(std::u16string_view text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), u'('));
}

} // namespace

TEST(MathcoreRobustness, ValidatorsAndInTextEvaluatorsOnRandomTexts)
{
    RandomTexts random(20240611);
    for (int run = 0; run < kRuns; ++run) {
        const std::u16string text = random.text();
        const int length = static_cast<int>(text.size());
        for (auto check : {CheckDigitsText, CheckSignedIntegerText}) {
            const int code = check(text);
            ASSERT_TRUE(code == 0 || code == -1) << shown(text);
        }
        for (auto check : {CheckFractionText, CheckDecimalText}) {
            const int code = check(text);
            ASSERT_TRUE(code == -1 || (code >= 0 && code <= std::max(length - 1, 0)))
                << shown(text);
        }

        std::int32_t value = 0;
        const int start = static_cast<int>(random.between(0, text.size() + 10)) - 5;
        const int end = static_cast<int>(random.between(0, text.size() + 10)) - 5;
        for (int mode : {0, 1}) {
            const int at = ReadIntegerAt(text, value, mode, start, end);
            ASSERT_TRUE(at == -1 || (at >= 0 && at <= length)) << shown(text);
        }

        std::u16string sum = text;
        const int sumCode = EvaluateFractionSum(sum);
        ASSERT_TRUE(sumCode >= -1 && sumCode <= 1) << shown(text);
        if (sumCode == -1) {
            ASSERT_EQ(sum, text) << shown(text);
        } else if (sum != text) {
            ASSERT_LE(sum.size(), kFormulaTextCapacity) << shown(text);
        }

        std::u16string product = text;
        for (int step = 0; step < 2; ++step) {
            const std::u16string before = product;
            const int code = EvaluateFractionProduct(product);
            ASSERT_TRUE(code >= -1 && code <= 1) << shown(before);
            if (code == -1) {
                ASSERT_EQ(product, before) << shown(before);
            } else if (product != before) {
                ASSERT_LE(product.size(), kFormulaTextCapacity) << shown(before);
            }
        }
    }
}

TEST(MathcoreRobustness, FormulaSyntaxOnRandomTexts)
{
    RandomTexts random(7);
    for (int run = 0; run < kRuns; ++run) {
        const std::u16string text = random.text();
        for (int kind = 0; kind <= 3; ++kind) {
            const int code = CheckExpressionText(text, kind);
            ASSERT_TRUE(code == -8 || code == -1 || code == 0 || code == 1) << shown(text);
        }
        std::u16string expanded = u"old";
        const int code = ExpandPowers(text, expanded);
        ASSERT_TRUE(code == 0 || code == -1 || code == -2 || code == -3) << shown(text);
        ASSERT_LE(expanded.size(), kFormulaTextCapacity) << shown(text);
        if (code == 0) {
            ASSERT_EQ(expanded.find(u'^'), std::u16string::npos) << shown(text);
        }
    }
}

TEST(MathcoreRobustness, TermTablesOnRandomTexts)
{
    RandomTexts random(99);
    TermTable previous;
    ParseTermList(u"x+1", previous);
    for (int run = 0; run < kRuns; ++run) {
        const std::u16string text = random.text();
        TermTable table;
        const int count = ParseTermList(text, table);
        ASSERT_TRUE(count >= 0 && count <= kTermSlots) << shown(text);
        checkTable(table, count, text);

        std::u16string written;
        FormatTermList(written, table);
        ASSERT_TRUE(!written.empty() && written.size() <= kFormulaTextCapacity) << shown(text);

        std::u16string letters;
        SortLetters(text, letters);
        ASSERT_TRUE(std::is_sorted(letters.begin(), letters.end()) &&
                    std::is_permutation(letters.begin(), letters.end(), text.begin(), text.end()))
            << shown(text);

        TermTable sorted;
        SortTerms(table, sorted);
        checkTable(sorted, count, text);
        for (int i = 1; i < count; ++i) {
            ASSERT_GE(sorted.slots[static_cast<std::size_t>(i - 1)].degree(),
                      sorted.slots[static_cast<std::size_t>(i)].degree())
                << shown(text);
        }

        TermTable product;
        const int products = MultiplyTermLists(product, table, previous);
        ASSERT_TRUE(products == -9 || (products >= 0 && products < kTermSlots)) << shown(text);
        if (products >= 0) {
            checkTable(product, products, text);
        }
        previous = table;

        std::u16string collected;
        const int distinct = CollectLikeTerms(text, collected);
        ASSERT_TRUE(distinct >= 0 && distinct <= count) << shown(text);
        ASSERT_TRUE(!collected.empty() && collected.size() <= kFormulaTextCapacity) << shown(text);
    }
}

TEST(MathcoreRobustness, ProductExpansionAndSimplificationOnRandomTexts)
{
    RandomTexts random(31337);
    for (int run = 0; run < kRuns; ++run) {
        const std::u16string text = random.text();
        std::u16string simplified = u"old";
        const int code = SimplifyTerms(text, simplified);
        ASSERT_TRUE(code == 0 || code == -1) << shown(text);
        if (code == 0) {
            ASSERT_LE(simplified.size(), kFormulaTextCapacity) << shown(text);
        }

        // Repeated expansion, as the sum lesson does, ends: no step adds a bracket, and every step
        // after the first (which may multiply a sum standing before the brackets) removes one.
        std::u16string term = text;
        for (int step = 0;; ++step) {
            ASSERT_LE(step, openBrackets(text) + 2) << shown(text);
            std::u16string expanded;
            const int pieces = ExpandProduct(term, expanded);
            ASSERT_TRUE(pieces == -9 || pieces == -1 || (pieces >= 0 && pieces <= 4))
                << shown(term);
            if (pieces <= 0) break;
            ASSERT_LE(expanded.size(), kFormulaTextCapacity) << shown(term);
            ASSERT_LE(openBrackets(expanded), openBrackets(term)) << shown(term);
            term = expanded;
        }
    }
}

TEST(MathcoreRobustness, NumberHelpersAndFormatsOnRandomValues)
{
    RandomTexts random(4242);
    for (int run = 0; run < kRuns; ++run) {
        const auto a16 = random.integer<std::int16_t>();
        const auto b16 = random.integer<std::int16_t>();
        const auto a32 = random.integer<std::int32_t>();
        const auto b32 = random.integer<std::int32_t>();

        FactorList factors;
        const int count = FactorPrimes(a16, factors);
        ASSERT_TRUE(count >= 0 && count <= kMaxPrimeFactors);
        ASSERT_EQ(factors[static_cast<std::size_t>(count)], 0);
        FactorList pairs;
        FactorList singles;
        SplitSquareFactors(factors, pairs, singles);
        const int common = CommonFactor(a16, b16);
        ASSERT_TRUE(common == -2 || common >= 1);
        LeastCommonMultiple(a16, b16);
        Gcd(a32, b32);

        std::int32_t num = 0;
        std::int32_t den = 0;
        ReduceFraction(a32, b32, num, den);
        AddFractions(b32, a32, a32, b32, num, den);
        std::u16string text;
        FormatFraction(a16, b16, text);
        ASSERT_LE(text.size(), kFractionTextCapacity);
        FormatSignedFraction(text, a32, run % 2 == 0, b32);
        ASSERT_LE(text.size(), kFormulaTextCapacity);

        const std::u16string format = random.text(u"%%%-+ #0123456789.hlLjztdiuoxXfeEgGaAcs*q ｘ");
        formatText(format, a32, -3.5, u"ab", 7LL, u'c', 1e300, "x");
    }
}
