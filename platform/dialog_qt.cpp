// The real dialogs: template dialogs, message boxes, file dialogs and the help viewer.
#include "platform/dialog_qt.h"

#include "platform/code_selection.h"
#include "platform/dialog_widgets.h"
#include "platform/help_viewer.h"
#include "platform/modal_loops.h"
#include "platform/qt_text.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>

namespace {

QMessageBox::StandardButtons standardButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

int buttonId(int pressed) {
    switch (pressed) {
    case QMessageBox::Ok:
        return kDialogOk;
    case QMessageBox::Yes:
        return kDialogYes;
    case QMessageBox::No:
        return kDialogNo;
    default:
        return kDialogCancel;
    }
}

} // namespace

DialogBaseUnits dialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

int showQtMessageBox(const MessageBoxRequest& request, QWidget* owner,
                     const QString& codeCharacters) {
    const ModalLoopScope modal;
    QMessageBox box(QMessageBox::NoIcon, qText(request.caption), qText(request.text),
                    standardButtons(request.buttons), owner);
    // A password in a box can be selected and copied, to carry it to another machine.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    for (QLabel* label : box.findChildren<QLabel*>()) {
        selectCodesWhole(label, codeCharacters);
    }
    return buttonId(box.exec());
}

// A dialog opened from another one belongs to it; every other one to the program's main window,
// even in the moment after a box closed when no window of the program is active.
QWidget* QtDialogHost::currentOwner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return mainWindow_ ? mainWindow_.data() : QApplication::activeWindow();
}

int QtDialogHost::runModal(const DialogTemplate& dialog, DialogProcedure& procedure) {
    const ModalLoopScope modal;
    TemplateDialog shown(dialog, procedure, currentOwner());
    shown.keepCodesWhole(codeCharacters_);
    return shown.exec();
}

int QtDialogHost::messageBox(const MessageBoxRequest& request) {
    return showQtMessageBox(request, currentOwner(), codeCharacters_);
}

std::optional<std::u16string> QtDialogHost::askFileName(const FileDialogRequest& request) {
    const ModalLoopScope modal;
    QFileDialog dialog(currentOwner());
    const bool save = request.kind == FileDialogKind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(
        QStringLiteral("%1 (%2)").arg(qText(request.filterName), qText(request.filterPattern)));
    dialog.setDefaultSuffix(qText(request.defaultSuffix));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return plainText(dialog.selectedFiles().front());
}

bool QtDialogHost::showHelp(std::u16string_view path) {
    openHelpPage(qText(path));
    return true;
}
