// The help page F1 opens: in the language the game speaks where it has one, else the English one.
#include "game/shell/help_page.h"

#include "game/shell/install_directory.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "platform/translation.h"

std::u16string helpPagePath(const char16_t (&installDirectory)[kPathUnits]) {
    std::u16string english = installPath(installDirectory, u"zorv help.htm");
    const std::u16string language = spokenLanguage();
    if (language.empty()) {
        return english;
    }
    const std::u16string name = u"zorv help." + language + u".htm";
    const auto page = readResource(u":/help/" + name);
    if (!page) {
        return english;
    }
    std::u16string path = installPath(installDirectory, name);
    if (readWholeFile(path, page->size()) == page) {
        return path;
    }
    return replaceFile(path, page->data(), page->size()) ? path : english;
}
