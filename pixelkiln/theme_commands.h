// The file commands: Choose..., Open, Save and Save As...
#pragma once

#include "pixelkiln/pixelkiln_state.h"
#include "platform/dialog_host.h"

// The open dialog for theme files; a confirmed choice becomes curThemeFile. Gives whether the
// user confirmed.
bool askThemeToOpen(PixelkilnState& state, DialogHost& host);
// The save dialog for theme files; a confirmed choice becomes curThemeFile.
bool askThemeToSave(PixelkilnState& state, DialogHost& host);
// Copies a bitmap file of the user's choice over working bitmap k (1 to 7). A file the game
// would not load as a piece is refused, and a failed copy leaves the working bitmap as it was.
void chooseBitmap(PixelkilnState& state, DialogHost& host, int k);

// Reads curThemeFile into curThemeName and the seven working bitmaps. A file that cannot be
// opened, has another header or lacks any of its seven records changes nothing, and so does a
// working bitmap that cannot be written; gives whether the theme was read. Open then keeps the
// earlier curThemeFile and says "There was an error opening the theme.".
bool openTheme(PixelkilnState& state);

// The commands of the main dialog's buttons.
void openCommand(PixelkilnState& state, DialogHost& host, DialogHandle& dialog);
void saveTheme(PixelkilnState& state, DialogHost& host, DialogHandle& dialog);
void saveThemeAs(PixelkilnState& state, DialogHost& host, DialogHandle& dialog);
