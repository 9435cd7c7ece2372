// The shell's settings as theme loading sees them.
#include "game/themes/theme_settings.h"

ThemeSettings themeSettings;
