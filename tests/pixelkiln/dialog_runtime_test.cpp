// The dialog runtime: dialog units, the scripted user, and real widgets built from a template.
#include "platform/dialog_qt.h"
#include "platform/dialog_scripted.h"
#include "platform/dialog_widgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Records each command and ends the dialog on the one it waits for.
class RecordingProcedure : public DialogProcedure {
  public:
    explicit RecordingProcedure(int endOn) : endOn_(endOn) {}
    void initDialog(DialogHandle& dialog) override { dialog.setItemText(10, u"ready"); }
    bool command(DialogHandle& dialog, int id) override {
        commands.push_back(id);
        if (id == endOn_) {
            dialog.endDialog(40 + id);
        }
        return true;
    }
    std::vector<int> commands;

  private:
    int endOn_;
};

DialogTemplate sampleTemplate() {
    return {7,
            u"Sample",
            u"Sans Serif",
            8,
            100,
            60,
            {{10, ControlKind::Edit, u"", {4, 4, 80, 12}, {}},
             {11, ControlKind::Button, u"Other", {4, 30, 40, 14}, {}},
             {12, ControlKind::DefaultButton, u"Done", {50, 30, 40, 14}, {}}}};
}

} // namespace

TEST(DialogUnits, ScaleByAQuarterAcrossAndAnEighthDownRoundedToNearest) {
    const PixelBox box = dialogUnitsToPixels({7, 50, 28, 28}, kClassicDialogBaseUnits);
    EXPECT_EQ(box.x, 11); // 10.5
    EXPECT_EQ(box.y, 81); // 81.25
    EXPECT_EQ(box.width, 42);
    EXPECT_EQ(box.height, 46); // 45.5
    const PixelBox wide = dialogUnitsToPixels({0, 0, 260, 359}, {7, 16});
    EXPECT_EQ(wide.width, 455);
    EXPECT_EQ(wide.height, 718);
}

TEST(ScriptedDialogs, ADialogWithoutAScriptIsClosedWithEscape) {
    ScriptedDialogHost host;
    RecordingProcedure procedure(kDialogCancel);
    EXPECT_EQ(host.runModal(sampleTemplate(), procedure), 40 + kDialogCancel);
    EXPECT_EQ(procedure.commands, std::vector<int>{kDialogCancel});
    EXPECT_FALSE(host.askFileName({}).has_value());
    EXPECT_EQ(host.messageBox({u"Text", u"Caption"}), kDialogOk);
    EXPECT_EQ(host.fileDialogs.size(), 1u);
    EXPECT_EQ(host.messages.at(0).caption, u"Caption");
}

TEST(ScriptedDialogs, EnterPressesTheDefaultButtonAndAnEndedDialogTakesNoMore) {
    ScriptedDialogHost host;
    RecordingProcedure procedure(12);
    host.playDialog([](ScriptedDialog& dialog) {
        EXPECT_EQ(dialog.itemText(10), u"ready");
        dialog.press(11);
        dialog.pressEnter();
        dialog.press(11);
    });
    EXPECT_EQ(host.runModal(sampleTemplate(), procedure), 52);
    EXPECT_EQ(procedure.commands, (std::vector<int>{11, 12}));
}

TEST(QtDialogs, ControlsSitWhereTheFontsBaseUnitsPutThem) {
    RecordingProcedure procedure(12);
    TemplateDialog dialog(sampleTemplate(), procedure);
    const DialogBaseUnits units = dialogBaseUnits(dialog.font());
    ASSERT_GT(units.x, 0);
    ASSERT_GT(units.y, 0);
    const PixelBox size = dialogUnitsToPixels({0, 0, 100, 60}, units);
    EXPECT_EQ(dialog.width(), size.width);
    EXPECT_EQ(dialog.height(), size.height);
    auto* edit = dialog.findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    const PixelBox box = dialogUnitsToPixels({4, 4, 80, 12}, units);
    EXPECT_EQ(edit->geometry(), QRect(box.x, box.y, box.width, box.height));
}

TEST(QtDialogs, EnterInAnEditBoxPressesTheDefaultButtonAndEscapeSendsCancel) {
    RecordingProcedure procedure(12);
    TemplateDialog dialog(sampleTemplate(), procedure);
    dialog.show();
    EXPECT_EQ(dialog.itemText(10), u"ready");
    auto* edit = dialog.findChild<QLineEdit*>();
    edit->setFocus();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(edit, &escape);
    EXPECT_TRUE(dialog.isVisible()); // the procedure did not end it
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);
    EXPECT_EQ(procedure.commands, (std::vector<int>{kDialogCancel, 12}));
    EXPECT_EQ(dialog.result(), 52);
    EXPECT_FALSE(dialog.isVisible());
}
