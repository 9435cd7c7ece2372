// The About box: the game's name and version, its makers, and the sounds' licence.
#pragma once

#include "platform/dialog_handle.h"
#include "platform/dialog_template.h"

class DialogHost;

constexpr int kAboutDialogId = 103;

DialogTemplate aboutTemplate();

// Closes with 1 on Done (and on Esc or the close box); everything else is left alone.
class AboutDialogProcedure final : public DialogProcedure {
  public:
    void initDialog(DialogHandle&) override {}
    bool command(DialogHandle& dialog, int id) override;
};

int aboutDialog(DialogHost& dialogs);
