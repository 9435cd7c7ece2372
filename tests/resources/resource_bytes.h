// Reads an embedded resource whole, for tests of its bytes.
#pragma once

#include "game/resources/game_resources.h"

#include <QByteArray>
#include <QFile>
#include <QString>

inline QByteArray resourceBytes(const QString& path) {
    initGameResources();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline unsigned littleEndian(const QByteArray& bytes, qsizetype at, int width) {
    if (at < 0 || at + width > bytes.size())
        return 0;
    unsigned value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}
