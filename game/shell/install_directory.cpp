// Where the game's own files live: the registry's "installdir", or the handheld's documents folder.
#include "game/shell/install_directory.h"

#include "platform/registry.h"
#include "platform/text.h"

void readInstallDirectory(char16_t (&directory)[kPathUnits]) {
    if (auto key = RegistryKey::open(u"SOFTWARE\\Apps\\Quendlex Zorvagon")) {
        if (key->readString(u"installdir", directory, kPathUnits)) {
            return;
        }
    }
    setFieldText(directory, u"\\my documents");
}

std::u16string installPath(const char16_t (&directory)[kPathUnits], std::u16string_view name) {
    std::u16string path(fieldText(directory));
    path += u'\\';
    path += name;
    return path;
}
