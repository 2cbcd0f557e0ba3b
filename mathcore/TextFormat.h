#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

/// One argument of `formatText`: a number (integer or floating point) or a text. Texts are held by
/// view, so they must outlive the call, as the arguments of one expression do.
class FormatArg
{
public:
    enum class Kind
    {
        Integer,
        Floating,
        Text16,
        Text8
    };

    template <typename T>
    requires std::is_integral_v<T> FormatArg(T value)
        : m_kind(Kind::Integer), m_integer(static_cast<long long>(value))
    {}
    template <typename T>
    requires std::is_floating_point_v<T> FormatArg(T value)
        : m_kind(Kind::Floating), m_floating(static_cast<double>(value))
    {}
    FormatArg(std::u16string_view text) : m_kind(Kind::Text16), m_text16(text) {}
    FormatArg(const std::u16string &text) : m_kind(Kind::Text16), m_text16(text) {}
    FormatArg(const char16_t *text)
        : m_kind(Kind::Text16), m_text16(text ? std::u16string_view(text) : std::u16string_view())
    {}
    /// A narrow text is read as UTF-8.
    FormatArg(std::string_view text) : m_kind(Kind::Text8), m_text8(text) {}
    FormatArg(const std::string &text) : m_kind(Kind::Text8), m_text8(text) {}
    FormatArg(const char *text)
        : m_kind(Kind::Text8), m_text8(text ? std::string_view(text) : std::string_view())
    {}

    Kind kind() const { return m_kind; }
    long long integer() const { return m_integer; }
    double floating() const { return m_floating; }
    std::u16string_view text16() const { return m_text16; }
    std::string_view text8() const { return m_text8; }

private:
    Kind m_kind;
    long long m_integer = 0;
    double m_floating = 0.0;
    std::u16string_view m_text16;
    std::string_view m_text8;
};

/// printf-style formatting into UTF-16, reproducing the C runtime's output exactly.
///
/// The format is a UTF-16 text (or, in the narrow overload, UTF-8) whose plain characters are
/// copied as they are, so Japanese texts such as u"傾き     %d" work. Conversions: `%d %i %u %o %x
/// %X` (with the length modifiers `hh h l ll j z t`: the argument is converted to the type the
/// format names, as printf would read it), `%f %F %e %E %g %G %a %A`, `%c` (a UTF-16 code unit) and
/// `%s` (a UTF-16 or UTF-8 text; precision cuts it, width pads it, both counted in UTF-16 code
/// units), with the flags `- + space # 0`, a width and a precision; `%%` writes a percent sign.
/// Numbers are formatted by std::snprintf, so "%3.1f", "%5.2f" and "%d/%d" give the same characters
/// as printf.
///
/// Defined outside printf: an integer for a floating conversion is converted to double and a
/// floating value for an integer conversion is truncated (saturating); a conversion without a
/// remaining argument, or `%s` with a number, writes nothing; a malformed conversion (or `*` for a
/// width) is copied as plain text; widths and precisions above 4096 are malformed. Surplus
/// arguments are ignored.
std::u16string formatTextArgs(std::u16string_view format, std::span<const FormatArg> args);
std::u16string formatTextArgs(std::string_view utf8Format, std::span<const FormatArg> args);

/// formatText(u"(1)y=%sx%s ", slopeText, interceptText), formatText("%3.2f", 1.5).
template <typename... Args>
std::u16string formatText(std::u16string_view format, const Args &...args)
{
    const std::array<FormatArg, sizeof...(Args)> list{FormatArg(args)...};
    return formatTextArgs(format, list);
}

template <typename... Args>
std::u16string formatText(std::string_view utf8Format, const Args &...args)
{
    const std::array<FormatArg, sizeof...(Args)> list{FormatArg(args)...};
    return formatTextArgs(utf8Format, list);
}

/// A UTF-8 text as UTF-16; an invalid byte sequence becomes U+FFFD.
std::u16string fromUtf8(std::string_view text);

/// Cuts a text to at most `capacity` UTF-16 code units, as a fixed text buffer would hold it.
inline void cutToCapacity(std::u16string &text, std::size_t capacity)
{
    if (text.size() > capacity) text.resize(capacity);
}
