// Colours as the game stores them (0x00BBGGRR) and the pixel geometry of drawing surfaces.
#pragma once

#include <cstdint>

// Red + 256 green + 65536 blue, as stored in the preferences file.
using Colour = std::uint32_t;

constexpr Colour rgbColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Colour(red) | (Colour(green) << 8) | (Colour(blue) << 16);
}
constexpr std::uint8_t redOf(Colour c) {
    return std::uint8_t(c & 0xFF);
}
constexpr std::uint8_t greenOf(Colour c) {
    return std::uint8_t((c >> 8) & 0xFF);
}
constexpr std::uint8_t blueOf(Colour c) {
    return std::uint8_t((c >> 16) & 0xFF);
}

constexpr Colour whiteColour = rgbColour(255, 255, 255);
constexpr Colour blackColour = rgbColour(0, 0, 0);

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// Includes its left and top edges, excludes its right and bottom edges.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool operator==(const PixelRect&) const = default;
};

// The smallest rectangle holding both; an empty one adds nothing.
inline PixelRect unite(const PixelRect& a, const PixelRect& b) {
    if (a.empty()) {
        return b;
    }
    if (b.empty()) {
        return a;
    }
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
            a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

struct PixelSize {
    int width = 0;
    int height = 0;
};
