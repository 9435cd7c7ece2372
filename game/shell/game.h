// The program's records for its whole run, in one object the program owns and passes on.
#pragma once

#include "game/engine/engine_state.h"
#include "game/render/piece_art.h"
#include "game/render/renderer.h"
#include "game/scores/high_score_table.h"
#include "game/shell/game_clock.h"
#include "game/shell/install_directory.h"
#include "game/shell/keyboard_play.h"
#include "game/shell/message_boxes.h"
#include "game/shell/preferences.h"
#include "game/shell/shell_services.h"
#include "game/shell/sounds.h"
#include "game/themes/theme_settings.h"

#include <string>
#include <string_view>

class DialogHost;
class MenuBar;
class SoundPlayer;
class Window;

// The clock's state for the whole run.
struct ClockState {
    bool running = true;
    bool messageBoxUp = false;
    std::uint32_t previousTick = 0;
    std::uint32_t lastTick = 0;
    // The clock rests: the last frame asked for the next one only when something is due (or
    // not at all), and the engine has had no time since lastTick.
    bool resting = false;
    // Until this tick, frames keep the display's pace even on a resting board.
    std::uint32_t awakeUntil = 0;
    // A resume asked for inside a modal loop, carried out when the last one ends.
    bool resumeWaiting = false;
};

struct Game {
    // Wires the engine to the game's services and the clock to the end of modal loops.
    Game();
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    char16_t installDirectory[kPathUnits] = {}; // without a trailing backslash
    Preferences preferences;
    EngineState engine;
    ClockState clock;
    HighScores highScores;
    PieceArt pieceArt;
    KeyboardCursor keyboardCursor;
    SoundTable sounds;
    Renderer renderer;

    // What the program lends the game; null where it has none (tests, a window without menus).
    Window* window = nullptr;
    MenuBar* menuBar = nullptr; // owned by the window
    DialogHost* dialogs = nullptr;
    SoundPlayer* soundPlayer = nullptr;

    ShellServices services{*this};

  private:
    int topLevelListener_ = 0;
};

// "<install directory>\<name>", the form in which every file of the game is named.
std::u16string installPath(const Game& game, std::u16string_view name);
// Writes the options to the preferences file; a failure is silent.
void savePreferences(const Game& game);
// What theme loading and the theme list take from the game.
ThemeSettings themeSettings(Game& game);
// The board takes no stylus or key in the demo, while it moves, while paused or under a box.
bool boardInputRefused(const Game& game);
