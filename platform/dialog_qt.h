// The real dialogs: widgets built from templates, Qt message boxes and file dialogs.
#pragma once

#include "platform/dialog_host.h"

#include <QFont>
#include <QPointer>
#include <QWidget>

class QtDialogHost : public DialogHost {
  public:
    // The window that owns (and centres) every dialog not opened from another dialog.
    void setMainWindow(QWidget* window) { mainWindow_ = window; }
    // The characters of the codes the program shows and asks for (score passwords): a
    // double-click on one in a box or an edit box selects the whole code.
    void setCodeCharacters(const QString& characters) { codeCharacters_ = characters; }

    int runModal(const DialogTemplate& dialog, DialogProcedure& procedure) override;
    int messageBox(const MessageBoxRequest& request) override;
    std::optional<std::u16string> askFileName(const FileDialogRequest& request) override;
    bool showHelp(std::u16string_view path) override;

  private:
    QWidget* currentOwner() const;

    QPointer<QWidget> mainWindow_;
    QString codeCharacters_;
};

// The base units of a font as the desktop measures them: the average width of the 52 Latin
// letters, rounded, and the font's height.
DialogBaseUnits dialogBaseUnits(const QFont& font);

// A message box over owner (or on its own when owner is null); gives the button's id. A
// double-click on a run of code characters in its text selects the whole run.
int showQtMessageBox(const MessageBoxRequest& request, QWidget* owner,
                     const QString& codeCharacters = {});
