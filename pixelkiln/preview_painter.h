// The seven previews: each paints the top-left corner of its working bitmap.
#pragma once

#include "pixelkiln/pixelkiln_state.h"

#include <QImage>
#include <filesystem>

// Where a preview copies its bitmap to, and how much of it.
constexpr int kPreviewLeft = 6;
constexpr int kPreviewTop = 9;
constexpr int kPieceSide = 28;

// Paints a preview's client area: the bitmap's top-left 28 by 28 pixels at (6, 9) on the white
// ground; a bitmap that is missing or does not load leaves the ground white.
void previewPainter(QImage& client, const std::filesystem::path& bitmap);

// Registers "TPicture1" to "TPicture7", each showing its working bitmap as it is at every paint.
void registerPreviewClasses(const PixelkilnState& state);
void unregisterPreviewClasses();
