// Builds a dialog's widgets from its template and turns keys and clicks into commands.
#include "platform/dialog_widgets.h"

#include "platform/code_selection.h"
#include "platform/dialog_classes.h"
#include "platform/dialog_qt.h"
#include "platform/qt_text.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace {

QWidget* makeLabel(const ControlTemplate& control, QWidget* parent) {
    auto* label = new QLabel(qText(control.text), parent);
    label->setWordWrap(true);
    if (control.kind == ControlKind::Label) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    } else {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    if (control.kind == ControlKind::BorderedLabel) {
        label->setFrameShape(QFrame::Box);
        label->setAlignment(Qt::AlignCenter);
    }
    return label;
}

QWidget* makeIcon(const ControlTemplate& control, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(QPixmap(qText(control.text)));
    return label;
}

// QLineEdit leaves Return to the dialog; a box that keeps it accepts the key itself.
class ReturnKeepingEdit final : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        QLineEdit::keyPressEvent(event);
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            event->accept();
        }
    }
};

QWidget* makeEdit(const ControlTemplate& control, QWidget* parent) {
    if (control.keepsReturn) {
        return new ReturnKeepingEdit(qText(control.text), parent);
    }
    return new QLineEdit(qText(control.text), parent);
}

} // namespace

PaintedControl::PaintedControl(std::u16string className, QWidget* parent)
    : QWidget(parent), className_(std::move(className)) {}

void PaintedControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, paintControl(className_, width(), height()));
}

TemplateDialog::TemplateDialog(const DialogTemplate& dialog, DialogProcedure& procedure,
                               QWidget* owner)
    : QDialog(owner), procedure_(procedure) {
    setFont(QFont(qText(dialog.fontName), dialog.fontPointSize));
    const DialogBaseUnits units = dialogBaseUnits(font());
    fitting_ = DialogFitting(dialogUnitsToPixels({0, 0, dialog.width, dialog.height}, units));
    setWindowTitle(qText(dialog.caption));
    for (const auto& control : dialog.controls) {
        QWidget* widget = makeControl(control);
        fitting_.add(widget, control.kind, dialogUnitsToPixels(control.rect, units));
        if (control.id != kNoControlId) {
            controls_[control.id] = widget;
        }
    }
    fitting_.fit(*this);
}

void TemplateDialog::fitTexts() {
    const QRect before = geometry();
    fitting_.fit(*this);
    if (isVisible() && size() != before.size()) {
        move(before.center() - QPoint(width() / 2, height() / 2));
    }
}

QWidget* TemplateDialog::makeControl(const ControlTemplate& control) {
    switch (control.kind) {
    case ControlKind::Label:
    case ControlKind::CentredLabel:
    case ControlKind::BorderedLabel:
        return makeLabel(control, this);
    case ControlKind::Icon:
        return makeIcon(control, this);
    case ControlKind::Edit:
        return makeEdit(control, this);
    case ControlKind::ListBox:
        return new QListWidget(this);
    case ControlKind::Custom:
        return new PaintedControl(control.className, this);
    case ControlKind::Button:
    case ControlKind::DefaultButton:
        break;
    }
    auto* button = new QPushButton(qText(control.text), this);
    button->setAutoDefault(false);
    if (control.kind == ControlKind::DefaultButton) {
        button->setDefault(true);
        defaultButton_ = control.id;
    }
    const int id = control.id;
    connect(button, &QPushButton::clicked, this, [this, id] { sendCommand(id); });
    return button;
}

void TemplateDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!initialised_) {
        initialised_ = true;
        procedure_.initDialog(*this);
        fitTexts();
    }
}

void TemplateDialog::sendCommand(int id) {
    procedure_.command(*this, id);
}

void TemplateDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    // Enter presses the focused button, else the default button, else sends OK.
    int id = defaultButton_ == kNoControlId ? kDialogOk : defaultButton_;
    for (const auto& [controlId, widget] : controls_) {
        if (widget->hasFocus() && qobject_cast<QPushButton*>(widget)) {
            id = controlId;
        }
    }
    event->accept();
    sendCommand(id);
}

void TemplateDialog::keepCodesWhole(const QString& codeCharacters) {
    codeCharacters_ = codeCharacters;
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        selectCodesWhole(edit, codeCharacters);
    }
}

void TemplateDialog::reject() {
    sendCommand(kDialogCancel);
}

void TemplateDialog::endDialog(int result) {
    done(result);
}

std::u16string TemplateDialog::itemText(int id) const {
    const auto found = controls_.find(id);
    if (found == controls_.end()) {
        return {};
    }
    if (const auto* edit = qobject_cast<QLineEdit*>(found->second)) {
        return plainText(edit->text());
    }
    if (const auto* label = qobject_cast<QLabel*>(found->second)) {
        return plainText(label->text());
    }
    if (const auto* button = qobject_cast<QPushButton*>(found->second)) {
        return plainText(button->text());
    }
    return {};
}

void TemplateDialog::setItemText(int id, std::u16string_view text) {
    const auto found = controls_.find(id);
    if (found == controls_.end()) {
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(found->second)) {
        edit->setText(qText(text));
    } else if (auto* label = qobject_cast<QLabel*>(found->second)) {
        label->setText(qText(text));
    } else if (auto* button = qobject_cast<QPushButton*>(found->second)) {
        button->setText(qText(text));
    }
    if (initialised_) {
        fitTexts();
    }
}

std::u16string TemplateDialog::caption() const {
    return plainText(windowTitle());
}

void TemplateDialog::setCaption(std::u16string_view caption) {
    setWindowTitle(qText(caption));
}

void TemplateDialog::repaintItem(int id) {
    const auto found = controls_.find(id);
    if (found != controls_.end()) {
        found->second->update();
    }
}

QListWidget* TemplateDialog::listBox(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : qobject_cast<QListWidget*>(found->second);
}

void TemplateDialog::addListItem(int id, std::u16string_view text) {
    if (auto* list = listBox(id)) {
        list->addItem(qText(text));
    }
}

int TemplateDialog::listItemCount(int id) const {
    const auto* list = listBox(id);
    return list ? list->count() : 0;
}

// The selected line, not the current one: focus alone makes a line current without choosing it.
int TemplateDialog::selectedListItem(int id) const {
    const auto* list = listBox(id);
    if (!list) {
        return -1;
    }
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

void TemplateDialog::selectListItem(int id, int index) {
    if (auto* list = listBox(id)) {
        list->clearSelection();
        list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    }
}

int TemplateDialog::messageBox(std::u16string_view text, std::u16string_view caption,
                               MessageButtons buttons) {
    return showQtMessageBox({std::u16string(text), std::u16string(caption), buttons, true}, this,
                            codeCharacters_);
}
