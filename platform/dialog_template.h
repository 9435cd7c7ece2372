// Dialog templates: each control's id, kind, text, position and size in dialog units.
#pragma once

#include <string>
#include <vector>

enum class ControlKind {
    Label,         // static text, left-aligned and wrapping
    CentredLabel,  // static text, centred
    BorderedLabel, // static text, centred in a thin frame
    Edit,          // one-line edit box, scrolling sideways
    Button,        // push button
    DefaultButton, // the push button that Enter presses
    Icon,          // a picture; its text names the resource
    ListBox,       // a list of lines, one selectable
    Custom,        // painted by the control class named in className
};

// The id of a control that the dialog procedure never addresses.
constexpr int kNoControlId = -1;

// A rectangle in dialog units: a quarter of the font's average letter width across, an eighth of
// its line height down.
struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct ControlTemplate {
    int id = kNoControlId;
    ControlKind kind = ControlKind::Label;
    std::u16string text;
    DialogRect rect;
    std::u16string className; // Custom controls only
    // Edit boxes only: Return typed in the box stays there (a one-line box does nothing with
    // it) instead of pressing the dialog's default button.
    bool keepsReturn = false;
};

struct DialogTemplate {
    int id = 0;
    std::u16string caption;
    std::u16string fontName;
    int fontPointSize = 8;
    int width = 0; // client area, dialog units
    int height = 0;
    std::vector<ControlTemplate> controls;
};

// A dialog font's base units in pixels: its average letter width and its line height.
struct DialogBaseUnits {
    int x = 0;
    int y = 0;
};

// The base units of the desktop's classic 8-point dialog font at 96 dots per inch.
constexpr DialogBaseUnits kClassicDialogBaseUnits{6, 13};

struct PixelBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Converts as the desktop does: x * baseX / 4 and y * baseY / 8, each rounded to nearest.
PixelBox dialogUnitsToPixels(const DialogRect& rect, DialogBaseUnits units);

// The template's control with this id; nothing for kNoControlId or an unknown id.
const ControlTemplate* findControl(const DialogTemplate& dialog, int id);
