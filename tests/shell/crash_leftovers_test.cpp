// At start the game removes the temporary files of its own saves whose writer has ended, and
// nothing else.
#include "device_root_fixture.h"
#include "ended_process.h"
#include "game/shell/crash_leftovers.h"
#include "game/shell/install_directory.h"

namespace fs = std::filesystem;

using CrashLeftovers = DeviceRootTest;

TEST_F(CrashLeftovers, OnlyTheGamesOwnOfEndedWritersGo) {
    const std::string ended = std::to_string(endedProcessId());
    const std::string running = std::to_string(::getppid());
    struct Entry {
        const char* folder;
        std::string name;
        bool goes;
    };
    const Entry planted[] = {
        {"my documents", ".high.scr." + ended + "-0.tmp", true},
        {"my documents", ".ZORV.PRF." + ended + "-12.tmp", true},
        {"my documents", ".zorv help.htm." + ended + "-1.tmp", true},
        {"my documents", ".zorv help.de.htm." + ended + "-2.tmp", true},
        {"my documents", ".zorv.sav." + ended + "-3.tmp", true},
        {"my documents/zorv themes", ".3.bmp." + ended + "-4.tmp", true},
        {"my documents/zorv themes", ".Früchte.zpk." + ended + "-5.tmp", true},
        {"my documents", ".high.scr." + running + "-0.tmp", false}, // its writer still saves
        {"my documents", ".photo.jpg." + ended + "-0.tmp", false},  // not the game's
        {"my documents", ".3.bmp." + ended + "-0.tmp", false}, // pieces live in the themes folder
        {"my documents/zorv themes", ".8.bmp." + ended + "-0.tmp", false},
        {"my documents", ".high.scr." + ended + ".tmp", false},
        {"my documents", "high.scr." + ended + "-0.tmp", false},
        {"my documents", "notes.txt", false},
    };
    for (const Entry& entry : planted) {
        writeFile(fs::path(entry.folder) / entry.name, "x");
    }
    fs::create_directory(root() / "my documents" / (".high.scr." + ended + "-7.tmp"));
    char16_t installDirectory[kPathUnits] = {};
    readInstallDirectory(installDirectory);
    removeCrashLeftovers(installDirectory);
    for (const Entry& entry : planted) {
        EXPECT_EQ(fs::exists(root() / entry.folder / entry.name), !entry.goes) << entry.name;
    }
    EXPECT_TRUE(fs::is_directory(root() / "my documents" / (".high.scr." + ended + "-7.tmp")));
}
