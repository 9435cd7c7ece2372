// UTF-16 texts in fixed-width fields: always terminated, never written past the field.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The text a field holds: up to its first zero unit, or the whole field when it has none.
std::u16string_view fieldText(const char16_t* field, std::size_t fieldUnits);

template <std::size_t N> std::u16string_view fieldText(const char16_t (&field)[N]) {
    return fieldText(field, N);
}

// Stores text in a field of fieldUnits units (the terminator included), zero-filling the rest.
// A longer text is cut so that the terminator still fits; returns whether the whole text fitted.
bool setFieldText(char16_t* field, std::size_t fieldUnits, std::u16string_view text);

template <std::size_t N> bool setFieldText(char16_t (&field)[N], std::u16string_view text) {
    return setFieldText(field, N, text);
}

// Conversions at the boundary with the desktop's own (UTF-8) texts.
std::u16string utf16FromUtf8(std::string_view text);
std::string utf8FromUtf16(std::u16string_view text);
