// The game's three sound effects: loaded once from the resources, played from memory.
#include "game/shell/sounds.h"

#include "game/shell/preferences.h"
#include "game/shell/shell_state.h"
#include "platform/resources.h"
#include "platform/sound_player.h"
#include "platform/text.h"

#include <array>
#include <string>
#include <vector>

namespace {

constexpr int kFirstSound = 124;
std::array<std::vector<std::uint8_t>, 3> soundTable; // by id - 124; empty when missing

} // namespace

void loadSounds() {
    for (int slot = 0; slot < int(soundTable.size()); ++slot) {
        const auto path = utf16FromUtf8(":/sounds/" + std::to_string(kFirstSound + slot) + ".wav");
        soundTable[slot] = readResource(path).value_or(std::vector<std::uint8_t>{});
        if (shell.sounds && !soundTable[slot].empty()) {
            shell.sounds->prepare(soundTable[slot]);
        }
    }
}

void playSound(int soundId) {
    const int slot = soundId - kFirstSound;
    if (!preferences.soundOn || slot < 0 || slot >= int(soundTable.size()) || !shell.sounds ||
        soundTable[slot].empty()) {
        return;
    }
    shell.sounds->play(soundTable[slot]);
}

void freeSounds() {
    for (auto& sound : soundTable) {
        sound.clear();
    }
}
