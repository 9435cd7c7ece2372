// The three readers of a theme file, each with its own checks and never past the file's end.
#include "theme_format/byte_order.h"
#include "theme_format/theme_file.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char kMagic[4] = {'Z', 'P', 'K', '\0'};
constexpr char kVersion[4] = {'1', '.', '1', '\0'};

bool readFourBytesEqualTo(std::istream& in, const char (&expected)[4]) {
    char bytes[4] = {};
    return in.read(bytes, sizeof bytes) && std::memcmp(bytes, expected, sizeof bytes) == 0;
}

} // namespace

bool checkThemeHeader(std::istream& in) {
    in.clear();
    if (!in.seekg(0)) {
        return false;
    }
    const bool magicMatches = readFourBytesEqualTo(in, kMagic);
    return readFourBytesEqualTo(in, kVersion) && magicMatches;
}

std::optional<std::u16string> readThemeName(std::istream& in) {
    in.clear();
    const auto length = in.seekg(8) ? readUint32(in) : std::nullopt;
    if (!length) {
        return std::nullopt;
    }
    // Never more than one name buffer, whatever N claims; a short file gives what it holds.
    char bytes[kThemeNameMaxBytes] = {};
    in.read(bytes, std::min<std::uint32_t>(*length, kThemeNameMaxBytes));
    const auto got = static_cast<std::size_t>(in.gcount());
    std::u16string name;
    for (std::size_t at = 0; at + 1 < got && name.size() < kThemeNameUnits - 1; at += 2) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                                static_cast<unsigned char>(bytes[at + 1]) << 8);
        if (unit == u'\0') {
            break;
        }
        name += unit;
    }
    return name;
}

bool skipThemeName(std::istream& in) {
    const auto length = readUint32(in);
    const auto remaining = bytesRemaining(in);
    if (!length || !remaining || *length > kThemeNameMaxBytes || *length > *remaining) {
        return false;
    }
    return static_cast<bool>(in.seekg(*length, std::ios::cur));
}

bool readPieceRecord(std::istream& in, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    const auto size = readUint32(in);
    const auto remaining = bytesRemaining(in);
    if (!size || !remaining || *size > kThemeRecordMaxBytes || *size > *remaining) {
        return false;
    }
    bytes.resize(*size);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(*size))) {
        bytes.clear();
        return false;
    }
    return true;
}

bool readThemeRecords(std::istream& in, std::vector<std::uint8_t> (&records)[kThemeRecordCount]) {
    if (!checkThemeHeader(in) || !skipThemeName(in)) {
        return false;
    }
    for (auto& record : records) {
        if (!readPieceRecord(in, record)) {
            return false;
        }
    }
    return true;
}
