#include "ui/FontMap.h"

#include <QFontMetrics>
#include <QString>

#include <algorithm>
#include <map>
#include <tuple>

namespace {

QFont::Weight qtWeight(int weight)
{
    if (weight >= 800) return QFont::ExtraBold;
    if (weight >= 700) return QFont::Bold;
    return QFont::Normal;
}

QFont baseFont(std::u16string_view face)
{
    QFont font;
    font.setFamilies(fontFamilies(face));
    font.setStyleHint(QFont::AnyStyle, QFont::PreferAntialias);
    return font;
}

// Orders canvas fonts for the cache of pixel sizes.
struct FontLess
{
    bool operator()(const Font &a, const Font &b) const
    {
        return std::tie(a.height, a.weight, a.charset, a.face) <
               std::tie(b.height, b.weight, b.charset, b.face);
    }
};

// The largest pixel size whose ascent + descent does not exceed the cell height. Fonts with a
// large descent (the Latin serif) need a pixel size well below the cell height.
int fittingPixelSize(QFont font, int height)
{
    for (int size = height; size > 1; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        if (metrics.ascent() + metrics.descent() <= height) return size;
    }
    return 1;
}

} // namespace

QStringList fontFamilies(std::u16string_view face)
{
#ifdef _WIN32
    return QStringList{
        QString(reinterpret_cast<const QChar *>(face.data()), static_cast<qsizetype>(face.size()))};
#else
    struct Entry
    {
        std::u16string_view face;
        const char *families[2];
    };
    static constexpr Entry table[] = {
        {u"MS Serif", {"Liberation Serif", "IPAPMincho"}},
        {u"ＭＳ 明朝", {"IPAMincho", nullptr}},
        {u"ＭＳ　ゴシック", {"IPAGothic", nullptr}},
        {u"ＭＳ Ｐゴシック", {"IPAPGothic", nullptr}},
        {u"MS UI Gothic", {"IPAPGothic", nullptr}},
        {u"system", {"IPAPGothic", nullptr}},
    };
    for (const Entry &entry : table) {
        if (entry.face != face) continue;
        QStringList families;
        for (const char *family : entry.families) {
            if (family) families << QString::fromLatin1(family);
        }
        return families;
    }
    return QStringList{QStringLiteral("IPAPGothic")};
#endif
}

QFont qtFont(const Font &font)
{
    // Measuring a font is slow; figures select the same few fonts over and over.
    static std::map<Font, int, FontLess> pixelSizes;
    QFont result = baseFont(font.face);
    result.setWeight(qtWeight(font.weight));
    const int height = std::max(1, font.height);
    auto it = pixelSizes.find(font);
    if (it == pixelSizes.end())
        it = pixelSizes.emplace(font, fittingPixelSize(result, height)).first;
    result.setPixelSize(it->second);
    return result;
}

QFont dialogFont(std::u16string_view face, int points)
{
    QFont result = baseFont(face);
    result.setPixelSize(std::max(1, (points * 4 + 1) / 3));
    return result;
}
