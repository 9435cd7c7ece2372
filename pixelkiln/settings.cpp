// The settings kept with QSettings in "Quendlex/Zorv Pixelkiln.conf" of the desktop's settings
// folder.
#include "pixelkiln/settings.h"

#include "platform/regular_file.h"
#include "platform/text.h"
#include "platform/translation.h"

#include <QSettings>
#include <QStandardPaths>
#include <filesystem>
#include <optional>

namespace {

// The settings file, where QSettings keeps the user's settings of Quendlex / Zorv Pixelkiln.
QString settingsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Quendlex/Zorv Pixelkiln.conf");
}

// QSettings opens its file without asking what it is: a pipe in its place would block the
// program before its window shows, and one it cannot read it might write over. Only a regular
// file that can be read, or none, is ever handed to it; otherwise the defaults stand and
// nothing is written.
std::optional<QString> usableSettingsFile() {
    const QString path = settingsFilePath();
    const std::filesystem::path file(path.toStdString());
    const FileStart start = readNativeFileStartOrWhyNot(file, 0);
    if (start.state == FileStart::State::Unreadable) {
        return std::nullopt;
    }
    return path;
}

// A value as narrow text; nothing when it is missing or does not fit its 260-byte buffer.
std::optional<std::string> readValue(const QSettings& settings, const QString& name) {
    if (!settings.contains(name)) {
        return std::nullopt;
    }
    const QByteArray bytes = settings.value(name).toString().toUtf8();
    if (static_cast<std::size_t>(bytes.size()) > kNarrowTextBytes - 1) {
        return std::nullopt;
    }
    return cutNarrowText(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace

void readSettings(PixelkilnState& state) {
    const auto file = usableSettingsFile();
    std::error_code error;
    if (!file || !std::filesystem::exists(std::filesystem::path(file->toStdString()), error)) {
        state.curThemeName = utf8FromUtf16(translate("Pixelkiln", "No name"));
        return;
    }
    const QSettings settings(*file, QSettings::NativeFormat);
    if (settings.status() != QSettings::NoError) {
        state.curThemeName = utf8FromUtf16(translate("Pixelkiln", "No name"));
        return;
    }
    state.curThemeName = readValue(settings, QStringLiteral("curThemeName"))
                             .value_or(utf8FromUtf16(translate("Pixelkiln", "No Name")));
    state.curThemeFile = readValue(settings, QStringLiteral("curThemeFile")).value_or("");
}

void writeSettings(const PixelkilnState& state) {
    const auto file = usableSettingsFile();
    if (!file) {
        return;
    }
    QSettings settings(*file, QSettings::NativeFormat);
    settings.setValue(QStringLiteral("curThemeName"), QString::fromStdString(state.curThemeName));
    settings.setValue(QStringLiteral("curThemeFile"), QString::fromStdString(state.curThemeFile));
    settings.sync();
}
