// The "Load Zorv Theme" dialog: the built-in set and every theme file, and installing the choice.
#pragma once

#include "game/themes/theme_list.h"
#include "platform/dialog_host.h"

constexpr int kThemeListDialogId = 106;
constexpr int kThemeListBoxId = 1005;

// The dialog's layout: the list box, and below it the OK button (command 1) that stands for the
// handheld's Done button in the title bar.
DialogTemplate themeListDialogTemplate();

// Lists the themes when the dialog opens; Done makes the selected one current, installing it
// from My Documents first, and closes the dialog with 1. The close box (Esc) closes it with
// kDialogCancel and changes nothing.
class ThemeListDialog : public DialogProcedure {
  public:
    explicit ThemeListDialog(const ThemeSettings& settings) : settings_(settings) {}
    void initDialog(DialogHandle& dialog) override;
    bool command(DialogHandle& dialog, int id) override;

  private:
    void done(DialogHandle& dialog);

    const ThemeSettings& settings_;
    ThemeEntries list_;
};

// Shows the dialog; gives its result. The caller reloads the theme afterwards, whatever it is.
int themeListDialog(DialogHost& dialogs, const ThemeSettings& settings);
