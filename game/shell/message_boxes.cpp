// The game's message boxes, each shown with the game paused and the board whole behind it.
#include "game/shell/message_boxes.h"

#include "game/shell/game.h"
#include "platform/dialog_host.h"
#include "platform/translation.h"

int showMessageBox(Game& game, std::u16string_view text, std::u16string_view caption,
                   MessageButtons buttons) {
    pauseGame(game);
    game.clock.messageBoxUp = true;
    // No frame comes while the box shows: what the paints show must be drawn now.
    redrawAll(game);
    int pressed = kDialogOk;
    if (game.dialogs) {
        pressed = game.dialogs->messageBox(
            {std::u16string(text), std::u16string(caption), buttons, false});
    }
    resumeGame(game);
    game.clock.messageBoxUp = false;
    return pressed;
}

void showFatalError(Game& game, std::u16string_view text) {
    pauseGame(game);
    showMessageBox(game, text, translate("Errors", "Error"));
}
