// The three sound effects: exact WAVE formats and lengths, and clean starts and ends.
#include "resources/resource_bytes.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

struct WaveFacts {
    unsigned format = 0, channels = 0, rate = 0, bits = 0, samples = 0;
    QByteArray data;
};

// Walks the chunks of a RIFF WAVE image, taking "fmt " and "data".
WaveFacts readWave(const QByteArray& bytes) {
    WaveFacts facts;
    if (bytes.left(4) != "RIFF" || bytes.mid(8, 4) != "WAVE")
        return facts;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray kind = bytes.mid(at, 4);
        const qsizetype size = littleEndian(bytes, at + 4, 4);
        if (kind == "fmt ") {
            facts.format = littleEndian(bytes, at + 8, 2);
            facts.channels = littleEndian(bytes, at + 10, 2);
            facts.rate = littleEndian(bytes, at + 12, 4);
            facts.bits = littleEndian(bytes, at + 22, 2);
        } else if (kind == "data") {
            facts.data = bytes.mid(at + 8, size);
        }
        at += 8 + size + (size & 1);
    }
    if (facts.bits >= 8)
        facts.samples = static_cast<unsigned>(facts.data.size()) / (facts.bits / 8);
    return facts;
}

// A sample as a signed offset from silence, for 8-bit (unsigned) and 16-bit (signed) data.
int sampleAt(const WaveFacts& wave, unsigned index) {
    if (wave.bits == 8)
        return static_cast<unsigned char>(wave.data[index]) - 128;
    return static_cast<short>(littleEndian(wave.data, 2 * index, 2));
}

struct Expected {
    int id;
    unsigned rate, bits, samples;
};

const Expected sounds[] = {{124, 22050, 8, 259}, {125, 12000, 16, 4371}, {126, 22050, 8, 8078}};

} // namespace

TEST(SoundEffects, AreMonoPcmInTheirExactFormatAndLength) {
    for (const Expected& e : sounds) {
        const WaveFacts wave = readWave(resourceBytes(soundResourcePath(e.id)));
        EXPECT_EQ(wave.format, 1u) << e.id;
        EXPECT_EQ(wave.channels, 1u) << e.id;
        EXPECT_EQ(wave.rate, e.rate) << e.id;
        EXPECT_EQ(wave.bits, e.bits) << e.id;
        EXPECT_EQ(wave.samples, e.samples) << e.id;
    }
}

TEST(SoundEffects, StartAndEndInSilenceAndNeverClip) {
    for (const Expected& e : sounds) {
        const WaveFacts wave = readWave(resourceBytes(soundResourcePath(e.id)));
        ASSERT_EQ(wave.samples, e.samples) << e.id;
        const int fullScale = wave.bits == 8 ? 128 : 32768;
        EXPECT_LT(std::abs(sampleAt(wave, 0)), fullScale / 64) << e.id;
        EXPECT_LT(std::abs(sampleAt(wave, wave.samples - 1)), fullScale / 64) << e.id;
        int peak = 0;
        for (unsigned i = 0; i < wave.samples; ++i)
            peak = std::max(peak, std::abs(sampleAt(wave, i)));
        EXPECT_LT(peak, fullScale * 99 / 100) << e.id;
        EXPECT_GT(peak, fullScale / 4) << e.id; // loud enough to hear
    }
}
