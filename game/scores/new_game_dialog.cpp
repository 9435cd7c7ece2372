// The New Game dialog: one button per level, and Cancel.
#include "game/engine/engine_state.h"
#include "game/scores/score_dialog_ids.h"
#include "game/scores/score_dialogs.h"
#include "platform/dialog_host.h"

namespace {

class NewGameProcedure final : public DialogProcedure {
  public:
    explicit NewGameProcedure(EngineState& state) : state_(state) {}

    void initDialog(DialogHandle&) override {}

    bool command(DialogHandle& dialog, int id) override {
        state_.turnScore = 0;
        // Esc and the close box count as Cancel.
        if (id == kNewGameCancel || id == kDialogCancel) {
            dialog.endDialog(kNewGameCancel);
            return true;
        }
        if (id >= kNewGameEasy && id <= kNewGameExpert) {
            state_.level = id - kNewGameEasy;
            dialog.endDialog(id);
            return true;
        }
        return false;
    }

  private:
    EngineState& state_;
};

} // namespace

int newGameDialog(DialogHost& dialogs, EngineState& state) {
    NewGameProcedure procedure(state);
    return dialogs.runModal(newGameTemplate(), procedure);
}
