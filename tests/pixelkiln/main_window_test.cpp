// The main dialog: first run, settings, previews, help and quitting.
#include "pixelkiln/pixelkiln_state.h"
#include "pixelkiln_fixture.h"
#include "platform/dialog_qt.h"
#include "platform/program_icon.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

bool allWhite(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                return false;
            }
        }
    }
    return !image.isNull();
}

} // namespace

TEST_F(PixelkilnTest, FirstRunShowsNoNameAnEmptyFileAndBlankPreviews) {
    run([](ScriptedDialog& dialog) {
        EXPECT_EQ(dialog.itemText(PixelkilnId::NameBox), u"No name");
        EXPECT_EQ(dialog.caption(), u"Zorvagon Pixelkiln v1.0 - ");
        for (int k = 1; k <= 7; ++k) {
            EXPECT_TRUE(allWhite(dialog.paintItem(previewId(k)))) << "preview " << k;
        }
        dialog.press(PixelkilnId::Quit);
    });
    EXPECT_EQ(host.dialogsShown.size(), 1u);
    EXPECT_EQ(state.startDirectory, start);
}

// Quit is the default button, so Return after a name would end the program unasked.
TEST_F(PixelkilnTest, ReturnInTheNameBoxKeepsTheProgramOpenAndQuitStoresTheName) {
    QtDialogHost real;
    bool openAfterReturn = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        auto* name = dialog->findChild<QLineEdit*>();
        name->setFocus();
        name->selectAll();
        name->insert(QStringLiteral("Gems of Ürüm"));
        QTest::keyClick(name, Qt::Key_Return);
        QTest::keyClick(name, Qt::Key_Enter, Qt::KeypadModifier);
        openAfterReturn = dialog->isVisible();
        QTest::keyClick(name, Qt::Key_Escape);
    });
    state = PixelkilnState{};
    runPixelkiln(real, state);
    EXPECT_TRUE(openAfterReturn);
    run([](ScriptedDialog& dialog) {
        EXPECT_EQ(dialog.itemText(PixelkilnId::NameBox), u"Gems of Ürüm");
        dialog.pressEscape();
        EXPECT_TRUE(dialog.ended());
    });
}

// Its windows carry its own icon, not the toolkit's.
TEST_F(PixelkilnTest, TheProgramsWindowsCarryItsIconAtEverySize) {
    Q_INIT_RESOURCE(pixelkiln);
    setProgramIcon(QString::fromLatin1(pixelkilnIconSizesPath));
    const QWidget window; // its dialogs and help window alike
    EXPECT_EQ(window.windowIcon().availableSizes().size(), 7);
}

TEST_F(PixelkilnTest, SettingsWithoutANameGiveCapitalNoName) {
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Quendlex",
                           "Zorv Pixelkiln");
        settings.setValue("curThemeFile", "/themes/old.zpk");
    }
    run([](ScriptedDialog& dialog) {
        EXPECT_EQ(dialog.itemText(PixelkilnId::NameBox), u"No Name");
        EXPECT_EQ(dialog.caption(), u"Zorvagon Pixelkiln v1.0 - /themes/old.zpk");
        dialog.press(kDialogCancel);
    });
    EXPECT_EQ(state.curThemeName, "No Name");
}

TEST_F(PixelkilnTest, AStoredPathTooLongForItsBufferIsDropped) {
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Quendlex",
                           "Zorv Pixelkiln");
        settings.setValue("curThemeName", "Fruit");
        settings.setValue("curThemeFile", QString(300, 'a'));
    }
    run([](ScriptedDialog& dialog) { dialog.press(PixelkilnId::Quit); });
    EXPECT_EQ(state.curThemeName, "Fruit");
    EXPECT_EQ(state.curThemeFile, "");
}

TEST_F(PixelkilnTest, APreviewShowsTheTopLeftCornerOfALargeBitmapAtSixNine) {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < 28; ++y) {
        for (int x = 0; x < 28; ++x) {
            image.setPixel(x, y, qRgb(200, 0, 0));
        }
    }
    ASSERT_TRUE(image.save(QString::fromStdString(working(5).string()), "BMP"));
    makeBitmap(working(2), 10, 10, Qt::green);
    run([](ScriptedDialog& dialog) {
        const QImage large = dialog.paintItem(previewId(5));
        EXPECT_EQ(large.pixel(6, 9), qRgb(200, 0, 0));
        EXPECT_EQ(large.pixel(6 + 27, 9 + 27), qRgb(200, 0, 0));
        EXPECT_EQ(large.pixel(6 + 28, 9), qRgb(255, 255, 255));
        EXPECT_EQ(large.pixel(6, 9 + 28), qRgb(255, 255, 255));
        EXPECT_EQ(large.pixel(5, 8), qRgb(255, 255, 255));
        // A small bitmap leaves the rest of its 28 by 28 block white.
        const QImage small = dialog.paintItem(previewId(2));
        EXPECT_EQ(small.pixel(6 + 9, 9 + 9), qRgb(0, 255, 0));
        EXPECT_EQ(small.pixel(6 + 10, 9), qRgb(255, 255, 255));
        dialog.press(PixelkilnId::Quit);
    });
}

TEST_F(PixelkilnTest, ADamagedWorkingBitmapLeavesItsPreviewBlank) {
    writeBytes(working(1), {'B', 'M', '\x7f', '\x7f', '\x7f', '\x7f'});
    run([](ScriptedDialog& dialog) {
        EXPECT_TRUE(allWhite(dialog.paintItem(previewId(1))));
        dialog.press(PixelkilnId::Quit);
    });
}

TEST_F(PixelkilnTest, HelpShowsItsOwnDialogAndAnyCommandClosesIt) {
    host.playDialog([](ScriptedDialog& dialog) { dialog.press(PixelkilnId::Help); });
    bool helpClosed = false;
    host.playDialog([&helpClosed](ScriptedDialog& help) {
        help.pressEnter();
        helpClosed = help.ended();
    });
    runPixelkiln(host, state);
    ASSERT_EQ(host.dialogsShown.size(), 2u);
    EXPECT_EQ(host.dialogsShown[1], u"How To Use Pixelkiln");
    EXPECT_TRUE(helpClosed);
}

TEST(NarrowText, IsCutBetweenCharactersAndAtItsFirstZero) {
    EXPECT_EQ(cutNarrowText(std::string(300, 'x')).size(), 259u);
    std::string umlauts;
    for (int i = 0; i < 200; ++i) {
        umlauts += "\xC3\xBC"; // two bytes each
    }
    EXPECT_EQ(cutNarrowText(umlauts).size(), 258u);
    EXPECT_EQ(cutNarrowText(std::string("ab\0cd", 5)), "ab");
}
