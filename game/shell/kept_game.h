// A game in progress kept in a file of its own while the program is closed, and found again.
#pragma once

#include "game/engine/engine_state.h"

#include <cstdint>
#include <optional>
#include <string_view>

// The file's name in the install directory, beside the preferences and the high scores.
constexpr std::u16string_view kKeptGameFile = u"zorv.sav";

// A game the player would lose by closing now: not the demo, and not a game whose end has come
// (a board at rest with no time left, or with no move where that ends the game), which is
// ending or has ended behind its boxes.
bool gameInProgress(const EngineState& state);

// As the program ends, or the desktop asks it to save its data: a game in progress is written
// whole, synced and renamed into place with the generator's state; otherwise a kept game left in
// the file is removed. A file that cannot be written stays as it was, and nothing is said.
void keepGame(const EngineState& state, std::uint32_t randomState, std::u16string_view path);

// At start: a valid kept game replaces `state` (its services stay) and the generator's state is
// given back to seed with. A missing, damaged, cut, longer, foreign or hostile file changes
// nothing and gives nothing.
std::optional<std::uint32_t> restoreKeptGame(EngineState& state, std::u16string_view path);

// The kept game has been resumed: its file goes.
void forgetKeptGame(std::u16string_view path);
