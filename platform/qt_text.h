// Conversions between the game's UTF-16 texts and Qt's, for the platform's Qt side only.
#pragma once

#include <QString>
#include <string>
#include <string_view>

inline QString qText(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string plainText(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                          static_cast<std::size_t>(text.size()));
}
