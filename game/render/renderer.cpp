// A frame drawn as what differs from what the buffer shows, part by part in the frame's order;
// the parts below the board (the time bar and the status line) are drawn here, the board's tiles
// in board_renderer.cpp.
#include "game/render/renderer.h"

#include "game/engine/tick.h"
#include "platform/text.h"
#include "platform/translation.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr Colour kTurnScoreBlue = rgbColour(0, 0, 250);

std::u16string numbered(std::u16string_view format, std::int32_t value) {
    return fillIn(format, {utf16FromUtf8(std::to_string(value))});
}

// The fewest milliseconds after which the bar's right edge lies on another pixel; the time
// running out altogether when it never does before.
std::uint32_t msUntilTimeBarMoves(std::uint32_t timeLeftMs, double scaleX) {
    const int now = timeBarEdge(timeLeftMs, scaleX);
    if (timeLeftMs == 0 || timeBarEdge(0, scaleX) == now) {
        return kNeverDue;
    }
    // The edge only ever moves left as time runs down: search for the first step that moves it.
    std::uint32_t stays = 0;
    std::uint32_t moves = timeLeftMs;
    while (moves - stays > 1) {
        const std::uint32_t middle = stays + (moves - stays) / 2;
        if (timeBarEdge(timeLeftMs - middle, scaleX) == now) {
            stays = middle;
        } else {
            moves = middle;
        }
    }
    return moves;
}

bool hintWaiting(const EngineState& state, const RenderOptions& options) {
    const bool selectionShown = state.selection.column != -1 && !state.stylusHeld;
    return options.hintsOn && state.level != Expert && !selectionShown &&
           state.idleMs <= kHintAfterMs;
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

TimeBarLook timeBarLook(const EngineState& state, const Scale& scale) {
    if (state.level == Easy) {
        return {};
    }
    return {true, timeBarRect(scale), timeBarEdge(state.timeLeftMs, scale.x)};
}

void drawTimeBar(Surface& target, const TimeBarLook& look) {
    if (!look.shown) {
        return;
    }
    const PixelRect& bar = look.bar;
    target.fillRect(bar, blackColour);
    if (look.edge == bar.left) {
        return;
    }
    target.fillRect({bar.left, bar.top, look.edge, bar.bottom}, whiteColour);
    const PixelPoint outline[] = {{bar.left, bar.top},
                                  {look.edge, bar.top},
                                  {look.edge, bar.bottom},
                                  {bar.left, bar.bottom},
                                  {bar.left, bar.top}};
    target.polyline(outline);
}

StatusLook statusLook(const EngineState& state, const Scale& scale, const RenderOptions& options) {
    StatusLook look;
    look.line = {int(10 * scale.x), int(245 * scale.y), int(230 * scale.x), int(259 * scale.y)};
    look.fontPixels = std::max(1, int(11 * scale.y));
    // Only what the line shows: the demo's own scores, say, change nothing on it.
    look.demoMode = state.demoMode;
    if (!look.demoMode) {
        look.score = state.score;
        look.showTurnScore = options.showTurnScore;
        look.turnScoreShown = look.showTurnScore && state.turnScoreVisible && state.turnScore != 0;
        look.turnScore = look.turnScoreShown ? state.turnScore : 0;
    }
    return look;
}

void drawStatusLine(Surface& target, const StatusLook& look) {
    struct StatusText {
        std::u16string text;
        unsigned align = 0;
        Colour colour = blackColour;
    };
    constexpr unsigned bottom = TextAlign::Bottom;
    std::vector<StatusText> texts;
    if (look.demoMode) {
        texts.push_back({translate("StatusLine", "demo mode - game->new to start"),
                         TextAlign::Centre | bottom, blackColour});
    } else if (!look.showTurnScore) {
        texts.push_back({numbered(translate("StatusLine", "Score: %1"), look.score),
                         TextAlign::Centre | bottom, blackColour});
    } else {
        texts.push_back({numbered(translate("StatusLine", "Score: %1"), look.score),
                         TextAlign::Left | bottom, blackColour});
        if (look.turnScoreShown) {
            texts.push_back({numbered(translate("StatusLine", "This Turn: %1"), look.turnScore),
                             TextAlign::Right | bottom, kTurnScoreBlue});
        }
    }
    target.setFontPixelSize(look.fontPixels);
    target.fillRect(look.line, whiteColour);
    for (const StatusText& text : texts) {
        target.drawText(look.line, text.text, text.align, text.colour);
    }
}

std::uint32_t msUntilDrawingChanges(const EngineState& state, const Scale& scale,
                                    const RenderOptions& options) {
    std::uint32_t due = kNeverDue;
    if (state.level != Easy && !timeBarRect(scale).empty()) {
        due = msUntilTimeBarMoves(state.timeLeftMs, scale.x);
    }
    if (hintWaiting(state, options)) {
        due = std::min(due, kHintAfterMs + 1 - state.idleMs);
    }
    return due;
}

std::vector<PixelRect> Renderer::draw(PixelSize client, EngineState& state, const PieceArt& art,
                                      const RenderOptions& options) {
    if (client.width <= 0 || client.height <= 0) {
        return {};
    }
    if (!buffer_ || buffer_->width() != client.width || buffer_->height() != client.height) {
        buffer_.emplace(client.width, client.height);
        known_ = false;
    }
    if (!buffer_->valid()) {
        return {};
    }
    popups_.trim();
    const Scale scale = scaleForClient(client.width, client.height);
    FrameLook& look = *next_;
    for (TileLook& tile : look.strip) {
        tile.clear();
    }
    for (TileLook& tile : look.tiles) {
        tile.clear();
    }
    look.fill = boardGround(options);
    look.transparencyOn = options.transparencyOn;
    lookAtBoard(look, state, art, options);
    look.timeBar = timeBarLook(state, scale);
    look.status = statusLook(state, scale, options);

    // A new buffer is white and shows nothing yet; another ground shows under every tile.
    const bool unknown = !known_;
    const FrameLook& shown = *shown_;
    const bool everyTile =
        unknown || shown.fill != look.fill || shown.transparencyOn != look.transparencyOn;
    Surface& target = *buffer_;
    if (unknown) {
        drawBoardEdges(target, scale);
    }
    // Only the rows of a tile that what changed covers.
    const auto part = [&](int column, int row, const TileLook& was, const TileLook& now) {
        if (everyTile) {
            return tileArea(scale, column, row);
        }
        return now == was && !now.crowded ? PixelRect{} : changedPart(scale, column, row, was, now);
    };
    for (int column = 0; column < kColumns; ++column) {
        const std::size_t at = std::size_t(column);
        const PixelRect area = part(column, -1, shown.strip[at], look.strip[at]);
        if (!area.empty()) {
            drawStripTile(target, scale, area, look.strip[at], art, look.transparencyOn);
        }
    }
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const std::size_t at = std::size_t(cellIndex(column, row));
            const PixelRect area = part(column, row, shown.tiles[at], look.tiles[at]);
            if (!area.empty()) {
                drawTile(target, scale, column, row, area, look.tiles[at], art, options);
            }
        }
    }
    if (unknown || look.timeBar != shown.timeBar) {
        drawTimeBar(target, look.timeBar);
    }
    if (unknown || look.status != shown.status) {
        drawStatusLine(target, look.status);
    }
    std::swap(shown_, next_);
    known_ = true;
    std::vector<PixelRect> changed = target.takeChangedAreas();
    // All of a new buffer is new to the window.
    if (unknown) {
        return {{0, 0, target.width(), target.height()}};
    }
    return changed;
}
