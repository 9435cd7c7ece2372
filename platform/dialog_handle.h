// What a dialog procedure may do with its dialog, and the procedure a modal dialog runs.
#pragma once

#include "platform/dialog_box.h"

#include <string>
#include <string_view>

// The dialog as its procedure sees it; every control is addressed by its template id.
class DialogHandle {
  public:
    virtual ~DialogHandle() = default;

    virtual std::u16string itemText(int id) const = 0;
    virtual void setItemText(int id, std::u16string_view text) = 0;
    virtual std::u16string caption() const = 0;
    virtual void setCaption(std::u16string_view caption) = 0;
    // Has a control painted again; what it showed stays until its painter draws over it.
    virtual void repaintItem(int id) = 0;

    virtual void addListItem(int id, std::u16string_view text) = 0;
    virtual int listItemCount(int id) const = 0;
    // The selected line's index, or -1 when none is.
    virtual int selectedListItem(int id) const = 0;
    virtual void selectListItem(int id, int index) = 0;

    // A message box owned by this dialog; gives the id of the button pressed.
    virtual int messageBox(std::u16string_view text, std::u16string_view caption,
                           MessageButtons buttons) = 0;
    // Closes the dialog; the call that showed it gives this result.
    virtual void endDialog(int result) = 0;
};

// The behaviour of one dialog: set-up, then each command (a button's id, or
// kDialogOk / kDialogCancel for Enter without a default button, Esc and the close box).
class DialogProcedure {
  public:
    virtual ~DialogProcedure() = default;
    virtual void initDialog(DialogHandle& dialog) = 0;
    // Returns whether the procedure handled the command.
    virtual bool command(DialogHandle& dialog, int id) = 0;
};
