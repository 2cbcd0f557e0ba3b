#pragma once

#include <QString>

#include <string_view>

/// A QString holding the same UTF-16 text: the program's texts cross into Qt here.
inline QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
