// Choose..., Open, Save and Save As... against real files through the scripted dialogs.
#include "pixelkiln/theme_files.h"
#include "pixelkiln_fixture.h"
#include "theme_format/theme_file.h"

namespace {

const std::u16string kSaveError = u"You must name your theme first.";
const std::u16string kWriteError = u"There was an error saving the theme.";
const std::u16string kOpenError = u"There was an error opening the theme.";

} // namespace

TEST_F(PixelkilnTest, SaveWithNoFileAsksFirstAndACancelWritesNothing) {
    makeWorkingBitmaps();
    int repaints = 0;
    run([&repaints](ScriptedDialog& dialog) {
        dialog.type(PixelkilnId::NameBox, u"Fruit");
        dialog.press(PixelkilnId::Save);
        repaints = dialog.repaintCount(previewId(7));
        EXPECT_EQ(dialog.caption(), u"Zorvagon Pixelkiln v1.0 - ");
        dialog.press(PixelkilnId::Quit);
    });
    ASSERT_EQ(host.fileDialogs.size(), 1u);
    const FileDialogRequest& asked = host.fileDialogs[0];
    EXPECT_EQ(asked.kind, FileDialogKind::Save);
    EXPECT_EQ(asked.filterName, u"Theme Files");
    EXPECT_EQ(asked.filterPattern, u"*.zpk");
    EXPECT_EQ(asked.defaultSuffix, u"ZPK");
    EXPECT_TRUE(asked.confirmOverwrite);
    EXPECT_EQ(repaints, 1);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(fs::is_empty(start));
    EXPECT_TRUE(fs::is_empty(pictures));
}

TEST_F(PixelkilnTest, SaveWithAnEmptyNameWritesNothingEvenWithAFileChosen) {
    makeWorkingBitmaps();
    const fs::path theme = pictures / "fruit.zpk";
    host.answerFile(u16(theme));
    run([](ScriptedDialog& dialog) {
        dialog.type(PixelkilnId::NameBox, u"");
        dialog.press(PixelkilnId::SaveAs); // asks for the file, then refuses the name
        EXPECT_EQ(dialog.caption(), u"Zorvagon Pixelkiln v1.0 - ");
        dialog.press(PixelkilnId::Save); // the file is chosen now: no second question
        dialog.press(PixelkilnId::Quit);
    });
    EXPECT_EQ(host.fileDialogs.size(), 1u);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, kSaveError);
    EXPECT_EQ(host.messages[0].caption, u"Save Error");
    EXPECT_FALSE(fs::exists(theme));
    EXPECT_EQ(state.curThemeFile, theme.string());
}

TEST_F(PixelkilnTest, ASaveWithBitmapFourMissingKeepsTheEarlierThemeFile) {
    makeWorkingBitmaps();
    const fs::path theme = pictures / "fruit.zpk";
    host.answerFile(u16(theme));
    run([&](ScriptedDialog& dialog) {
        dialog.type(PixelkilnId::NameBox, u"Fruit");
        dialog.press(PixelkilnId::Save);
        ASSERT_TRUE(fs::exists(theme));
        const auto saved = bytesOf(theme);
        fs::remove(working(4));
        dialog.type(PixelkilnId::NameBox, u"Fruit two");
        dialog.press(PixelkilnId::Save);
        EXPECT_EQ(bytesOf(theme), saved);
        EXPECT_EQ(dialog.caption(), u"Zorvagon Pixelkiln v1.0 - " + u16(theme));
        dialog.press(PixelkilnId::Quit);
    });
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kWriteError);
    EXPECT_EQ(host.messages[0].caption, u"Error");
    EXPECT_EQ(std::distance(fs::directory_iterator(pictures), fs::directory_iterator()), 1);
}

