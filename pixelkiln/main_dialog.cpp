// The main dialog's set-up and commands.
#include "pixelkiln/main_dialog.h"

#include "pixelkiln/dialog_ids.h"
#include "pixelkiln/main_dialog_template.h"
#include "pixelkiln/preview_painter.h"
#include "pixelkiln/settings.h"
#include "pixelkiln/theme_commands.h"
#include "pixelkiln/working_bitmaps.h"
#include "platform/translation.h"

#include <system_error>

namespace {

// The help dialog: any command closes it.
class HelpDialog : public DialogProcedure {
  public:
    void initDialog(DialogHandle&) override {}
    bool command(DialogHandle& dialog, int) override {
        dialog.endDialog(0);
        return true;
    }
};

// The Choose... button's preview, or 0 for any other command.
int choosePreview(int id) {
    for (int k = 1; k <= kPreviewCount; ++k) {
        if (id == chooseButtonId(k)) {
            return k;
        }
    }
    return 0;
}

} // namespace

void updateTitle(DialogHandle& dialog, const PixelkilnState& state) {
    dialog.setCaption(fillIn(translate("Pixelkiln", "Zorvagon Pixelkiln v1.0 - %1"),
                             {dialogTextFromNarrow(state.curThemeFile)}));
}

void invalidatePreviews(DialogHandle& dialog) {
    for (int k = 1; k <= kPreviewCount; ++k) {
        dialog.repaintItem(previewId(k));
    }
}

void MainDialog::initDialog(DialogHandle& dialog) {
    readSettings(state_);
    dialog.setItemText(PixelkilnId::NameBox, dialogTextFromNarrow(state_.curThemeName));
    updateTitle(dialog, state_);
    std::error_code error;
    state_.startDirectory = std::filesystem::current_path(error);
    prepareWorkingBitmaps(state_);
}

void MainDialog::quit(DialogHandle& dialog) {
    state_.curThemeName = narrowFromDialogText(dialog.itemText(PixelkilnId::NameBox));
    writeSettings(state_);
    dialog.endDialog(0);
}

bool MainDialog::command(DialogHandle& dialog, int id) {
    if (id == kDialogOk || id == kDialogCancel || id == PixelkilnId::Quit) {
        quit(dialog);
    } else if (const int k = choosePreview(id); k != 0) {
        chooseBitmap(state_, host_, k);
        invalidatePreviews(dialog);
    } else if (id == PixelkilnId::Open) {
        openCommand(state_, host_, dialog);
    } else if (id == PixelkilnId::Save) {
        saveTheme(state_, host_, dialog);
    } else if (id == PixelkilnId::SaveAs) {
        saveThemeAs(state_, host_, dialog);
    } else if (id == PixelkilnId::Help) {
        HelpDialog help;
        host_.runModal(helpDialogTemplate(), help);
    } else {
        return false;
    }
    return true;
}

int runPixelkiln(DialogHost& host, PixelkilnState& state) {
    registerPreviewClasses(state);
    MainDialog procedure(state, host);
    host.runModal(mainDialogTemplate(), procedure);
    unregisterPreviewClasses();
    return 0;
}
