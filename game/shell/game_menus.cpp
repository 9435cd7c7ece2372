// The game's menu bar: its five buttons, their popups, and the check marks the options set.
#include "game/shell/game_menus.h"

#include "game/shell/command_ids.h"
#include "game/shell/game.h"
#include "platform/translation.h"
#include "platform/window.h"

MenuBarTemplate gameMenuBar() {
    return {
        {kMenuGame,
         translate("Menu", "Game"),
         {{kCommandQuit, translate("Menu", "Quit"), u"Ctrl+Q"},
          {kCommandAbout, translate("Menu", "About"), u"Ctrl+A"},
          {kCommandHighScores, translate("Menu", "High Scores..."), u"Ctrl+H"},
          {kCommandLoadTheme, translate("Menu", "Load Theme...")},
          {kCommandNew, translate("Menu", "New"), u"Ctrl+N"}}},
        {kMenuOptions,
         translate("Menu", "Options"),
         {{kCommandSounds, translate("Menu", "Sounds")},
          {kCommandHints, translate("Menu", "Hints")},
          {kCommandTurnScore, translate("Menu", "Show 'This Turn' Score")},
          {kCommandTransparency, translate("Menu", "Transparency Effects")}}},
        {kMenuColor,
         translate("Menu", "Color"),
         {{kColorGrey, translate("Menu", "Grey")},
          {kColorBlue, translate("Menu", "Blue")},
          {kColorWhite, translate("Menu", "White")},
          {kColorRed, translate("Menu", "Red")},
          {kColorGreen, translate("Menu", "Green")},
          {kColorCyan, translate("Menu", "Cyan")},
          {kColorBlack, translate("Menu", "Black")}},
         true},
        {kMenuSpeed,
         translate("Menu", "Speed"),
         {{kSpeedNormal, translate("Menu", "Normal")},
          {kSpeedFast, translate("Menu", "Fast")},
          {kSpeedFaster, translate("Menu", "Faster")},
          {kSpeedInstant, translate("Menu", "Instant")}},
         true},
        {kCommandPause, translate("Menu", "Pause"), {}},
    };
}

void createMenuBar(Game& game, Window& window) {
    MenuBar* bar = game.menuBar = window.createMenuBar(gameMenuBar());
    const Preferences& preferences = game.preferences;
    checkMenuItem(bar, kMenuColor, preferences.colorCommand, true);
    checkMenuItem(bar, kMenuSpeed, preferences.speedCommand, true);
    checkMenuItem(bar, kMenuOptions, kCommandHints, preferences.hintsOn != 0);
    checkMenuItem(bar, kMenuOptions, kCommandSounds, preferences.soundOn != 0);
    checkMenuItem(bar, kMenuOptions, kCommandTurnScore, preferences.showTurnScore != 0);
    checkMenuItem(bar, kMenuOptions, kCommandTransparency, preferences.transparencyOn != 0);
}

void checkMenuItem(MenuBar* bar, int buttonId, int itemId, bool checked) {
    if (MenuPopup* popup = bar ? bar->popup(buttonId) : nullptr) {
        popup->checkItem(itemId, checked);
    }
}

void checkRadioItem(MenuBar* bar, int buttonId, int count, int itemId) {
    if (MenuPopup* popup = bar ? bar->popup(buttonId) : nullptr) {
        for (int position = 0; position < count; ++position) {
            popup->checkItemAt(position, false);
        }
        popup->checkItem(itemId, true);
    }
}