TEST_F(PixelkilnTest, OpenReplacesAllSevenBitmapsAndTheName) {
    makeWorkingBitmaps();
    const fs::path theme = pictures / "fruit.zpk";
    host.answerFile(u16(theme));
    run([](ScriptedDialog& dialog) {
        dialog.type(PixelkilnId::NameBox, u"Fruit");
        dialog.press(PixelkilnId::Save);
        dialog.press(PixelkilnId::Quit);
    });
    std::vector<std::vector<char>> saved;
    for (int k = 1; k <= 7; ++k) {
        saved.push_back(bytesOf(working(k)));
        makeBitmap(working(k), 3, 3, Qt::yellow);
    }
    host.answerFile(u16(theme));
    run([&](ScriptedDialog& dialog) {
        dialog.type(PixelkilnId::NameBox, u"Scratch");
        dialog.press(PixelkilnId::Open);
        EXPECT_EQ(dialog.itemText(PixelkilnId::NameBox), u"Fruit");
        EXPECT_EQ(dialog.caption(), u"Zorvagon Pixelkiln v1.0 - " + u16(theme));
        EXPECT_EQ(dialog.paintItem(previewId(3)).pixel(6, 9), qRgb(90, 0, 0));
        dialog.press(PixelkilnId::Quit);
    });
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(bytesOf(working(k)), saved[k - 1]) << k;
    }
    EXPECT_EQ(host.fileDialogs.back().kind, FileDialogKind::Open);
    EXPECT_TRUE(host.fileDialogs.back().mustExist);
}

TEST_F(PixelkilnTest, OpenRefusesAThemeFileMissingItsLastRecord) {
    makeWorkingBitmaps();
    const fs::path theme = pictures / "cut.zpk";
    host.answerFile(u16(theme));
    run([](ScriptedDialog& dialog) {
        dialog.type(PixelkilnId::NameBox, u"Cut");
        dialog.press(PixelkilnId::Save);
        dialog.press(PixelkilnId::Quit);
    });
    auto bytes = bytesOf(theme);
    bytes.resize(bytes.size() - 10);
    writeBytes(theme, bytes);
    makeBitmap(working(1), 28, 28, Qt::magenta);
    const auto oneBefore = bytesOf(working(1));
    host.answerFile(u16(theme));
    run([](ScriptedDialog& dialog) {
        dialog.press(PixelkilnId::Open);
        EXPECT_EQ(dialog.itemText(PixelkilnId::NameBox), u"Cut"); // the name stored at quit
        dialog.press(PixelkilnId::Quit);
    });
    EXPECT_EQ(bytesOf(working(1)), oneBefore);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kOpenError);
}

TEST_F(PixelkilnTest, ACancelledOpenLeavesTheBitmapsAloneWithAThemeFileCurrent) {
    makeWorkingBitmaps();
    const fs::path theme = pictures / "fruit.zpk";
    host.answerFile(u16(theme));
    run([&](ScriptedDialog& dialog) {
        dialog.type(PixelkilnId::NameBox, u"Fruit");
        dialog.press(PixelkilnId::Save);
        makeBitmap(working(2), 28, 28, Qt::green);
        dialog.type(PixelkilnId::NameBox, u"Fruit, greener");
        dialog.press(PixelkilnId::Open); // cancelled: no answer given
        EXPECT_EQ(dialog.itemText(PixelkilnId::NameBox), u"Fruit, greener");
        EXPECT_EQ(dialog.paintItem(previewId(2)).pixel(6, 9), qRgb(0, 255, 0));
        dialog.press(PixelkilnId::Quit);
    });
    EXPECT_EQ(state.curThemeFile, theme.string());
}

TEST_F(PixelkilnTest, ChooseCopiesIntoTheWorkingFolderWhereverTheDialogBrowsed) {
    const fs::path picked = makeBitmap(pictures / "lemon.bmp", 28, 28, Qt::yellow);
    host.answerFile(u16(picked));
    run([&](ScriptedDialog& dialog) {
        fs::current_path(pictures); // the user browsed elsewhere
        dialog.press(chooseButtonId(3));
        EXPECT_EQ(fs::current_path(), start);
        EXPECT_EQ(dialog.repaintCount(previewId(3)), 1);
        EXPECT_EQ(dialog.paintItem(previewId(3)).pixel(6, 9), qRgb(255, 255, 0));
        dialog.press(chooseButtonId(4)); // cancelled
        dialog.press(PixelkilnId::Quit);
    });
    EXPECT_EQ(bytesOf(working(3)), bytesOf(picked));
    EXPECT_FALSE(fs::exists(working(4)));
    EXPECT_TRUE(fs::is_empty(start));
    EXPECT_FALSE(fs::exists(pictures / "3.bmp"));
    ASSERT_EQ(host.fileDialogs.size(), 2u);
    EXPECT_EQ(host.fileDialogs[0].filterName, u"Bitmap Files");
    EXPECT_EQ(host.fileDialogs[0].filterPattern, u"*.bmp");
    EXPECT_EQ(host.fileDialogs[0].defaultSuffix, u"BMP");
}
