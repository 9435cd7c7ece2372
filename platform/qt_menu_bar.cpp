// The menu bar of the game window as Qt menus: popups with checkable items, plain buttons.
#include "platform/qt_menu_bar.h"

#include "platform/main_window.h"
#include "platform/qt_text.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <vector>

namespace {

// Queued, so that a command which opens a dialog starts only after its menu has closed.
void sendOnTrigger(MainWindow& window, QAction* action, int commandId) {
    QObject::connect(
        action, &QAction::triggered, &window,
        [&window, commandId] { window.sendCommand(commandId); }, Qt::QueuedConnection);
}

} // namespace

class QtMenuBar::Popup final : public MenuPopup {
  public:
    void add(QAction* action, int commandId) { items_.push_back({action, commandId}); }

    void checkItem(int commandId, bool checked) override {
        for (const auto& item : items_) {
            if (item.commandId == commandId) {
                setChecked(item.action, checked);
            }
        }
    }
    void checkItemAt(int position, bool checked) override {
        if (position >= 0 && position < int(items_.size())) {
            setChecked(items_[std::size_t(position)].action, checked);
        }
    }
    bool itemChecked(int commandId) const override {
        for (const auto& item : items_) {
            if (item.commandId == commandId) {
                return item.action->isChecked();
            }
        }
        return false;
    }

  private:
    struct Item {
        QAction* action;
        int commandId;
    };
    // An item shows a check box once it has been checked or cleared.
    static void setChecked(QAction* action, bool checked) {
        action->setCheckable(true);
        action->setChecked(checked);
    }
    std::vector<Item> items_;
};

QtMenuBar::QtMenuBar(MainWindow& window, QMenuBar& bar, const MenuBarTemplate& buttons) {
    for (const auto& button : buttons) {
        if (button.items.empty()) {
            sendOnTrigger(window, bar.addAction(qText(button.label)), button.commandId);
            continue;
        }
        QMenu* menu = bar.addMenu(qText(button.label));
        window.watchMenu(menu);
        auto popup = std::make_unique<Popup>();
        // Exclusive, so that a choice shows one mark and not a row of empty check boxes.
        QActionGroup* group = button.radioGroup ? new QActionGroup(menu) : nullptr;
        for (const auto& item : button.items) {
            QAction* action = menu->addAction(qText(item.label));
            if (group) {
                action->setCheckable(true);
                group->addAction(action);
            }
            sendOnTrigger(window, action, item.commandId);
            popup->add(action, item.commandId);
        }
        popups_[button.commandId] = std::move(popup);
    }
}

QtMenuBar::~QtMenuBar() = default;

MenuPopup* QtMenuBar::popup(int buttonCommandId) {
    const auto found = popups_.find(buttonCommandId);
    return found == popups_.end() ? nullptr : found->second.get();
}
