// The high-score dialogs: New Game, the name entry, the viewer and Add High Score.
#pragma once

#include "platform/dialog_template.h"

class DialogHost;
struct EngineState;
struct HighScores;

// Results of the New Game dialog: a level's button, or Cancel.
enum : int {
    kNewGameEasy = 1001,
    kNewGameNormal = 1002,
    kNewGameExpert = 1003,
    kNewGameCancel = 1004,
};

// Chooses the next game's level; always zeroes the turn score. Gives the button's id.
int newGameDialog(DialogHost& dialogs, EngineState& state);
// Takes the player's name for the state's score and level, stores the entry with a new score
// password, and leaves the password in lastPassword with passwordMade set.
void newHighScoreDialog(DialogHost& dialogs, EngineState& state, HighScores& highScores);
// Shows the table from the given level on; gives 1 when closed.
int highScoresDialog(DialogHost& dialogs, HighScores& highScores, int level);
// Adds a friend's score from its password: 0 when nothing was added, else its level + 1.
int addScoreDialog(DialogHost& dialogs, HighScores& highScores);

DialogTemplate newGameTemplate();
DialogTemplate nameEntryTemplate();
DialogTemplate highScoresTemplate();
DialogTemplate addScoreTemplate();

// "Easy", "Normal" or "Expert"; empty for any other number.
std::u16string_view levelName(int level);
// The same in the player's language.
std::u16string levelWord(int level);
