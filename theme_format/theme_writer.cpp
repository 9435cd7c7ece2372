// Lays out a theme file: header, name and the seven bitmap records.
#include "theme_format/theme_file.h"

namespace {

constexpr char kHeader[8] = {'Z', 'P', 'K', '\0', '1', '.', '1', '\0'};

// The converted name up to its first zero unit, at most 259 units, never half a surrogate pair.
std::u16string storedName(std::u16string name) {
    name = name.substr(0, name.find(u'\0'));
    if (name.size() > kThemeNameUnits - 1) {
        name.resize(kThemeNameUnits - 1);
        if (name.back() >= 0xD800 && name.back() <= 0xDBFF) {
            name.pop_back();
        }
    }
    return name;
}

void putUint32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift & 0xff));
    }
}

void putName(std::vector<std::uint8_t>& out, const std::u16string& name) {
    putUint32(out, static_cast<std::uint32_t>(2 * name.size() + 2));
    for (const char16_t unit : name + u'\0') {
        out.push_back(static_cast<std::uint8_t>(unit & 0xff));
        out.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
}

} // namespace

std::optional<std::vector<std::uint8_t>>
themeFileBytes(std::string_view narrowName, const NarrowToUtf16& toUtf16,
               const std::vector<std::uint8_t> (&records)[kThemeRecordCount]) {
    std::size_t size = sizeof kHeader + 4 + kThemeNameMaxBytes;
    for (const auto& record : records) {
        if (record.size() > kThemeRecordMaxBytes) {
            return std::nullopt;
        }
        size += 4 + record.size();
    }
    std::vector<std::uint8_t> bytes;
    bytes.reserve(size);
    bytes.insert(bytes.end(), std::begin(kHeader), std::end(kHeader));
    putName(bytes, storedName(toUtf16(narrowName)));
    for (const auto& record : records) {
        putUint32(bytes, static_cast<std::uint32_t>(record.size()));
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return bytes;
}
