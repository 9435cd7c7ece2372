// Where the game's own files live: the registry's "installdir", or the handheld's documents folder.
#include "game/shell/install_directory.h"

#include "game/shell/shell_state.h"
#include "platform/registry.h"
#include "platform/text.h"

void readInstallDirectory() {
    if (auto key = RegistryKey::open(u"SOFTWARE\\Apps\\Quendlex Zorvagon")) {
        if (key->readString(u"installdir", shell.installDirectory, kPathUnits)) {
            return;
        }
    }
    setFieldText(shell.installDirectory, u"\\my documents");
}

std::u16string installPath(std::u16string_view name) {
    std::u16string path(fieldText(shell.installDirectory));
    path += u'\\';
    path += name;
    return path;
}
