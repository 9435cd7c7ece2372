// The handheld's registry, kept in <device root>/registry.ini: key paths are sections, values keys.
#include "platform/registry.h"

#include "platform/device_root.h"
#include "platform/regular_file.h"

#include <QString>
#include <QStringList>
#include <algorithm>

namespace {

// A registry holds a handful of short values; anything bigger is not one of ours.
constexpr std::size_t kMaxRegistryBytes = 64 * 1024;

std::u16string foldedKey(const QString& text) {
    return text.trimmed().toCaseFolded().toStdU16String();
}

QString unquoted(QString value) {
    value = value.trimmed();
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"')) {
        value = value.mid(1, value.size() - 2);
    }
    return value;
}

// A pipe or device in the file's place counts as no registry: nothing waits for it.
std::optional<QString> readRegistryText() {
    const auto bytes = readNativeWholeFile(deviceRoot() / "registry.ini", kMaxRegistryBytes);
    if (!bytes) {
        return std::nullopt;
    }
    return QString::fromUtf8(reinterpret_cast<const char*>(bytes->data()),
                             qsizetype(bytes->size()));
}

} // namespace

std::optional<RegistryKey> RegistryKey::open(std::u16string_view keyPath) {
    const auto text = readRegistryText();
    if (!text) {
        return std::nullopt;
    }
    const std::u16string wanted =
        foldedKey(QString::fromUtf16(keyPath.data(), qsizetype(keyPath.size())));
    std::optional<RegistryKey> key;
    bool inWantedSection = false;
    for (const QString& rawLine : text->split('\n')) {
        const QString line = rawLine.trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            inWantedSection = foldedKey(line.mid(1, line.size() - 2)) == wanted;
            if (inWantedSection && !key) {
                key.emplace();
            }
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inWantedSection || equals <= 0 || line.startsWith(';') || line.startsWith('#')) {
            continue;
        }
        key->values_[foldedKey(line.left(equals))] =
            unquoted(line.mid(equals + 1)).toStdU16String();
    }
    return key;
}

bool RegistryKey::readString(std::u16string_view valueName, char16_t* buffer,
                             std::size_t bufferUnits) const {
    const auto found =
        values_.find(foldedKey(QString::fromUtf16(valueName.data(), qsizetype(valueName.size()))));
    if (found == values_.end() || found->second.size() + 1 > bufferUnits) {
        return false;
    }
    std::copy(found->second.begin(), found->second.end(), buffer);
    buffer[found->second.size()] = u'\0';
    return true;
}
