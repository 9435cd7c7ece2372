// The game's three sound effects: loaded once from the resources, played from memory.
#include "game/shell/sounds.h"

#include "game/engine/engine_services.h"
#include "game/shell/game.h"
#include "platform/resources.h"
#include "platform/sound_player.h"
#include "platform/text.h"

#include <string>

void loadSounds(Game& game) {
    for (int slot = 0; slot < int(game.sounds.size()); ++slot) {
        const auto path = utf16FromUtf8(":/sounds/" + std::to_string(kSoundSelect + slot) + ".wav");
        game.sounds[slot] = readResource(path).value_or(std::vector<std::uint8_t>{});
        if (game.soundPlayer && !game.sounds[slot].empty()) {
            game.soundPlayer->prepare(game.sounds[slot]);
        }
    }
}

void playSound(Game& game, int soundId) {
    const int slot = soundId - kSoundSelect;
    if (!game.preferences.soundOn || slot < 0 || slot >= int(game.sounds.size()) ||
        !game.soundPlayer || game.sounds[slot].empty()) {
        return;
    }
    game.soundPlayer->play(game.sounds[slot]);
}

void freeSounds(Game& game) {
    for (auto& sound : game.sounds) {
        sound.clear();
    }
}
