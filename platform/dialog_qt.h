// The real dialogs: widgets built from templates, Qt message boxes and file dialogs.
#pragma once

#include "platform/dialog_host.h"

#include <QFont>

class QtDialogHost : public DialogHost {
  public:
    int runModal(const DialogTemplate& dialog, DialogProcedure& procedure) override;
    int messageBox(const MessageBoxRequest& request) override;
    std::optional<std::u16string> askFileName(const FileDialogRequest& request) override;
    bool showHelp(std::u16string_view path) override;
};

// The base units of a font as the desktop measures them: the average width of the 52 Latin
// letters, rounded, and the font's height.
DialogBaseUnits dialogBaseUnits(const QFont& font);

class QWidget;
// A message box over owner (or on its own when owner is null); gives the button's id.
int showQtMessageBox(const MessageBoxRequest& request, QWidget* owner);
