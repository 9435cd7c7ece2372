// The game's start-up in its fixed order and its run until the window closes.
#pragma once

// Runs the game inside the program's application object; returns the exit code.
int runGame();
