// The game's three sound effects: loaded once from the resources, played from memory.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

struct Game;

// The WAVE images of the sounds 124 to 126, by id - 124; empty when missing.
using SoundTable = std::array<std::vector<std::uint8_t>, 3>;

void loadSounds(Game& game);
// Plays kSoundSelect, kSoundSwapBack or kSoundRun when "Sounds" is on; never waits and never
// reports anything.
void playSound(Game& game, int soundId);
void freeSounds(Game& game);
