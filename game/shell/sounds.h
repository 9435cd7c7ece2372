// The game's three sound effects: loaded once from the resources, played from memory.
#pragma once

void loadSounds();
// Plays 124, 125 or 126 when "Sounds" is on; never waits and never reports anything.
void playSound(int soundId);
void freeSounds();
