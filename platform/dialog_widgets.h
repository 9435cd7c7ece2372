// The widget of one modal dialog built from its template, and its painted custom controls.
#pragma once

#include "platform/dialog_fitting.h"
#include "platform/dialog_handle.h"
#include "platform/dialog_template.h"

#include <QDialog>
#include <QWidget>
#include <map>

class QListWidget;

// A custom control: its class paints the client area at every paint.
class PaintedControl : public QWidget {
  public:
    PaintedControl(std::u16string className, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::u16string className_;
};

class TemplateDialog : public QDialog, public DialogHandle {
  public:
    // Centred over its owner when it has one.
    TemplateDialog(const DialogTemplate& dialog, DialogProcedure& procedure,
                   QWidget* owner = nullptr);

    // A double-click on a run of these characters in an edit box, or in a message box this
    // dialog shows, selects the whole run.
    void keepCodesWhole(const QString& codeCharacters);

    std::u16string itemText(int id) const override;
    void setItemText(int id, std::u16string_view text) override;
    std::u16string caption() const override;
    void setCaption(std::u16string_view caption) override;
    void repaintItem(int id) override;
    void addListItem(int id, std::u16string_view text) override;
    int listItemCount(int id) const override;
    int selectedListItem(int id) const override;
    void selectListItem(int id, int index) override;
    int messageBox(std::u16string_view text, std::u16string_view caption,
                   MessageButtons buttons) override;
    void endDialog(int result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Esc and the close box come here; the procedure decides whether the dialog ends.
    void reject() override;

  private:
    QWidget* makeControl(const ControlTemplate& control);
    QListWidget* listBox(int id) const;
    void sendCommand(int id);

    // Lays the dialog out again for its texts, keeping its centre where it was once shown.
    void fitTexts();

    DialogProcedure& procedure_;
    DialogFitting fitting_{{}};
    std::map<int, QWidget*> controls_;
    int defaultButton_ = kNoControlId;
    QString codeCharacters_;
    bool initialised_ = false;
};
