// The layouts and texts of the four high-score dialogs, in dialog units.
#include "game/engine/engine_state.h"
#include "game/scores/score_dialog_ids.h"
#include "game/scores/score_dialogs.h"
#include "platform/translation.h"

namespace {

void add(DialogTemplate& dialog, int id, ControlKind kind, std::u16string text, DialogRect rect) {
    dialog.controls.push_back({id, kind, std::move(text), rect, {}});
}

// The handheld confirmed these dialogs from the title bar; here an OK button stands in for it.
void addOkButton(DialogTemplate& dialog, std::u16string text, DialogRect rect) {
    add(dialog, kDialogOkButton, ControlKind::DefaultButton, std::move(text), rect);
}

} // namespace

DialogTemplate newGameTemplate() {
    DialogTemplate dialog{
        kNewGameDialogId, translate("NewGame", "New Game"), u"System", 8, 136, 143, {}};
    add(dialog, kNewGameEasy, ControlKind::Button, levelWord(Easy), {25, 7, 85, 23});
    add(dialog, kNewGameNormal, ControlKind::Button, levelWord(Normal), {25, 39, 85, 23});
    add(dialog, kNewGameExpert, ControlKind::Button, levelWord(Expert), {25, 71, 85, 23});
    add(dialog, kNewGameCancel, ControlKind::Button, translate("NewGame", "Cancel"),
        {47, 123, 39, 13});
    return dialog;
}

DialogTemplate nameEntryTemplate() {
    DialogTemplate dialog{
        kNameEntryDialogId, translate("NameEntry", "New High Score!"), u"System", 8, 133, 72, {}};
    add(dialog, kNoControlId, ControlKind::Label,
        translate("NameEntry", "You've got a new high score!  Enter your name:"), {7, 7, 119, 18});
    add(dialog, kNameEdit, ControlKind::Edit, u"", {7, 32, 119, 16});
    addOkButton(dialog, translate("NameEntry", "OK"), {47, 54, 39, 13});
    return dialog;
}

DialogTemplate highScoresTemplate() {
    DialogTemplate dialog{
        kHighScoresDialogId, translate("HighScores", "Dialog"), u"Tahoma", 8, 156, 188, {}};
    add(dialog, kShownLevelLabel, ControlKind::BorderedLabel, levelWord(Easy), {17, 7, 47, 11});
    add(dialog, kAddScoreButton, ControlKind::Button, translate("HighScores", "Add Score..."),
        {103, 7, 46, 11});
    constexpr int rows[] = {25, 49, 74, 99, 124};
    for (int place = 0; place < 10; ++place) {
        const int x = place % 2 == 0 ? 7 : 85;
        add(dialog, kFirstPlaceButton + place, ControlKind::Button, u"1st",
            {x, rows[place / 2], 64, 20});
    }
    add(dialog, kShowEasyButton, ControlKind::Button, levelWord(Easy), {7, 152, 28, 11});
    add(dialog, kShowNormalButton, ControlKind::Button, levelWord(Normal), {64, 152, 28, 11});
    add(dialog, kShowExpertButton, ControlKind::Button, levelWord(Expert), {121, 152, 28, 11});
    addOkButton(dialog, translate("HighScores", "OK"), {59, 170, 38, 13});
    return dialog;
}

DialogTemplate addScoreTemplate() {
    DialogTemplate dialog{
        kAddScoreDialogId, translate("AddScore", "Add High Score"), u"System", 8, 140, 151, {}};
    add(dialog, kNoControlId, ControlKind::Label,
        translate("AddScore",
                  "Got a really good score?  Give it to your friends to try and beat!  Just tell "
                  "them to enter your name and the password for your score below to add a new "
                  "score to the high score list!"),
        {7, 7, 126, 46});
    add(dialog, kNoControlId, ControlKind::Label, translate("AddScore", "Enter name:"),
        {7, 57, 126, 9});
    add(dialog, kFriendNameEdit, ControlKind::Edit, u"", {7, 67, 126, 12});
    add(dialog, kNoControlId, ControlKind::Label, translate("AddScore", "Enter password:"),
        {7, 82, 126, 10});
    add(dialog, kFriendPasswordEdit, ControlKind::Edit, u"", {7, 92, 126, 12});
    addOkButton(dialog, translate("AddScore", "OK"), {7, 133, 41, 11});
    add(dialog, kDialogCancel, ControlKind::Button, translate("AddScore", "Cancel"),
        {92, 133, 41, 11});
    return dialog;
}
