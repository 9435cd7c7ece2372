// The high-score viewer: ten places of one level, each place's password, and Add Score...
#include "game/scores/high_score_table.h"
#include "game/scores/score_dialog_ids.h"
#include "game/scores/score_dialogs.h"
#include "platform/dialog_host.h"
#include "platform/text.h"
#include "platform/translation.h"

#include <string>

namespace {

// A player's name as stored; the name of a default entry in the player's language.
std::u16string shownName(const HighScoreEntry& entry) {
    const std::u16string_view name = fieldText(entry.name);
    if (name == u"No name" && fieldText(entry.password) == kDefaultPassword) {
        return translate("HighScores", "No name");
    }
    return std::u16string(name);
}

// The place from 1, the name, and on a second line the score.
std::u16string placeText(const HighScoreTable& table, int level, int place) {
    return fillIn(translate("HighScores", "%1. %2\n%3"),
                  {utf16FromUtf8(std::to_string(place + 1)),
                   shownName(table.entries[level][place]),
                   utf16FromUtf8(std::to_string(entryScore(table, level, place)))});
}

class HighScoresProcedure final : public DialogProcedure {
  public:
    HighScoresProcedure(DialogHost& dialogs, HighScores& highScores, int level)
        : dialogs_(dialogs), highScores_(highScores), shownLevel_(level) {}

    void initDialog(DialogHandle& dialog) override { show(dialog, shownLevel_); }

    bool command(DialogHandle& dialog, int id) override {
        // Esc and the close box close the viewer as OK does.
        if (id == kDialogOk || id == kDialogCancel) {
            dialog.endDialog(kDialogOk);
        } else if (id >= kShowEasyButton && id <= kShowExpertButton) {
            show(dialog, id - kShowEasyButton);
        } else if (id >= kFirstPlaceButton && id < kFirstPlaceButton + kScorePlaces) {
            const std::u16string text =
                fillIn(translate("HighScores", "The password for this score is: %1"),
                       {entryPassword(highScores_.table, shownLevel_, id - kFirstPlaceButton)});
            dialog.messageBox(text, translate("HighScores", "Password"), MessageButtons::Ok);
        } else if (id == kAddScoreButton) {
            const int added = addScoreDialog(dialogs_, highScores_);
            if (added >= 1 && added <= kScoreLevels) {
                show(dialog, added - 1);
            }
        } else {
            return false;
        }
        return true;
    }

  private:
    void show(DialogHandle& dialog, int level) {
        if (level < 0 || level >= kScoreLevels) {
            level = 0;
        }
        shownLevel_ = level;
        dialog.setItemText(kShownLevelLabel, levelWord(level));
        for (int place = 0; place < kScorePlaces; ++place) {
            dialog.setItemText(kFirstPlaceButton + place,
                               placeText(highScores_.table, level, place));
        }
    }

    DialogHost& dialogs_;
    HighScores& highScores_;
    int shownLevel_;
};

} // namespace

std::u16string levelWord(int level) {
    switch (level) {
    case 0:
        return translate("Levels", "Easy");
    case 1:
        return translate("Levels", "Normal");
    case 2:
        return translate("Levels", "Expert");
    default:
        return {};
    }
}

std::u16string_view levelName(int level) {
    switch (level) {
    case 0:
        return u"Easy";
    case 1:
        return u"Normal";
    case 2:
        return u"Expert";
    default:
        return {};
    }
}

int highScoresDialog(DialogHost& dialogs, HighScores& highScores, int level) {
    HighScoresProcedure procedure(dialogs, highScores, level);
    return dialogs.runModal(highScoresTemplate(), procedure);
}
