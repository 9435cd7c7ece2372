// The game's entry point.
#include "game/shell/install_directory.h"
#include "game/shell/preferences.h"
#include "platform/device_root.h"

int main() {
    installOnFirstRun();
    readInstallDirectory();
    loadPreferences();
    return 0;
}
