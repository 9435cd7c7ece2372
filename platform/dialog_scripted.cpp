// The scripted dialogs: texts and lists kept per control id, commands sent as the user would.
#include "platform/dialog_scripted.h"

#include "platform/dialog_classes.h"
#include "platform/modal_loops.h"

namespace {

int takeFront(std::deque<int>& answers, int otherwise) {
    if (answers.empty()) {
        return otherwise;
    }
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace

ScriptedDialog::ScriptedDialog(const DialogTemplate& dialog, DialogProcedure& procedure,
                               std::vector<MessageBoxRequest>& messages)
    : template_(dialog), procedure_(procedure), messages_(messages), caption_(dialog.caption) {
    for (const auto& control : template_.controls) {
        if (control.id != kNoControlId) {
            texts_[control.id] = control.text;
        }
    }
}

void ScriptedDialog::type(int id, std::u16string_view text) {
    setItemText(id, text);
}

void ScriptedDialog::press(int id) {
    if (!ended()) {
        procedure_.command(*this, id);
    }
}

void ScriptedDialog::pressEnter() {
    for (const auto& control : template_.controls) {
        if (control.kind == ControlKind::DefaultButton) {
            press(control.id);
            return;
        }
    }
    press(kDialogOk);
}

PixelBox ScriptedDialog::itemBox(int id) const {
    const ControlTemplate* control = findControl(template_, id);
    return control ? dialogUnitsToPixels(control->rect, kClassicDialogBaseUnits) : PixelBox{};
}

QImage ScriptedDialog::paintItem(int id) const {
    const ControlTemplate* control = findControl(template_, id);
    if (!control || control->kind != ControlKind::Custom) {
        return {};
    }
    const PixelBox box = itemBox(id);
    return paintControl(control->className, box.width, box.height);
}

int ScriptedDialog::repaintCount(int id) const {
    const auto found = repaints_.find(id);
    return found == repaints_.end() ? 0 : found->second;
}

std::u16string ScriptedDialog::itemText(int id) const {
    const auto found = texts_.find(id);
    return found == texts_.end() ? std::u16string() : found->second;
}

void ScriptedDialog::setItemText(int id, std::u16string_view text) {
    if (findControl(template_, id)) {
        texts_[id] = text;
    }
}

void ScriptedDialog::addListItem(int id, std::u16string_view text) {
    lists_[id].emplace_back(text);
}

int ScriptedDialog::listItemCount(int id) const {
    const auto found = lists_.find(id);
    return found == lists_.end() ? 0 : static_cast<int>(found->second.size());
}

int ScriptedDialog::selectedListItem(int id) const {
    const auto found = selections_.find(id);
    return found == selections_.end() ? -1 : found->second;
}

void ScriptedDialog::selectListItem(int id, int index) {
    selections_[id] = index >= 0 && index < listItemCount(id) ? index : -1;
}

int ScriptedDialog::messageBox(std::u16string_view text, std::u16string_view caption,
                               MessageButtons buttons) {
    messages_.push_back({std::u16string(text), std::u16string(caption), buttons, true});
    const ModalLoopScope modal;
    return takeFront(messageAnswers, kDialogOk);
}

int ScriptedDialogHost::runModal(const DialogTemplate& dialog, DialogProcedure& procedure) {
    // The script plays inside the dialog's loop, as the user's actions would arrive.
    const ModalLoopScope modal;
    ScriptedDialog shown(dialog, procedure, messages);
    procedure.initDialog(shown);
    dialogsShown.push_back(shown.caption());
    DialogScript script;
    if (!dialogScripts_.empty()) {
        script = std::move(dialogScripts_.front());
        dialogScripts_.pop_front();
    }
    if (script) {
        script(shown);
    } else {
        shown.pressEscape();
    }
    return shown.result().value_or(kDialogLeftOpen);
}

int ScriptedDialogHost::messageBox(const MessageBoxRequest& request) {
    messages.push_back(request);
    const ModalLoopScope modal;
    if (onMessageBox) {
        onMessageBox(request);
    }
    return takeFront(messageAnswers_, kDialogOk);
}

std::optional<std::u16string> ScriptedDialogHost::askFileName(const FileDialogRequest& request) {
    fileDialogs.push_back(request);
    if (fileAnswers_.empty()) {
        return std::nullopt;
    }
    auto answer = std::move(fileAnswers_.front());
    fileAnswers_.pop_front();
    return answer;
}

bool ScriptedDialogHost::showHelp(std::u16string_view path) {
    helpShown.emplace_back(path);
    return true;
}
