// The About box: the game's name and version, its makers, and the sounds' licence.
#include "game/shell/about_dialog.h"

#include "platform/dialog_box.h"
#include "platform/dialog_host.h"
#include "platform/translation.h"

DialogTemplate aboutTemplate() {
    DialogTemplate dialog{
        kAboutDialogId, translate("About", "About Zorvagon"), u"System", 8, 160, 110, {}};
    auto add = [&dialog](int id, ControlKind kind, std::u16string text, DialogRect rect) {
        dialog.controls.push_back({id, kind, std::move(text), rect, {}});
    };
    add(kNoControlId, ControlKind::Icon, u":/icons/zorvagon-32.png", {7, 7, 21, 20});
    add(kNoControlId, ControlKind::Label, translate("About", "Zorvagon V 1.5"), {36, 12, 117, 10});
    add(kNoControlId, ControlKind::CentredLabel,
        translate("About", "Written by the Zorvagon developers"), {7, 34, 126, 10});
    add(kNoControlId, ControlKind::CentredLabel,
        translate("About", "Questions and ideas are welcome:\nhelp@zorvagon.example"),
        {7, 47, 146, 20});
    add(kNoControlId, ControlKind::CentredLabel,
        translate("About", "All sound effects are in the public domain"), {7, 71, 146, 10});
    add(kDialogOk, ControlKind::DefaultButton, translate("About", "OK"), {60, 90, 40, 13});
    return dialog;
}

bool AboutDialogProcedure::command(DialogHandle& dialog, int id) {
    if (id != kDialogOk && id != kDialogCancel) {
        return false;
    }
    dialog.endDialog(kDialogOk);
    return true;
}

int aboutDialog(DialogHost& dialogs) {
    AboutDialogProcedure procedure;
    return dialogs.runModal(aboutTemplate(), procedure);
}
