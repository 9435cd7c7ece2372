// The device root: the one folder that stands for the handheld's file system, and its path mapping.
#include "platform/device_root.h"

#include <QDir>
#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

fs::path deviceRoot() {
    if (const char* root = std::getenv("ZORVAGON_ROOT"); root && *root) {
        return fs::path(root);
    }
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) {
        return fs::path(data) / "zorvagon";
    }
    const char* home = std::getenv("HOME");
    return fs::path(home ? home : ".") / ".local" / "share" / "zorvagon";
}

namespace {

std::vector<QString> splitComponents(std::u16string_view handheldPath) {
    const QString text = QString::fromUtf16(handheldPath.data(), qsizetype(handheldPath.size()));
    std::vector<QString> components;
    for (const QString& part : text.split(QRegularExpression(R"([\\/])"), Qt::SkipEmptyParts)) {
        components.push_back(part);
    }
    return components;
}

// The existing entry of `folder` whose name equals `name` ignoring case; the exact name wins,
// and among several others the first by name, so the choice is the same on every machine.
std::optional<QString> existingEntry(const fs::path& folder, const QString& name) {
    std::error_code error;
    if (fs::exists(folder / name.toStdString(), error)) {
        return name;
    }
    QStringList matches;
    for (const QString& entry : QDir(QString::fromStdString(folder.string()))
                                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                   QDir::NoDotAndDotDot,
                                               QDir::Name)) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            matches.push_back(entry);
        }
    }
    if (matches.isEmpty()) {
        return std::nullopt;
    }
    return matches.front();
}

} // namespace

std::optional<fs::path> nativePath(std::u16string_view handheldPath) {
    if (std::find(handheldPath.begin(), handheldPath.end(), u'\0') != handheldPath.end()) {
        return std::nullopt;
    }
    fs::path path = deviceRoot();
    bool stillExists = true;
    for (const QString& component : splitComponents(handheldPath)) {
        if (component == "." || component == "..") {
            return std::nullopt;
        }
        QString name = component;
        if (stillExists) {
            if (auto found = existingEntry(path, component)) {
                name = *found;
            } else {
                stillExists = false;
            }
        }
        path /= name.toStdString();
    }
    return path;
}

bool installOnFirstRun() {
    // An existing "My Documents" (in any case) counts, as every other path lookup matches it.
    const auto documents = nativePath(u"\\my documents");
    std::error_code error;
    if (!documents || fs::is_directory(*documents, error)) {
        return false;
    }
    fs::create_directories(*documents / "zorv themes", error);
    return !error;
}
