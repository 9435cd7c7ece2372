// The menu bar of the game window as Qt menus: popups with checkable items, plain buttons.
#pragma once

#include "platform/menu_bar.h"

#include <map>
#include <memory>

class MainWindow;
class QMenuBar;

class QtMenuBar final : public MenuBar {
  public:
    // Fills the bar; every item and plain button sends its command to the window.
    QtMenuBar(MainWindow& window, QMenuBar& bar, const MenuBarTemplate& buttons);
    ~QtMenuBar() override;

    MenuPopup* popup(int buttonCommandId) override;

  private:
    class Popup;
    std::map<int, std::unique_ptr<Popup>> popups_;
};
