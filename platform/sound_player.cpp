// Sound effects through Qt Multimedia, written to temporary files once and replayed from there.
#include "platform/sound_player.h"

#include <QFile>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <cstring>

namespace {

// A few seconds of CD-quality sound at most; the game's effects are well under 20 kB.
constexpr std::size_t maxWaveBytes = 4 * 1024 * 1024;
constexpr std::size_t riffHeaderBytes = 12;
constexpr int maxSounds = 16;

} // namespace

bool looksLikeWave(std::span<const std::uint8_t> waveImage) {
    if (waveImage.size() <= riffHeaderBytes || waveImage.size() > maxWaveBytes)
        return false;
    return std::memcmp(waveImage.data(), "RIFF", 4) == 0 &&
           std::memcmp(waveImage.data() + 8, "WAVE", 4) == 0;
}

QtSoundPlayer::QtSoundPlayer() {
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    folder_ = std::make_unique<QTemporaryDir>();
    silent_ = !folder_->isValid();
}

QtSoundPlayer::~QtSoundPlayer() {
    qDeleteAll(effects_);
}

void QtSoundPlayer::prepare(std::span<const std::uint8_t> waveImage) {
    effectFor(waveImage);
}

void QtSoundPlayer::play(std::span<const std::uint8_t> waveImage) {
    if (QSoundEffect* effect = effectFor(waveImage))
        effect->play();
}

QSoundEffect* QtSoundPlayer::effectFor(std::span<const std::uint8_t> waveImage) {
    if (silent_ || !looksLikeWave(waveImage))
        return nullptr;
    const QByteArray key = QByteArray::fromRawData(reinterpret_cast<const char*>(waveImage.data()),
                                                   qsizetype(waveImage.size()));
    if (const auto found = effects_.constFind(key); found != effects_.constEnd())
        return found.value();
    if (effects_.size() >= maxSounds)
        return nullptr;
    // The stored key owns its bytes, as the caller's buffer may go away. A sound whose file
    // cannot be written is remembered as silent, so it is not retried at every play.
    const QByteArray ownedKey(key.constData(), key.size());
    const QString path = folder_->filePath(QStringLiteral("sound%1.wav").arg(effects_.size()));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(key) != key.size()) {
        effects_.insert(ownedKey, nullptr);
        return nullptr;
    }
    file.close();
    auto* effect = new QSoundEffect;
    effect->setSource(QUrl::fromLocalFile(path));
    effects_.insert(ownedKey, effect);
    return effect;
}
