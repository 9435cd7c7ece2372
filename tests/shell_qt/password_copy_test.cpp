// Score passwords travel by the clipboard: selectable in their boxes, pasted into Add High Score.
#include "game/scores/score_dialog_ids.h"
#include "game/scores/score_dialogs.h"
#include "qt_shell_fixture.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

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

// Where the character at `at` of a one-line label's text lies, by the label's own font.
QPoint characterInLabel(const QLabel& label, qsizetype at) {
    const QFontMetrics metrics(label.font());
    const QString text = label.text();
    const QRect area = label.contentsRect();
    int left = area.left();
    if (label.alignment() & Qt::AlignHCenter) {
        left = area.center().x() - metrics.horizontalAdvance(text) / 2;
    }
    const int x =
        left + metrics.horizontalAdvance(text.left(at)) + metrics.horizontalAdvance(text[at]) / 2;
    const int y =
        label.alignment() & Qt::AlignTop ? area.top() + metrics.height() / 2 : area.center().y();
    return {x, y};
}

// The toolkit's words end at the password's symbols: a double-click took "!" or "do" of it.
TEST_F(PasswordCopy, ADoubleClickAnywhereOnAPasswordSelectsItWhole) {
    const QString password = QStringLiteral("d7f8!do");
    StandInUser user;
    QStringList selected;
    user.whileOpen = [&](QWidget& modal) {
        for (QLabel* label : modal.findChildren<QLabel*>()) {
            const qsizetype at = label->text().indexOf(password);
            for (const qsizetype offset : {4, 6}) {
                if (at >= 0) {
                    QTest::mouseDClick(label, Qt::LeftButton, {},
                                       characterInLabel(*label, at + offset));
                    selected.push_back(label->selectedText());
                }
            }
        }
        if (auto* dialog = dynamic_cast<TemplateDialog*>(&modal)) {
            auto* edit = qobject_cast<QLineEdit*>(dialog->findChildren<QLineEdit*>().back());
            edit->setText(password);
            for (const int offset : {4, 6}) {
                edit->setCursorPosition(offset);
                QTest::mouseDClick(edit, Qt::LeftButton, {},
                                   edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center() +
                                       QPoint(2, 0));
                selected.push_back(edit->selectedText());
            }
            dialog->endDialog(0);
        }
    };
    bool done = false;
    QTimer::singleShot(0, [&] {
        showMessageBox(game, u"The password for this score is: d7f8!do", u"Password");
        addScoreDialog(dialogs, game.highScores);
        done = true;
    });
    ASSERT_TRUE(runUntil([&] { return done; }, 5000));
    EXPECT_EQ(selected, QStringList(4, password));
}

} // namespace
