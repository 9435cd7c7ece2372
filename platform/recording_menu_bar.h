// A menu bar without a display, for tests: keeps the template and every item's check mark.
#pragma once

#include "platform/menu_bar.h"

#include <map>
#include <memory>

class RecordingMenuBar final : public MenuBar {
  public:
    class Popup final : public MenuPopup {
      public:
        explicit Popup(const MenuButtonTemplate& button) : button_(button) {}

        void checkItem(int commandId, bool checked) override {
            for (std::size_t position = 0; position < button_.items.size(); ++position) {
                if (button_.items[position].commandId == commandId) {
                    checked_[position] = checked;
                }
            }
        }
        void checkItemAt(int position, bool checked) override {
            if (position >= 0 && std::size_t(position) < button_.items.size()) {
                checked_[std::size_t(position)] = checked;
            }
        }
        bool itemChecked(int commandId) const override {
            for (const auto& [position, checked] : checked_) {
                if (button_.items[position].commandId == commandId) {
                    return checked;
                }
            }
            return false;
        }
        // The ids of the items checked now, top to bottom.
        std::vector<int> checkedItems() const {
            std::vector<int> ids;
            for (const auto& [position, checked] : checked_) {
                if (checked) {
                    ids.push_back(button_.items[position].commandId);
                }
            }
            return ids;
        }

      private:
        MenuButtonTemplate button_;
        std::map<std::size_t, bool> checked_;
    };

    explicit RecordingMenuBar(MenuBarTemplate buttons) : buttons_(std::move(buttons)) {
        for (const auto& button : buttons_) {
            if (!button.items.empty()) {
                popups_[button.commandId] = std::make_unique<Popup>(button);
            }
        }
    }

    Popup* popup(int buttonCommandId) override {
        const auto found = popups_.find(buttonCommandId);
        return found == popups_.end() ? nullptr : found->second.get();
    }
    const MenuBarTemplate& buttons() const { return buttons_; }

  private:
    MenuBarTemplate buttons_;
    std::map<int, std::unique_ptr<Popup>> popups_;
};
