// Nothing of the player's is lost to the compiler: files in the start folder, the theme chosen in
// a failed Open, a theme the game would refuse, settings that are not a file.
#include "file_fault_cases.h"
#include "hang_guard.h"
#include "pixelkiln/theme_files.h"
#include "pixelkiln_fixture.h"
#include "small_file_system.h"
#include "theme_file_writer.h"

#include <chrono>
#include <sys/stat.h>

namespace {

const std::u16string kOpenError = u"There was an error opening the theme.";

} // namespace

class PlayerFiles : public PixelkilnTest {
  protected:
    void SetUp() override {
        PixelkilnTest::SetUp();
        for (int k = 1; k <= 7; ++k) {
            sources[k - 1] = makeBitmap(pictures / ("p" + std::to_string(k) + ".bmp"), 28, 28,
                                        QColor(0, 30 * k, 0));
        }
        theme = pictures / "garden.zpk";
        ASSERT_TRUE(writeThemeFromFiles(theme, "Garden", ascii, sources));
    }
    fs::path sources[7];
    fs::path theme;
};

TEST_F(PlayerFiles, BitmapsOfTheStartFolderAreNeverTouched) {
    for (int k = 1; k <= 7; ++k) {
        makeBitmap(start / (std::to_string(k) + ".bmp"), 5, 5, QColor(k, 0, 200));
    }
    const auto before = entries(start);
    std::vector<std::vector<char>> players;
    for (int k = 1; k <= 7; ++k) {
        players.push_back(bytesOf(start / (std::to_string(k) + ".bmp")));
    }
    fs::remove_all(workingHome.parent_path()); // a first run: the folder is made on first use
    host.answerFile(u16(theme));
    host.answerFile(u16(sources[6]));
    run([](ScriptedDialog& dialog) {
        dialog.press(PixelkilnId::Open);
        dialog.press(chooseButtonId(1));
        dialog.press(PixelkilnId::Quit);
    });
    EXPECT_EQ(entries(start), before);
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(bytesOf(start / (std::to_string(k) + ".bmp")), players[k - 1]) << k;
    }
    EXPECT_EQ(bytesOf(working(1)), bytesOf(sources[6]));
    EXPECT_EQ(bytesOf(working(2)), bytesOf(sources[1]));
}

TEST_F(PlayerFiles, AFailedOpenKeepsTheCurrentFileAndLeavesTheChosenThemeAlone) {
    struct Failure {
        const char* why;
        std::function<std::optional<std::string>(SmallFileSystem&)> arrange;
    };
    // The last, as it may have to be skipped.
    const Failure failures[] = {
        {"another version",
         [&](SmallFileSystem&) -> std::optional<std::string> {
             auto bytes = bytesOf(theme);
             bytes[6] = '0'; // "1.0"
             writeBytes(theme, bytes);
             return std::nullopt;
         }},
        {"a full disk",
         [&](SmallFileSystem& disk) {
             auto why = disk.mountOver(workingHome);
             if (!why) {
                 disk.fill();
             }
             return why;
         }},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.why);
        SmallFileSystem disk;
        const fs::path mine = pictures / (std::string(failure.why) + ".zpk");
        makeWorkingBitmaps();
        ASSERT_TRUE(writeThemeFromFiles(theme, "Garden", ascii, sources));
        if (const auto why = failure.arrange(disk)) {
            GTEST_SKIP() << *why;
        }
        const auto chosen = bytesOf(theme);
        host.messages.clear();
        host.answerFile(u16(mine));
        host.answerFile(u16(theme));
        run([&](ScriptedDialog& dialog) {
            dialog.type(PixelkilnId::NameBox, u"Mine");
            dialog.press(PixelkilnId::SaveAs);
            dialog.press(PixelkilnId::Open);
            EXPECT_EQ(dialog.caption(), u"Zorvagon Pixelkiln v1.0 - " + u16(mine));
            EXPECT_EQ(dialog.itemText(PixelkilnId::NameBox), u"Mine");
            dialog.press(PixelkilnId::Save);
            dialog.press(PixelkilnId::Quit);
        });
        EXPECT_EQ(bytesOf(theme), chosen);
        EXPECT_EQ(state.curThemeFile, mine.string());
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, kOpenError);
        EXPECT_EQ(host.messages[0].caption, u"Error");
        EXPECT_EQ(host.fileDialogs.size(), 2u); // Save did not ask again: its file stayed current
        host.fileDialogs.clear();
    }
}

TEST_F(PlayerFiles, ABitmapWithMorePixelsThanTheGameLoadsIsNeitherChosenNorSaved) {
    makeWorkingBitmaps();
    const fs::path huge = pictures / "huge.bmp";
    QImage image(4096, 4096, QImage::Format_Mono);
    image.fill(0);
    ASSERT_TRUE(image.save(QString::fromStdString(huge.string()), "BMP"));
    const auto three = bytesOf(working(3));
    const auto chosen = bytesOf(theme);
    host.answerFile(u16(huge));
    host.answerFile(u16(theme));
    run([&](ScriptedDialog& dialog) {
        dialog.press(chooseButtonId(3));
        fs::copy_file(huge, working(4), fs::copy_options::overwrite_existing);
        dialog.type(PixelkilnId::NameBox, u"Huge");
        dialog.press(PixelkilnId::SaveAs);
        dialog.press(PixelkilnId::Quit);
    });
    EXPECT_EQ(bytesOf(working(3)), three);
    EXPECT_EQ(bytesOf(theme), chosen);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, u"There was an error saving the theme.");
}

TEST_F(PlayerFiles, SettingsThatAreAPipeGiveTheDefaultsAndTheWindowAtOnce) {
    HangGuard guard;
    fs::create_directories(settingsFile.parent_path());
    ASSERT_EQ(mkfifo(settingsFile.c_str(), 0600), 0);
    const auto started = std::chrono::steady_clock::now();
    std::chrono::steady_clock::duration untilShown{};
    run([&](ScriptedDialog& dialog) {
        untilShown = std::chrono::steady_clock::now() - started;
        EXPECT_EQ(dialog.itemText(PixelkilnId::NameBox), u"No name");
        dialog.type(PixelkilnId::NameBox, u"Not stored");
        dialog.press(PixelkilnId::Quit);
    });
    EXPECT_LT(untilShown, std::chrono::seconds(1));
    EXPECT_TRUE(fs::is_fifo(settingsFile));
}
