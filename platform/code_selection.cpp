// Double-click selection widened to a whole run of code characters.
#include "platform/code_selection.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

struct Selection {
    qsizetype start = 0;
    qsizetype length = 0;
};

// The selection grown over the code characters on both sides, when it holds only such
// characters; unchanged otherwise.
Selection widened(const QString& text, Selection selected, const QString& codeCharacters) {
    if (selected.length <= 0 || selected.start < 0 ||
        selected.start + selected.length > text.size()) {
        return selected;
    }
    const auto inCode = [&](qsizetype at) { return codeCharacters.contains(text[at]); };
    for (qsizetype at = selected.start; at < selected.start + selected.length; ++at) {
        if (!inCode(at)) {
            return selected;
        }
    }
    qsizetype start = selected.start;
    qsizetype end = selected.start + selected.length;
    while (start > 0 && inCode(start - 1)) {
        --start;
    }
    while (end < text.size() && inCode(end)) {
        ++end;
    }
    return {start, end - start};
}

// Lets the widget select its word, then widens that selection.
class CodeSelection final : public QObject {
  public:
    CodeSelection(QString codeCharacters, QObject* parent)
        : QObject(parent), codeCharacters_(std::move(codeCharacters)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonDblClick) {
            return false;
        }
        // Straight to the widget: its own double-click handling runs first, past this filter.
        watched->event(event);
        if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
            const Selection wide =
                widened(edit->text(), {edit->selectionStart(), edit->selectedText().size()},
                        codeCharacters_);
            if (wide.length > 0) {
                edit->setSelection(int(wide.start), int(wide.length));
            }
        } else if (auto* label = qobject_cast<QLabel*>(watched)) {
            const Selection wide =
                widened(label->text(), {label->selectionStart(), label->selectedText().size()},
                        codeCharacters_);
            if (wide.length > 0) {
                label->setSelection(int(wide.start), int(wide.length));
            }
        }
        return true;
    }

  private:
    QString codeCharacters_;
};

} // namespace

void selectCodesWhole(QWidget* widget, const QString& codeCharacters) {
    if (widget && !codeCharacters.isEmpty()) {
        widget->installEventFilter(new CodeSelection(codeCharacters, widget));
    }
}
