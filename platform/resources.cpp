// The program's embedded resources read as bytes, such as the WAVE images of its sounds.
#include "platform/resources.h"

#include <QFile>
#include <QString>

std::optional<std::vector<std::uint8_t>> readResource(std::u16string_view resourcePath) {
    QFile file(QString::fromUtf16(resourcePath.data(), qsizetype(resourcePath.size())));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}
