// The game's menu bar: its five buttons, their popups, and the check marks the options set.
#pragma once

#include "platform/menu_bar.h"

struct Game;
class Window;

// Button ids of the menu bar.
enum : int {
    kMenuGame = 40001,
    kMenuOptions = 40014,
    kMenuColor = 40025,
    kMenuSpeed = 40034,
};

MenuBarTemplate gameMenuBar();

// Makes the window's menu bar, keeps it in the game and sets every check mark from the options.
void createMenuBar(Game& game, Window& window);
// Sets one item's check mark in the popup of a button; nothing without a menu bar.
void checkMenuItem(MenuBar* bar, int buttonId, int itemId, bool checked);
// Clears the first `count` items of the popup, then checks the chosen one.
void checkRadioItem(MenuBar* bar, int buttonId, int count, int itemId);
