// A template dialog grown to hold its texts: wider buttons and labels, longer wrapped labels.
#pragma once

#include "platform/dialog_template.h"

#include <QSize>
#include <vector>

class QWidget;

// Templates are sized for English. A text that needs more room than its control has widens the
// dialog and all its controls by one factor, so rows and centring stay as designed; a wrapped
// label that needs more lines grows down and pushes what lies below it; a dialog that would then
// be taller than the screen is widened instead, so its labels need fewer lines. Nothing ever
// shrinks, nothing grows beyond the screen, and texts that fit leave the template's layout
// untouched.
class DialogFitting {
  public:
    explicit DialogFitting(PixelBox dialog) : dialog_(dialog) {}

    void add(QWidget* widget, ControlKind kind, PixelBox box);
    // Places every control for the texts it shows now and sizes the dialog to hold them.
    void fit(QWidget& dialog);

  private:
    // Places the controls at this width factor; gives the height the dialog then needs.
    int place(double widthFactor);

    struct Control {
        QWidget* widget;
        ControlKind kind;
        PixelBox box;    // where the template puts it
        int grownBy = 0; // the height its text was given when last fitted, kept as the least
        int growth = 0;  // the height its text is given in this placement
    };

    PixelBox dialog_;
    std::vector<Control> controls_;
    double widthFactor_ = 1.0;
};
