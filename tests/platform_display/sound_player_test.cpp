// Sounds: the recording stand-in, the WAVE check, and that playing never holds up a frame.
#include "platform/recording_sound_player.h"
#include "platform/sound_player.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

// A mono 8-bit PCM WAVE image of `samples` samples at 22050 Hz.
std::vector<std::uint8_t> clickWave(std::uint32_t samples) {
    std::vector<std::uint8_t> bytes;
    const auto text = [&](const char* four) {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(std::uint8_t(four[i]));
    };
    const auto number = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.push_back(std::uint8_t(value >> (8 * i)));
    };
    text("RIFF");
    number(36 + samples, 4);
    text("WAVE");
    text("fmt ");
    number(16, 4);
    number(1, 2);     // PCM
    number(1, 2);     // mono
    number(22050, 4); // samples per second
    number(22050, 4); // bytes per second
    number(1, 2);     // block size
    number(8, 2);     // bits per sample
    text("data");
    number(samples, 4);
    for (std::uint32_t i = 0; i < samples; ++i)
        bytes.push_back(std::uint8_t(128 + ((i / 8) % 2 ? 40 : -40)));
    return bytes;
}

} // namespace

TEST(RecordingSoundPlayer, RemembersEverySoundInOrder) {
    RecordingSoundPlayer player;
    SoundPlayer& sounds = player;
    const auto click = clickWave(259);
    const auto chime = clickWave(8078);
    sounds.prepare(click);
    sounds.play(chime);
    sounds.play(chime);
    sounds.play(click);
    ASSERT_EQ(player.played.size(), 3u);
    EXPECT_EQ(player.played[0], chime);
    EXPECT_EQ(player.played[2], click);
    EXPECT_EQ(player.prepared.size(), 1u);
}

TEST(WaveCheck, KnowsAWaveImageFromOtherBytes) {
    EXPECT_TRUE(looksLikeWave(clickWave(259)));
    const std::vector<std::uint8_t> text{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'A', 'V', 'I', ' ', 0};
    EXPECT_FALSE(looksLikeWave(text));
    EXPECT_FALSE(looksLikeWave({}));
    const auto wave = clickWave(259);
    EXPECT_FALSE(looksLikeWave(std::span(wave).first(12)));
}

TEST(QtSoundPlayer, PlaysWithoutHoldingUpAFrameWithOrWithoutADevice) {
    QElapsedTimer clock;
    clock.start();
    QtSoundPlayer player;
    const auto click = clickWave(259);
    const auto chime = clickWave(8078);
    player.prepare(click);
    // Start-up may look for a device, but must not wait long for one that is not there.
    EXPECT_LT(clock.elapsed(), 1000);
    clock.restart();
    for (int i = 0; i < 20; ++i) {
        player.play(click);
        player.play(chime); // a new sound, first heard here
        QCoreApplication::processEvents();
    }
    const std::vector<std::uint8_t> garbage(100, 0x55);
    player.play(garbage);
    player.play({});
    // A frame lasts 16 ms; forty plays must fit well inside one.
    EXPECT_LT(clock.elapsed(), 10) << (player.silent() ? "silent" : "with a device");
}
