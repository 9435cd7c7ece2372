// The game's menu bar: its five buttons, their popups, and the check marks the options set.
#include "game/shell/game_menus.h"

#include "game/shell/command_ids.h"
#include "game/shell/game.h"
#include "platform/window.h"

MenuBarTemplate gameMenuBar() {
    return {
        {kMenuGame,
         u"Game",
         {{kCommandQuit, u"Quit", u"Ctrl+Q"},
          {kCommandAbout, u"About", u"Ctrl+A"},
          {kCommandHighScores, u"High Scores..."},
          {kCommandLoadTheme, u"Load Theme..."},
          {kCommandNew, u"New"}}},
        {kMenuOptions,
         u"Options",
         {{kCommandSounds, u"Sounds"},
          {kCommandHints, u"Hints"},
          {kCommandTurnScore, u"Show 'This Turn' Score"},
          {kCommandTransparency, u"Transparency Effects"}}},
        {kMenuColor,
         u"Color",
         {{kColorGrey, u"Grey"},
          {kColorBlue, u"Blue"},
          {kColorWhite, u"White"},
          {kColorRed, u"Red"},
          {kColorGreen, u"Green"},
          {kColorCyan, u"Cyan"},
          {kColorBlack, u"Black"}},
         true},
        {kMenuSpeed,
         u"Speed",
         {{kSpeedNormal, u"Normal"},
          {kSpeedFast, u"Fast"},
          {kSpeedFaster, u"Faster"},
          {kSpeedInstant, u"Instant"}},
         true},
        {kCommandPause, u"Pause", {}},
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
