// The settings kept with QSettings under Quendlex / Zorv Pixelkiln.
#include "pixelkiln/settings.h"

#include "platform/text.h"
#include "platform/translation.h"

#include <QFileInfo>
#include <QSettings>
#include <optional>

namespace {

QSettings openSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quendlex"),
                     QStringLiteral("Zorv Pixelkiln"));
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
    const QSettings settings = openSettings();
    if (!QFileInfo::exists(settings.fileName()) || settings.status() != QSettings::NoError) {
        state.curThemeName = utf8FromUtf16(translate("Pixelkiln", "No name"));
        return;
    }
    state.curThemeName = readValue(settings, QStringLiteral("curThemeName"))
                             .value_or(utf8FromUtf16(translate("Pixelkiln", "No Name")));
    state.curThemeFile = readValue(settings, QStringLiteral("curThemeFile")).value_or("");
}

void writeSettings(const PixelkilnState& state) {
    QSettings settings = openSettings();
    settings.setValue(QStringLiteral("curThemeName"), QString::fromStdString(state.curThemeName));
    settings.setValue(QStringLiteral("curThemeFile"), QString::fromStdString(state.curThemeFile));
    settings.sync();
}
