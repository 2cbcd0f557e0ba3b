#include "mathcore/TextFormat.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

namespace {

std::u16string widen(const char *ascii)
{
    return std::u16string(ascii, ascii + std::char_traits<char>::length(ascii));
}

template <typename T> std::u16string printfReference(const char *format, T value)
{
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, value);
    return widen(buffer);
}

} // namespace

TEST(TextFormat, NumbersMatchPrintf)
{
    const char *floatFormats[] = {"%3.1f", "%1.3f",   "%2.1f",  "%5.2f", "%3.2f", "%f",
                                  "%+.0f", "%-8.2f|", "%08.3f", "%e",    "%g",    "%.10g"};
    const double values[] = {0.0, 1.5, -1.25, 0.05, 2.675, 3.1415926535, -1234.5678, 1e-7, 1e20};
    for (const char *format : floatFormats)
        for (double value : values)
            EXPECT_EQ(formatText(format, value), printfReference(format, value))
                << format << " " << value;

    const char *intFormats[] = {"%d", "%2d", "%-4d|", "%04d", "%+d", "% d", "%x", "%X", "%o", "%u"};
    const int ints[] = {0, 7, -7, 123456, -2147483647 - 1};
    for (const char *format : intFormats)
        for (int value : ints)
            EXPECT_EQ(formatText(format, value), printfReference(format, value))
                << format << " " << value;
}

TEST(TextFormat, ArgumentsAreReadAsTheFormatNamesThem)
{
    struct Row
    {
        std::u16string actual;
        const char16_t *expected;
    };
    const Row rows[] = {
        {formatText(u"%d/%d", std::int16_t{3}, 4), u"3/4"},
        {formatText(u"%d", std::int16_t{-5}), u"-5"},
        {formatText(u"%hd", 40000), u"-25536"},  // printf reads a short
        {formatText(u"%d", 4294967295u), u"-1"}, // printf reads an int
        {formatText(u"%u", -1), u"4294967295"},
        {formatText(u"%ld", 123456789L), u"123456789"},
        {formatText(u"%lld", -9000000000LL), u"-9000000000"},
        {formatText(u"%3.2f", 2), u"2.00"}, // an integer for a float conversion
        {formatText(u"%d", 2.9), u"2"},     // a float for an integer conversion
        {formatText(u"%c%c", u'ｘ', 'y'), u"ｘy"},
        {formatText(u"%3c|", u'a'), u"  a|"},
        {formatText(u"100%%"), u"100%"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(row.actual, row.expected);
}

TEST(TextFormat, TextsAreInsertedAsUtf16)
{
    struct Row
    {
        std::u16string actual;
        const char16_t *expected;
    };
    const std::u16string slope = u"-2";
    const std::u16string_view intercept = u"+1/3";
    const Row rows[] = {
        {formatText("(1)y=%sx%s ", slope, intercept), u"(1)y=-2x+1/3 "},
        {formatText(u"頂点  (%s,%s)", u"1/2", "-3"), u"頂点  (1/2,-3)"},
        {formatText(u"傾き     %d", -3), u"傾き     -3"},
        {formatText("ｘ切片   %d/%d", 1, 2), u"ｘ切片   1/2"}, // a UTF-8 format
        {formatText(u"[%5s]", u"あい"), u"[   あい]"},         // widths count UTF-16 units
        {formatText(u"[%-4s]", u"ab"), u"[ab  ]"},
        {formatText(u"[%.2s]", u"abcdef"), u"[ab]"},
        {formatText(u"%s", static_cast<const char16_t *>(nullptr)), u""},
        {formatText(u"%s", "\xE3\x81\x82\xFF"), u"あ\xFFFD"}, // invalid UTF-8 byte
    };
    for (const Row &row : rows)
        EXPECT_EQ(row.actual, row.expected);
}

TEST(TextFormat, MalformedFormatsAndMissingArgumentsAreDefined)
{
    struct Row
    {
        std::u16string actual;
        const char16_t *expected;
    };
    const Row rows[] = {
        {formatText(u"%d and %d", 1), u"1 and "}, // no argument left: nothing
        {formatText(u"%d", 1, 2), u"1"},          // surplus arguments are ignored
        {formatText(u"%s", 5), u""},              // a number for a text conversion
        {formatText(u"%q%"), u"%q%"},             // malformed: copied as it stands
        {formatText(u"%*d", 5), u"%*d"},
        {formatText(u"%99999d", 5), u"%99999d"}, // width beyond the limit
        {formatText(u"%hhhd", 5), u"%hhhd"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(row.actual, row.expected);
    std::u16string text = u"abcdef";
    cutToCapacity(text, 4);
    EXPECT_EQ(text, u"abcd");
    cutToCapacity(text, 10);
    EXPECT_EQ(text, u"abcd");
}
