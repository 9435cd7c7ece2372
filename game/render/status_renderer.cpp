// Drawing of the time bar, the status line and the clearing effects over the board.
#include "game/render/status_renderer.h"

#include "game/render/kept_parts.h"
#include "platform/text.h"
#include "platform/translation.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr Colour kTurnScoreBlue = rgbColour(0, 0, 250);
constexpr Colour kHalo = rgbColour(250, 250, 250);

std::u16string numbered(std::u16string_view format, std::int32_t value) {
    return fillIn(format, {utf16FromUtf8(std::to_string(value))});
}

PixelRect effectRect(const Scale& scale, int column, int row) {
    return scaledRect(scale, 5 + kCellPitch * column, 11 + kCellPitch * row, 28, 28);
}

// The sparkle bitmap for an age in ticks: three stages, then none.
int sparkleSlot(std::uint32_t ticks) {
    return ticks <= 1 ? 0 : ticks <= 3 ? 1 : ticks <= 6 ? 2 : -1;
}

struct StatusText {
    std::u16string text;
    unsigned align = 0;
    Colour colour = blackColour;
};

// What the status line shows: its place, its font size and its texts in drawing order.
struct StatusLineLook {
    PixelRect line;
    int fontPixels = 0;
    std::vector<StatusText> texts;

    // Everything the line's pixels follow from, as bytes.
    std::string key() const {
        std::string bytes;
        for (int value : {line.left, line.top, line.right, line.bottom, fontPixels}) {
            bytes += std::to_string(value) + ',';
        }
        for (const StatusText& text : texts) {
            bytes += std::to_string(text.align) + ',' + std::to_string(text.colour) + ',';
            bytes.append(reinterpret_cast<const char*>(text.text.data()),
                         text.text.size() * sizeof(char16_t));
            bytes += '\0';
        }
        return bytes;
    }
};

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

// Black digits with a near-white outline on white: four halo copies, each shifted one pixel.
Surface composePopup(std::u16string_view text) {
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
        base.stretchCopyWhiteTransparent(ink, {0, 0, 28, 28});
    }
    return base;
}

} // namespace

int timeBarRight(std::uint32_t timeLeftMs) {
    return 10 + int(double(timeLeftMs) * (1.0 / 105000) * 220);
}

PixelRect timeBarRect(const Scale& scale) {
    return {int(10 * scale.x), int(260 * scale.y), int(230 * scale.x), int(265 * scale.y)};
}

int timeBarEdge(std::uint32_t timeLeftMs, double scaleX) {
    return int(timeBarRight(timeLeftMs) * scaleX);
}

std::u16string popupText(std::int32_t points) {
    if (points >= 0) {
        return utf16FromUtf8(std::to_string(points));
    }
    return utf16FromUtf8("-" + std::to_string(-std::int64_t(points)));
}

void drawTimeBar(Surface& target, const Scale& scale, const EngineState& state) {
    if (state.level == Easy) {
        return;
    }
    const PixelRect bar = timeBarRect(scale);
    const int right = timeBarEdge(state.timeLeftMs, scale.x);
    const std::string key = std::to_string(bar.left) + ',' + std::to_string(bar.top) + ',' +
                            std::to_string(bar.right) + ',' + std::to_string(bar.bottom) + ',' +
                            std::to_string(right);
    if (target.kept().shows(kTimeBar, key)) {
        return;
    }
    target.fillRect(bar, blackColour);
    if (right != bar.left) {
        target.fillRect({bar.left, bar.top, right, bar.bottom}, whiteColour);
        const PixelPoint outline[] = {{bar.left, bar.top},
                                      {right, bar.top},
                                      {right, bar.bottom},
                                      {bar.left, bar.bottom},
                                      {bar.left, bar.top}};
        target.polyline(outline);
    }
    // The outline's right and bottom edges lie just outside the filled rectangle.
    target.kept().keep(kTimeBar,
                       {{bar.left, bar.top, std::max(bar.right, right + 1), bar.bottom + 1}}, key);
}

void drawStatusLine(Surface& target, const Scale& scale, const EngineState& state,
                    const RenderOptions& options) {
    StatusLineLook look;
    look.line = {int(10 * scale.x), int(245 * scale.y), int(230 * scale.x), int(259 * scale.y)};
    look.fontPixels = std::max(1, int(11 * scale.y));
    constexpr unsigned bottom = TextAlign::Bottom;
    if (state.demoMode) {
        look.texts.push_back({translate("StatusLine", "demo mode - game->new to start"),
                              TextAlign::Centre | bottom, blackColour});
    } else if (!options.showTurnScore) {
        look.texts.push_back({numbered(translate("StatusLine", "Score: %1"), state.score),
                              TextAlign::Centre | bottom, blackColour});
    } else {
        look.texts.push_back({numbered(translate("StatusLine", "Score: %1"), state.score),
                              TextAlign::Left | bottom, blackColour});
        if (state.turnScoreVisible && state.turnScore != 0) {
            look.texts.push_back(
                {numbered(translate("StatusLine", "This Turn: %1"), state.turnScore),
                 TextAlign::Right | bottom, kTurnScoreBlue});
        }
    }
    target.setFontPixelSize(look.fontPixels);
    // Laying out text is the dearest part of a frame: while the target still shows this very
    // line, drawing it again would change no pixel.
    std::string key = look.key();
    if (target.kept().shows(kStatusLine, key)) {
        return;
    }
    target.fillRect(look.line, whiteColour);
    for (const StatusText& text : look.texts) {
        target.drawText(look.line, text.text, text.align, text.colour);
    }
    target.kept().keep(kStatusLine, {look.line}, std::move(key));
}

void drawEffects(Surface& target, const Scale& scale, const EngineState& state, const PieceArt& art,
                 const RenderOptions& options) {
    if (!options.transparencyOn) {
        return;
    }
    for (const Sparkle& sparkle : state.sparkles) {
        const int slot = sparkleSlot(sparkle.ticks);
        if (slot >= 0 && art.sparkles[slot]) {
            target.stretchCopyWhiteTransparent(*art.sparkles[slot],
                                               effectRect(scale, sparkle.column, sparkle.row));
        }
    }
    // A pop-up's picture depends on its text alone, and composing it draws text five times; kept
    // as a bitmap, it is also kept stretched to the drawing size.
    static auto& composed = *new std::map<std::u16string, std::optional<Bitmap>>;
    for (const ScorePopup& popup : state.popups) {
        std::u16string text = popupText(popup.points);
        auto found = composed.find(text);
        if (found == composed.end()) {
            if (composed.size() >= 64) {
                composed.clear();
            }
            found = composed.emplace(text, Bitmap::fromImage(composePopup(text).image())).first;
        }
        if (found->second) {
            target.stretchCopyWhiteTransparent(*found->second,
                                               effectRect(scale, popup.column, popup.row));
        }
    }
}
