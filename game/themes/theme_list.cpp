// Scanning My Documents and the themes folder for theme files, and the texts they are listed by.
#include "game/themes/theme_list.h"

#include "platform/files.h"
#include "platform/text.h"
#include "platform/translation.h"
#include "theme_format/byte_stream.h"
#include "theme_format/theme_file.h"

namespace {

constexpr std::u16string_view kMyDocuments = u"\\my documents";

std::u16string themesFolder(const ThemeSettings& settings) {
    std::u16string folder;
    if (settings.installDirectory) {
        folder = fieldText(settings.installDirectory, kThemePathUnits);
    }
    return folder + u"\\zorv themes";
}

// Cuts a text to fit a field of kThemeListUnits units without splitting a surrogate pair.
std::u16string fitted(std::u16string text) {
    if (text.size() > kThemeListUnits - 1) {
        text.resize(kThemeListUnits - 1);
        if (!text.empty() && text.back() >= 0xD800 && text.back() <= 0xDBFF) {
            text.pop_back();
        }
    }
    return text;
}

// Appends an entry for each theme file of one folder.
void scanFolder(ThemeEntries& list, const ThemeSettings& settings, std::u16string_view folder,
                bool inThemesFolder) {
    for (const std::u16string& name : findFiles(folder, u"*.zpk")) {
        ThemeListEntry entry;
        // A name cut to the field would name another file; such a file cannot be listed.
        if (!setFieldText(entry.fileName, name)) {
            continue;
        }
        readListedThemeName(entry.themeName, name, inThemesFolder, settings);
        entry.inThemesFolder = inThemesFolder ? 1 : 0;
        if (!inThemesFolder && File::openForReading(installedThemePath(name, settings))) {
            entry.alreadyInstalled = 1;
        }
        list.push_back(entry);
    }
}

} // namespace

std::u16string myDocumentsThemePath(std::u16string_view fileName) {
    std::u16string path(kMyDocuments);
    path += u'\\';
    path += fileName;
    return path;
}

std::u16string installedThemePath(std::u16string_view fileName, const ThemeSettings& settings) {
    std::u16string path = themesFolder(settings);
    path += u'\\';
    path += fileName;
    return path;
}

bool readListedThemeName(char16_t* destination, std::u16string_view fileName, bool inThemesFolder,
                         const ThemeSettings& settings) {
    setFieldText(destination, kThemeListUnits, u"");
    // Only the header and the longest name are read, whatever the file's size.
    const auto bytes = readFileStart(inThemesFolder ? installedThemePath(fileName, settings)
                                                    : myDocumentsThemePath(fileName),
                                     kThemeHeadMaxBytes);
    if (!bytes) {
        return false;
    }
    ByteStream in(*bytes);
    const auto name = readThemeName(in);
    if (!name) {
        return false;
    }
    setFieldText(destination, kThemeListUnits, fitted(*name));
    return true;
}

void freeThemeList(ThemeEntries& list) {
    list.clear();
    list.shrink_to_fit();
}

void scanThemes(ThemeEntries& list, const ThemeSettings& settings) {
    freeThemeList(list);
    scanFolder(list, settings, kMyDocuments, false);
    scanFolder(list, settings, themesFolder(settings), true);
}

std::u16string themeListText(const ThemeListEntry& entry) {
    const std::u16string_view name = fieldText(entry.themeName);
    if (entry.inThemesFolder) {
        return fitted(std::u16string(name));
    }
    return fitted(fillIn(entry.alreadyInstalled ? translate("ThemeList", "UPDATED - %1")
                                                : translate("ThemeList", "NEW - %1"),
                         {name}));
}
