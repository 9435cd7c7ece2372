// Little-endian 32-bit numbers as the theme file stores them.
#include "theme_format/byte_order.h"

std::optional<std::uint32_t> readUint32(std::istream& in) {
    unsigned char bytes[4] = {};
    if (!in.read(reinterpret_cast<char*>(bytes), sizeof bytes)) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::optional<std::uint64_t> bytesRemaining(std::istream& in) {
    const std::istream::pos_type here = in.tellg();
    if (here == std::istream::pos_type(-1) || !in.seekg(0, std::ios::end)) {
        return std::nullopt;
    }
    const std::istream::pos_type end = in.tellg();
    in.seekg(here);
    if (end == std::istream::pos_type(-1) || !in || end < here) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(end - here);
}
