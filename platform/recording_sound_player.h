// A sound player for tests: hears nothing, remembers every sound it was asked to play.
#pragma once

#include "platform/sound_player.h"

#include <vector>

class RecordingSoundPlayer final : public SoundPlayer {
  public:
    using Image = std::vector<std::uint8_t>;

    void prepare(std::span<const std::uint8_t> waveImage) override {
        prepared.emplace_back(waveImage.begin(), waveImage.end());
    }
    void play(std::span<const std::uint8_t> waveImage) override {
        played.emplace_back(waveImage.begin(), waveImage.end());
    }

    std::vector<Image> prepared;
    std::vector<Image> played;
};
