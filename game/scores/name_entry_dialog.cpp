// The name entry after a high score: stores the entry and issues its score password.
#include "game/engine/engine_state.h"
#include "game/scores/high_score_table.h"
#include "game/scores/password_codec.h"
#include "game/scores/score_dialog_ids.h"
#include "game/scores/score_dialogs.h"
#include "platform/dialog_host.h"
#include "platform/text.h"

namespace {

class NameEntryProcedure final : public DialogProcedure {
  public:
    NameEntryProcedure(EngineState& state, HighScores& highScores)
        : state_(state), highScores_(highScores) {}

    void initDialog(DialogHandle&) override {}

    // Only OK with a name closes the dialog: there is no way out without one.
    bool command(DialogHandle& dialog, int id) override {
        if (id != kDialogOk) {
            return true;
        }
        const std::u16string name = dialog.itemText(kNameEdit).substr(0, kEntryNameUnits - 1);
        if (name.empty()) {
            return true;
        }
        const std::u16string password = encodePassword(static_cast<std::uint32_t>(state_.score),
                                                       kIssuedPasswordTag, state_.level);
        addHighScore(highScores_, name, password);
        setFieldText(state_.lastPassword, password);
        state_.passwordMade = true;
        dialog.endDialog(kDialogOk);
        return true;
    }

  private:
    EngineState& state_;
    HighScores& highScores_;
};

} // namespace

void newHighScoreDialog(DialogHost& dialogs, EngineState& state, HighScores& highScores) {
    NameEntryProcedure procedure(state, highScores);
    dialogs.runModal(nameEntryTemplate(), procedure);
}
