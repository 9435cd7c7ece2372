// UTF-16 texts in fixed-width fields: always terminated, never written past the field.
#include "platform/text.h"

#include <QString>
#include <algorithm>

std::u16string_view fieldText(const char16_t* field, std::size_t fieldUnits) {
    const char16_t* end = std::find(field, field + fieldUnits, u'\0');
    return {field, static_cast<std::size_t>(end - field)};
}

bool setFieldText(char16_t* field, std::size_t fieldUnits, std::u16string_view text) {
    if (fieldUnits == 0) {
        return text.empty();
    }
    const std::size_t kept = std::min(text.size(), fieldUnits - 1);
    std::copy_n(text.data(), kept, field);
    std::fill(field + kept, field + fieldUnits, u'\0');
    return kept == text.size();
}

std::u16string utf16FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdU16String();
}

std::string utf8FromUtf16(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}
