// The compiler's files on a full or failing disk and pipes in their place: Choose..., Open and Save
// leave what they replace as it was, and nothing waits.
#include "file_fault_cases.h"
#include "hang_guard.h"
#include "pixelkiln/theme_commands.h"
#include "pixelkiln/theme_files.h"
#include "pixelkiln_fixture.h"
#include "small_file_system.h"

#include <sys/stat.h>

namespace {

const std::u16string kWriteError = u"There was an error saving the theme.";

} // namespace

class PixelkilnFaults : public PixelkilnTest {
  protected:
    void SetUp() override {
        PixelkilnTest::SetUp();
        state.startDirectory = start;
        picked = makeBitmap(pictures / "picked.bmp", 28, 28, Qt::green);
        makeWorkingBitmaps();
        for (int k = 1; k <= 7; ++k) {
            sources[k - 1] = pictures / ("source" + std::to_string(k) + ".bmp");
            makeBitmap(sources[k - 1], 28, 28, QColor(0, 0, 30 * k));
        }
        theme = pictures / "fruit.zpk";
        const auto utf16 = [](std::string_view text) {
            return std::u16string(text.begin(), text.end());
        };
        ASSERT_TRUE(writeThemeFile(theme, "Fruit", utf16, sources));
        for (int k = 1; k <= 7; ++k) {
            before[k - 1] = bytesOf(working(k));
        }
    }
    void restoreWorkingBitmaps() {
        for (int k = 1; k <= 7; ++k) {
            writeBytes(working(k), before[k - 1]);
        }
    }
    bool workingBitmapsKept() const {
        for (int k = 1; k <= 7; ++k) {
            if (bytesOf(working(k)) != before[k - 1]) {
                return false;
            }
        }
        return true;
    }
    bool workingBitmapsAreTheThemes() const {
        for (int k = 1; k <= 7; ++k) {
            if (bytesOf(working(k)) != bytesOf(sources[k - 1])) {
                return false;
            }
        }
        return true;
    }
    // The working set's link and its one folder, each holding the seven and nothing else.
    bool noLeftovers() const {
        return entries(workingHome).size() == 2 && entries(workingHome / "bitmaps").size() == 7;
    }

    fs::path picked;
    fs::path theme;
    fs::path sources[7];
    std::vector<char> before[7];
};

TEST_F(PixelkilnFaults, EveryFaultInChooseLeavesTheWorkingBitmapAsItWas) {
    forEveryFileFault([&] { restoreWorkingBitmaps(); },
                      [&] {
                          host.answerFile(u16(picked));
                          chooseBitmap(state, host, 3);
                      },
                      [&](const FileFaultPoint& point) {
                          EXPECT_EQ(bytesOf(working(3)),
                                    faultIsRecoverable(point) ? bytesOf(picked) : before[2]);
                          EXPECT_TRUE(noLeftovers());
                      });
}

TEST_F(PixelkilnFaults, EveryFaultInOpenLeavesTheNameAndAllSevenBitmaps) {
    bool opened = false;
    forEveryFileFault(
        [&] {
            restoreWorkingBitmaps();
            state.curThemeName = "Mine";
            state.curThemeFile = theme.string();
        },
        [&] { opened = openTheme(state); },
        [&](const FileFaultPoint& point) {
            if (faultIsRecoverable(point)) {
                EXPECT_TRUE(opened);
                EXPECT_TRUE(workingBitmapsAreTheThemes());
                EXPECT_EQ(state.curThemeName, "Fruit");
            } else {
                EXPECT_FALSE(opened);
                EXPECT_TRUE(workingBitmapsKept());
            }
            if (!opened) {
                EXPECT_EQ(state.curThemeName, "Mine");
            }
            EXPECT_TRUE(noLeftovers());
        });
}

TEST_F(PixelkilnFaults, EveryFaultInSaveKeepsTheOldThemeAndTellsTheUser) {
    const std::vector<char> old = bytesOf(theme);
    forEveryFileFault(
        [&] {
            writeBytes(theme, old);
            host.messages.clear();
        },
        [&] {
            host.answerFile(u16(theme));
            run([](ScriptedDialog& dialog) {
                dialog.type(PixelkilnId::NameBox, u"Changed");
                dialog.press(PixelkilnId::SaveAs);
                dialog.press(PixelkilnId::Quit);
            });
        },
        [&](const FileFaultPoint& point) {
            if (faultIsRecoverable(point)) {
                EXPECT_NE(bytesOf(theme), old);
                EXPECT_TRUE(host.messages.empty());
            } else {
                EXPECT_EQ(bytesOf(theme), old);
                ASSERT_EQ(host.messages.size(), 1u);
                EXPECT_EQ(host.messages[0].text, kWriteError);
                EXPECT_EQ(host.messages[0].caption, u"Error");
            }
        });
}

TEST_F(PixelkilnFaults, AFullDiskChangesNoWorkingBitmap) {
    SmallFileSystem disk;
    if (const auto why = disk.mountOver(workingHome)) {
        GTEST_SKIP() << *why;
    }
    disk.fill();
    host.answerFile(u16(picked));
    chooseBitmap(state, host, 3);
    state.curThemeName = "Mine";
    state.curThemeFile = theme.string();
    EXPECT_FALSE(openTheme(state));
    EXPECT_TRUE(workingBitmapsKept());
    EXPECT_EQ(state.curThemeName, "Mine");
    EXPECT_EQ(entries(workingHome).size(), 3u); // the set's link and folder, the disk's filler
    EXPECT_EQ(entries(workingHome / "bitmaps").size(), 7u);
    disk.unmount();
}

TEST_F(PixelkilnFaults, PipesChosenOpenedOrSavedToReturnAtOnce) {
    HangGuard guard;
    const fs::path pipe = pictures / "pipe.zpk";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    host.answerFile(u16(pipe));
    chooseBitmap(state, host, 2);
    state.curThemeName = "Mine";
    state.curThemeFile = pipe.string();
    EXPECT_FALSE(openTheme(state));
    EXPECT_TRUE(workingBitmapsKept());
    EXPECT_EQ(state.curThemeName, "Mine");

    host.answerFile(u16(pipe));
    run([](ScriptedDialog& dialog) {
        dialog.type(PixelkilnId::NameBox, u"Fruit");
        dialog.press(PixelkilnId::SaveAs);
        dialog.press(PixelkilnId::Quit);
    });
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kWriteError);
    EXPECT_TRUE(fs::is_fifo(pipe));
}
