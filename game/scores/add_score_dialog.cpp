// Add High Score: a friend's name and score password, checked and added when good enough.
#include "game/scores/high_score_table.h"
#include "game/scores/password_codec.h"
#include "game/scores/score_dialog_ids.h"
#include "game/scores/score_dialogs.h"
#include "platform/dialog_host.h"
#include "platform/text.h"
#include "platform/translation.h"

#include <string>

namespace {

constexpr std::size_t kTypedPasswordLimit = 49;

// The score password the table stores for a typed one: the text itself, or for the older
// form a new score password of the same score, tag and level, as converted tables hold.
std::u16string storedPassword(std::u16string_view typed, PasswordContent& content) {
    if (decodePassword(typed, content)) {
        // Longer texts still decode but cannot be kept in the table's field.
        return typed.size() < kEntryPasswordUnits ? std::u16string(typed) : std::u16string();
    }
    if (decodeLegacyPassword(typed, content)) {
        return encodePassword(content.score, content.tag, content.level);
    }
    return {};
}

std::u16string notGoodEnoughText(const PasswordContent& content) {
    return fillIn(translate("AddScore", "The password is valid.  Unfortunately, your score of %1 "
                                        "on the %2 difficulty level is not a high score on this "
                                        "machine."),
                  {utf16FromUtf8(std::to_string(content.score)), levelWord(content.level)});
}

class AddScoreProcedure final : public DialogProcedure {
  public:
    explicit AddScoreProcedure(HighScores& highScores) : highScores_(highScores) {}
    void initDialog(DialogHandle&) override {}

    bool command(DialogHandle& dialog, int id) override {
        if (id == kDialogCancel) {
            dialog.endDialog(0);
            return true;
        }
        if (id != kDialogOk) {
            return false;
        }
        const std::u16string name = dialog.itemText(kFriendNameEdit).substr(0, kEntryNameUnits - 1);
        const std::u16string typed =
            dialog.itemText(kFriendPasswordEdit).substr(0, kTypedPasswordLimit);
        if (name.empty() || typed.empty()) {
            dialog.endDialog(0);
            return true;
        }
        PasswordContent content;
        const std::u16string password = storedPassword(typed, content);
        if (password.empty() || levelName(content.level).empty()) {
            dialog.messageBox(translate("AddScore", "This is not a valid password.  Try again."),
                              translate("AddScore", "Password Error"), MessageButtons::Ok);
            return true;
        }
        if (!isHighScore(highScores_.table, content.level, content.score)) {
            dialog.messageBox(notGoodEnoughText(content),
                              translate("AddScore", "Not Good Enough :)"), MessageButtons::Ok);
            dialog.endDialog(0);
            return true;
        }
        addHighScore(highScores_, name, password);
        dialog.endDialog(content.level + 1);
        return true;
    }

  private:
    HighScores& highScores_;
};

} // namespace

int addScoreDialog(DialogHost& dialogs, HighScores& highScores) {
    AddScoreProcedure procedure(highScores);
    const int result = dialogs.runModal(addScoreTemplate(), procedure);
    return result >= 1 && result <= kScoreLevels ? result : 0;
}
