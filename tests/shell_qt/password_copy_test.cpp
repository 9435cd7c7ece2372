// Score passwords travel by the clipboard: selectable in their boxes, pasted into Add High Score.
#include "game/scores/score_dialog_ids.h"
#include "game/scores/score_dialogs.h"
#include "qt_shell_fixture.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>

namespace {

using PasswordCopy = QtShellTest;

void sendKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
}

TEST_F(PasswordCopy, ThePasswordInItsBoxCanBeSelectedAndCopied) {
    StandInUser user;
    QString copied;
    user.whileOpen = [&](QWidget& box) {
        for (QLabel* label : box.findChildren<QLabel*>()) {
            const qsizetype at = label->text().indexOf("c1D27H");
            if (at < 0) {
                continue;
            }
            EXPECT_TRUE(label->textInteractionFlags() & Qt::TextSelectableByMouse);
            label->setSelection(int(at), 6);
            label->setFocus();
            sendKey(label, Qt::Key_C, Qt::ControlModifier);
            copied = QGuiApplication::clipboard()->text();
        }
    };
    bool done = false;
    QTimer::singleShot(0, [&] {
        showMessageBox(game,
                       u"Your password is: c1D27H\nClick on your name in the high scores at any "
                       u"time to see the password again.",
                       u"On-Line Password");
        done = true;
    });
    ASSERT_TRUE(runUntil([&] { return done; }, 5000));
    EXPECT_EQ(copied, "c1D27H");
}

TEST_F(PasswordCopy, AFriendsPasswordCanBePastedIntoAddHighScore) {
    QGuiApplication::clipboard()->setText("c1D27H");
    StandInUser user;
    std::u16string pasted;
    user.whileOpen = [&](QWidget& modal) {
        auto* dialog = dynamic_cast<TemplateDialog*>(&modal);
        if (!dialog) {
            return;
        }
        const QList<QLineEdit*> edits = dialog->findChildren<QLineEdit*>();
        for (QLineEdit* edit : edits) {
            edit->setFocus();
            sendKey(edit, Qt::Key_V, Qt::ControlModifier);
            if (dialog->itemText(kFriendPasswordEdit) == u"c1D27H") {
                pasted = u"c1D27H";
            }
        }
        sendKey(dialog, Qt::Key_Escape, Qt::NoModifier);
    };
    bool done = false;
    QTimer::singleShot(0, [&] {
        addScoreDialog(dialogs, game.highScores);
        done = true;
    });
    ASSERT_TRUE(runUntil([&] { return done; }, 5000));
    EXPECT_EQ(pasted, u"c1D27H");
}

} // namespace
