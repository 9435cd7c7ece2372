// The menu bar of the game window as Qt menus: popups with checkable items, plain buttons.
#include "platform/qt_menu_bar.h"

#include "platform/main_window.h"
#include "platform/menu_mnemonics.h"
#include "platform/qt_text.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
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

// The label with its access key, and after a tab the keys in the desktop's own spelling: the
// menu shows them in its shortcut column without taking them from the window's accelerators.
QString menuText(const MenuItemTemplate& item, MnemonicChooser& mnemonics) {
    const QString label = mnemonics.label(qText(item.label));
    if (item.shortcut.empty()) {
        return label;
    }
    const QKeySequence keys(qText(item.shortcut));
    return label + u'\t' + keys.toString(QKeySequence::NativeText);
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
    // Alt and a letter open a popup or press a plain button, and a letter chooses in a popup:
    // with the first entry of the first popup being Quit, the keyboard must not have to walk
    // through it.
    MnemonicsWhileAltHeld& look = MnemonicsWhileAltHeld::shared();
    look.apply(&bar);
    MnemonicChooser barKeys;
    for (const auto& button : buttons) {
        const QString label = barKeys.label(qText(button.label));
        if (button.items.empty()) {
            sendOnTrigger(window, bar.addAction(label), button.commandId);
            continue;
        }
        QMenu* menu = bar.addMenu(label);
        look.apply(menu);
        window.watchMenu(menu);
        MnemonicChooser itemKeys;
        auto popup = std::make_unique<Popup>();
        // Exclusive, so that a choice shows one mark and not a row of empty check boxes.
        QActionGroup* group = button.radioGroup ? new QActionGroup(menu) : nullptr;
        for (const auto& item : button.items) {
            QAction* action = menu->addAction(menuText(item, itemKeys));
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
