// Temporary files that a save cut short by a crash left in the game's folders.
#include "game/shell/crash_leftovers.h"

#include "game/shell/install_directory.h"
#include "platform/files.h"

#include <QString>
#include <initializer_list>
#include <string>

namespace {

std::string lowerCase(std::string_view name) {
    return QString::fromUtf8(name.data(), qsizetype(name.size())).toLower().toStdString();
}

// The preferences, the high scores, the kept game and the help pages (the first start's and
// those written in the player's language): matched ignoring case, as every path is.
bool isGameFile(std::string_view target) {
    const std::string name = lowerCase(target);
    return name == "zorv.prf" || name == "high.scr" || name == "zorv.sav" ||
           (name.starts_with("zorv help") && name.ends_with(".htm"));
}

// The unpacked pieces 1.bmp to 7.bmp and installed themes.
bool isThemesFolderFile(std::string_view target) {
    const std::string name = lowerCase(target);
    return (name.size() == 5 && name[0] >= '1' && name[0] <= '7' && name.ends_with(".bmp")) ||
           name.ends_with(".zpk");
}

} // namespace

void removeCrashLeftovers(const char16_t (&installDirectory)[kPathUnits]) {
    for (const std::u16string& folder :
         {installPath(installDirectory, u""), std::u16string(u"\\my documents\\")}) {
        removeLeftoverTemporaryFiles(folder, {isGameFile});
    }
    removeLeftoverTemporaryFiles(installPath(installDirectory, u"zorv themes"), {isThemesFolderFile});
}
