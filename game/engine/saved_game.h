// The byte layout of a game kept while the program is closed: every field the engine goes on with.
#pragma once

#include "game/engine/engine_state.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

constexpr std::uint32_t kSavedGameVersion = 1;
// The most pop-ups and sparkles a file may hold, each. A game makes far fewer: a pop-up lives a
// second, a sparkle ten frames.
constexpr std::size_t kMaxSavedEffects = 4096;
// The largest file the layout allows; anything longer is no saved game.
extern const std::size_t kMaxSavedGameBytes;

// The game as it stands and the pseudo-random generator's state, little-endian, field by field,
// ending in a CRC-32 of everything before it. The stylus is never held in a saved game and the
// demo is never saved, so neither is stored; nor are the cells' redraw marks, which the first
// paint and the resume set on every cell anyway, so a game saved again unplayed is the same file.
// Beyond kMaxSavedEffects, the oldest effects are left out.
std::vector<std::uint8_t> encodeSavedGame(const EngineState& state, std::uint32_t randomState);

// The CRC-32 (the polynomial of zip and PNG) that ends the file, over every byte before it.
std::uint32_t savedGameChecksum(std::span<const std::uint8_t> bytes);

// Checks the whole file first: size, magic, version, checksum, every field and count within what
// the engine can make. Only then does the game replace `state` (its services stay, every cell is
// marked for drawing) and the generator's state go to `randomState`. On any fault nothing changes
// and false comes back.
bool decodeSavedGame(std::span<const std::uint8_t> bytes, EngineState& state,
                     std::uint32_t& randomState);
