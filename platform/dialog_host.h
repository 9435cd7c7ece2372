// The one way into modal dialogs, message boxes, file dialogs and help: real or scripted.
#pragma once

#include "platform/dialog_box.h"
#include "platform/dialog_handle.h"
#include "platform/dialog_template.h"

#include <optional>
#include <string>
#include <string_view>

class DialogHost {
  public:
    virtual ~DialogHost() = default;

    // Shows a dialog built from its template and runs it until its procedure ends it.
    virtual int runModal(const DialogTemplate& dialog, DialogProcedure& procedure) = 0;
    // Gives the id of the button pressed (kDialogOk, kDialogCancel, kDialogYes, kDialogNo).
    virtual int messageBox(const MessageBoxRequest& request) = 0;
    // The chosen file's path, or nothing when the user cancelled.
    virtual std::optional<std::u16string> askFileName(const FileDialogRequest& request) = 0;
    // Opens a help page in the desktop's viewer; false when none starts.
    virtual bool showHelp(std::u16string_view path) = 0;
};
