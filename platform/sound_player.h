// Playing WAVE images held in memory, without waiting: the interface and its Qt Multimedia form.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <span>

class QSoundEffect;

// Plays complete WAVE file images (RIFF header, format chunk, data). Neither call blocks or
// reports anything: a sound that cannot be played is simply not heard.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Gets a sound ready so that its first play costs no more than any other.
    virtual void prepare(std::span<const std::uint8_t> waveImage) = 0;
    virtual void play(std::span<const std::uint8_t> waveImage) = 0;
};

// Whether the bytes start like a WAVE file and are of a size worth playing.
bool looksLikeWave(std::span<const std::uint8_t> waveImage);

// Qt Multimedia: each distinct sound is written once to a temporary file and kept as a sound
// effect. Without an audio output device it stays silent and touches no audio code at all.
class QtSoundPlayer final : public SoundPlayer {
  public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;

    void prepare(std::span<const std::uint8_t> waveImage) override;
    void play(std::span<const std::uint8_t> waveImage) override;
    bool silent() const { return silent_; }

  private:
    QSoundEffect* effectFor(std::span<const std::uint8_t> waveImage);

    bool silent_ = true;
    std::unique_ptr<QTemporaryDir> folder_;
    QHash<QByteArray, QSoundEffect*> effects_;
};
