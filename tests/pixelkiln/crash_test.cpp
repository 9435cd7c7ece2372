// Crashes of the compiler: a SIGKILL at any moment of Open leaves the working bitmaps wholly one
// theme, and the next start removes what a crash left, and nothing else.
#include "ended_process.h"
#include "file_fault_cases.h"
#include "pixelkiln/theme_commands.h"
#include "pixelkiln_fixture.h"
#include "theme_file_writer.h"
#include "without_syncs.h"

#include <chrono>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

class Crashes : public PixelkilnTest {
  protected:
    void SetUp() override {
        PixelkilnTest::SetUp();
        for (int t = 0; t < 2; ++t) {
            fs::path sources[7];
            for (int k = 1; k <= 7; ++k) {
                sources[k - 1] = makeBitmap(pictures / (std::to_string(t) + std::to_string(k)),
                                            20 + 8 * t, 28, QColor(30 * k, 0, 200 * t));
                records[t].push_back(bytesOf(sources[k - 1]));
            }
            themes[t] = pictures / ("theme" + std::to_string(t) + ".zpk");
            ASSERT_TRUE(writeThemeFromFiles(themes[t], "T" + std::to_string(t), ascii, sources));
        }
    }
    // The theme the working bitmaps wholly hold: 0 or 1, or -1 for any mixture or gap.
    int wholeTheme() const {
        for (int t = 0; t < 2; ++t) {
            bool all = true;
            for (int k = 1; k <= 7; ++k) {
                all = all && bytesOf(working(k)) == records[t][k - 1];
            }
            if (all) {
                return t;
            }
        }
        return -1;
    }
    // Opens the two themes in turn for ever, as fast as the disk allows.
    [[noreturn]] void openForEver(int ready) {
        WithoutSyncs quick; // syncs matter to a lost power, not to a killed process
        ::write(ready, "r", 1);
        for (int n = 0;; ++n) {
            state.curThemeFile = themes[n % 2].string();
            openTheme(state);
        }
    }

    fs::path themes[2];
    std::vector<std::vector<char>> records[2];
};

TEST_F(Crashes, ASigkillAtAnyMomentOfOpenLeavesOneWholeThemeAndTheNextStartCleansUp) {
    // The first theme, opened by a run that has ended since.
    if (const pid_t earlierRun = ::fork(); earlierRun == 0) {
        state.curThemeFile = themes[0].string();
        ::_exit(openTheme(state) ? 0 : 1);
    } else {
        int status = 0;
        ::waitpid(earlierRun, &status, 0);
        ASSERT_EQ(status, 0);
    }
    std::mt19937 random(2026);
    int leftBehind = 0;
    for (int kill = 0; kill < 250; ++kill) {
        SCOPED_TRACE(kill);
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            openForEver(ready[1]);
        }
        char byte = 0;
        ::read(ready[0], &byte, 1);
        ::close(ready[0]);
        ::close(ready[1]);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        ASSERT_NE(wholeTheme(), -1);
        leftBehind += entries(workingHome).size() > 2;
        prepareWorkingBitmaps(state);               // the next start
        ASSERT_EQ(entries(workingHome).size(), 2u); // the set's link and its folder
        ASSERT_EQ(entries(workingHome / "bitmaps").size(), 7u);
    }
    EXPECT_GT(leftBehind, 0) << "no kill fell inside an Open";
    std::cout << leftBehind << " of 250 kills left a set being made or replaced\n";
}

TEST_F(Crashes, TheNextStartRemovesOnlyLeftoversOfEndedWriters) {
    makeWorkingBitmaps();
    const std::string ended = std::to_string(endedProcessId());
    const std::string running = std::to_string(::getppid());
    // The current set, made by a run long ended.
    const fs::path set = workingHome / "bitmaps";
    const std::string current = ".bitmaps." + ended + "-1.tmp";
    fs::rename(fs::canonical(set), workingHome / current);
    fs::remove(set);
    fs::create_directory_symlink(current, set);
    struct Entry {
        fs::path path;
        bool folder;
        bool goes;
    };
    const Entry planted[] = {
        {workingHome / (".bitmaps." + ended + "-3.tmp"), true, true},    // a set being made
        {workingHome / (".bitmaps." + running + "-4.tmp"), true, false}, // by a live writer
        {set / (".2.bmp." + ended + "-5.tmp"), false, true},             // a Choose cut short
        {set / (".2.bmp." + running + "-6.tmp"), false, false},
        {workingHome / (".notes.txt." + ended + "-7.tmp"), false, false}, // not the compiler's
        {workingHome / "notes.txt", false, false},
    };
    for (const Entry& entry : planted) {
        if (entry.folder) {
            fs::create_directory(entry.path);
        }
        std::ofstream(entry.folder ? entry.path / "1.bmp" : entry.path) << "x";
    }
    run([](ScriptedDialog& dialog) { dialog.press(PixelkilnId::Quit); });
    for (const Entry& entry : planted) {
        EXPECT_EQ(fs::exists(entry.path), !entry.goes) << entry.path;
    }
    EXPECT_EQ(fs::read_symlink(set), current);
    EXPECT_EQ(entries(set).size(), 8u); // the seven and the live writer's file
}
