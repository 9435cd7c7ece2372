// A kept game offered at start, paused as the Pause command shows it, and kept at logout.
#pragma once

#include <string>

class MainWindow;
struct EngineState;
struct Game;

// The game starts paused; once the window is on screen, the Pause command runs over the restored
// board, its box up before any frame and centred on the window. The game goes on when the player
// answers the box, and its file goes then; a program ending under the box keeps the file, which
// its window's end has written again with the same game.
void offerKeptGame(Game& game, MainWindow& window, std::u16string path);

// The desktop asks its programs to save their data as the session ends: the game in progress is
// kept then too, for a session that ends the program without closing its window. While the
// window lives.
void keepGameAtLogout(MainWindow& window, const EngineState& state, std::u16string path);
