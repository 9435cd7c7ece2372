// Menu bars built from a template: buttons that open popups of commands, or send one themselves.
#pragma once

#include <string>
#include <vector>

struct MenuItemTemplate {
    int commandId = 0;
    std::u16string label;
};

// A button with items opens them as a popup; a button without items sends its own command.
// The items of a radio group are exclusive choices: one of them carries the mark.
struct MenuButtonTemplate {
    int commandId = 0;
    std::u16string label;
    std::vector<MenuItemTemplate> items;
    bool radioGroup = false;
};

using MenuBarTemplate = std::vector<MenuButtonTemplate>;

// The popup behind one button: check marks by command id or by position from the top.
class MenuPopup {
  public:
    virtual ~MenuPopup() = default;
    virtual void checkItem(int commandId, bool checked) = 0;
    virtual void checkItemAt(int position, bool checked) = 0;
    virtual bool itemChecked(int commandId) const = 0;
};

class MenuBar {
  public:
    virtual ~MenuBar() = default;
    // The popup of the button with this command id; null for a plain button or an unknown id.
    virtual MenuPopup* popup(int buttonCommandId) = 0;
};
