// Composing a score pop-up: four halo copies of the text, each shifted one pixel, under the ink.
#include "game/render/popup_pictures.h"

#include "platform/surface.h"
#include "platform/text.h"

namespace {

constexpr Colour kHalo = rgbColour(250, 250, 250);

// The pop-up font: 11 pixels, smaller where a long number ("12345", "-1234") would not fit
// between the halo copies' narrowest rectangles (26 pixels).
int popupFontPixels(std::u16string_view text) {
    Surface measure(1, 1);
    int pixels = 11;
    for (; pixels > 6; --pixels) {
        measure.setFontPixelSize(pixels);
        if (measure.textWidth(text) <= 26) {
            break;
        }
    }
    return pixels;
}

std::optional<Bitmap> composePopup(std::u16string_view text) {
    struct Layer {
        PixelRect rect;
        Colour colour;
    };
    static constexpr Layer layers[] = {
        {{0, 0, 26, 20}, kHalo},
        {{2, 0, 28, 20}, kHalo},
        {{0, 0, 28, 19}, kHalo},
        {{0, 0, 28, 20}, blackColour},
    };
    constexpr unsigned align = TextAlign::Centre | TextAlign::Bottom;
    const int fontPixels = popupFontPixels(text);
    Surface base(28, 28);
    base.setFontPixelSize(fontPixels);
    base.drawText({0, 0, 28, 21}, text, align, kHalo);
    for (const Layer& layer : layers) {
        Surface ink(28, 28);
        ink.setFontPixelSize(fontPixels);
        ink.drawText(layer.rect, text, align, layer.colour);
        if (const auto inked = Bitmap::fromImage(ink.image())) {
            base.stretchCopy(*inked, {0, 0, 28, 28}, true);
        }
    }
    return Bitmap::fromImage(base.image());
}

} // namespace

std::u16string popupText(std::int32_t points) {
    if (points >= 0) {
        return utf16FromUtf8(std::to_string(points));
    }
    return utf16FromUtf8("-" + std::to_string(-std::int64_t(points)));
}

const Bitmap* PopupPictures::picture(std::int32_t points) {
    auto found = made_.find(points);
    if (found == made_.end()) {
        found = made_.emplace(points, composePopup(popupText(points))).first;
    }
    return found->second ? &*found->second : nullptr;
}

void PopupPictures::trim() {
    if (made_.size() >= 64) {
        made_.clear();
    }
}
