#include "mathcore/TextFormat.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr int kMaxFieldWidth = 4096;

/// One parsed conversion: "%[flags][width][.precision][length]conversion".
struct Conversion
{
    std::string flags;
    int width = -1;
    int precision = -1;
    std::string length;
    char conversion = 0;
    std::size_t end = 0; ///< index just past the conversion character
};

bool isAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

/// Reads a run of decimal digits at `pos`; -1 when there is none, kMaxFieldWidth + 1 when too
/// large.
int readNumber(std::u16string_view format, std::size_t &pos)
{
    if (pos >= format.size() || !isAsciiDigit(format[pos])) return -1;
    int value = 0;
    while (pos < format.size() && isAsciiDigit(format[pos])) {
        if (value <= kMaxFieldWidth) value = value * 10 + (format[pos] - u'0');
        ++pos;
    }
    return value;
}

/// Parses the conversion starting at the '%' at `start`; false when it is malformed.
bool parseConversion(std::u16string_view format, std::size_t start, Conversion &conv)
{
    std::size_t pos = start + 1;
    while (pos < format.size() &&
           std::u16string_view(u"-+ #0").find(format[pos]) != std::u16string_view::npos)
        conv.flags += static_cast<char>(format[pos++]);
    conv.width = readNumber(format, pos);
    if (pos < format.size() && format[pos] == u'.') {
        ++pos;
        conv.precision = readNumber(format, pos);
        if (conv.precision < 0) conv.precision = 0; // "%.f" means precision 0
    }
    if (conv.width > kMaxFieldWidth || conv.precision > kMaxFieldWidth) return false;
    while (pos < format.size() &&
           std::u16string_view(u"hljztL").find(format[pos]) != std::u16string_view::npos) {
        conv.length += static_cast<char>(format[pos++]);
        if (conv.length.size() > 2) return false;
    }
    if (pos >= format.size()) return false;
    const char16_t c = format[pos];
    if (std::u16string_view(u"diuoxXfFeEgGaAcs").find(c) == std::u16string_view::npos) return false;
    conv.conversion = static_cast<char>(c);
    conv.end = pos + 1;
    return true;
}

/// A floating value as an integer without undefined behaviour: truncated, saturated, NaN as 0.
long long truncateToInteger(double value)
{
    if (std::isnan(value)) return 0;
    if (value >= 9.2e18) return LLONG_MAX;
    if (value <= -9.2e18) return LLONG_MIN;
    return static_cast<long long>(value);
}

long long integerValue(const FormatArg &arg)
{
    return arg.kind() == FormatArg::Kind::Floating ? truncateToInteger(arg.floating())
                                                   : arg.integer();
}

/// The value printf would read for a signed conversion with this length modifier.
long long asSigned(long long value, const std::string &length)
{
    if (length == "hh") return static_cast<signed char>(value);
    if (length == "h") return static_cast<short>(value);
    if (length.empty()) return static_cast<int>(value);
    if (length == "l") return static_cast<long>(value);
    return value;
}

/// The value printf would read for an unsigned conversion with this length modifier.
unsigned long long asUnsigned(long long value, const std::string &length)
{
    if (length == "hh") return static_cast<unsigned char>(value);
    if (length == "h") return static_cast<unsigned short>(value);
    if (length.empty()) return static_cast<unsigned int>(value);
    if (length == "l") return static_cast<unsigned long>(value);
    return static_cast<unsigned long long>(value);
}

template <typename T> std::u16string runSnprintf(const std::string &printfFormat, T value)
{
    const int size = std::snprintf(nullptr, 0, printfFormat.c_str(), value);
    if (size <= 0) return {};
    std::string buffer(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(buffer.data(), buffer.size(), printfFormat.c_str(), value);
    buffer.resize(static_cast<std::size_t>(size));
    return std::u16string(buffer.begin(), buffer.end()); // snprintf writes ASCII only
}

std::string numericSpec(const Conversion &conv, const char *length)
{
    std::string printfFormat = "%" + conv.flags;
    if (conv.width >= 0) printfFormat += std::to_string(conv.width);
    if (conv.precision >= 0) printfFormat += "." + std::to_string(conv.precision);
    return printfFormat + length + conv.conversion;
}

/// Pads a text to the conversion's width with blanks, on the left unless the '-' flag is given.
std::u16string padded(std::u16string text, const Conversion &conv)
{
    if (conv.width < 0 || text.size() >= static_cast<std::size_t>(conv.width)) return text;
    const std::u16string fill(static_cast<std::size_t>(conv.width) - text.size(), u' ');
    return conv.flags.find('-') != std::string::npos ? text + fill : fill + text;
}

std::u16string formatOne(const Conversion &conv, const FormatArg &arg)
{
    switch (conv.conversion) {
    case 'd':
    case 'i':
        return runSnprintf(numericSpec(conv, "ll"), asSigned(integerValue(arg), conv.length));
    case 'u':
    case 'o':
    case 'x':
    case 'X':
        return runSnprintf(numericSpec(conv, "ll"), asUnsigned(integerValue(arg), conv.length));
    case 'c':
        return padded(std::u16string(1, static_cast<char16_t>(integerValue(arg))), conv);
    case 's': {
        std::u16string text;
        if (arg.kind() == FormatArg::Kind::Text16)
            text = arg.text16();
        else if (arg.kind() == FormatArg::Kind::Text8)
            text = fromUtf8(arg.text8());
        else
            return {};
        if (conv.precision >= 0) cutToCapacity(text, static_cast<std::size_t>(conv.precision));
        return padded(std::move(text), conv);
    }
    default: {
        const double value = arg.kind() == FormatArg::Kind::Floating
                                 ? arg.floating()
                                 : static_cast<double>(arg.integer());
        return runSnprintf(numericSpec(conv, ""), value);
    }
    }
}

} // namespace

std::u16string formatTextArgs(std::u16string_view format, std::span<const FormatArg> args)
{
    std::u16string out;
    std::size_t next = 0;
    for (std::size_t pos = 0; pos < format.size(); ++pos) {
        if (format[pos] != u'%') {
            out += format[pos];
            continue;
        }
        if (pos + 1 < format.size() && format[pos + 1] == u'%') {
            out += u'%';
            ++pos;
            continue;
        }
        Conversion conv;
        if (!parseConversion(format, pos, conv)) {
            out += u'%'; // malformed: the text is copied as it stands
            continue;
        }
        if (next < args.size()) out += formatOne(conv, args[next++]);
        pos = conv.end - 1;
    }
    return out;
}

std::u16string formatTextArgs(std::string_view utf8Format, std::span<const FormatArg> args)
{
    return formatTextArgs(std::u16string_view(fromUtf8(utf8Format)), args);
}

std::u16string fromUtf8(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[pos]);
        int extra = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            code = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            code = lead & 0x07;
        } else {
            out += u'\xFFFD';
            ++pos;
            continue;
        }
        bool valid = pos + static_cast<std::size_t>(extra) < text.size();
        for (int i = 1; valid && i <= extra; ++i) {
            const unsigned char c =
                static_cast<unsigned char>(text[pos + static_cast<std::size_t>(i)]);
            valid = (c & 0xC0) == 0x80;
            code = (code << 6) | (c & 0x3F);
        }
        // Overlong forms, surrogates and code points above U+10FFFF are invalid.
        if (valid && ((extra == 2 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) ||
                      (extra == 3 && (code < 0x10000 || code > 0x10FFFF))))
            valid = false;
        if (!valid) {
            out += u'\xFFFD';
            ++pos;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (code >> 10));
            out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            out += static_cast<char16_t>(code);
        }
        pos += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}
