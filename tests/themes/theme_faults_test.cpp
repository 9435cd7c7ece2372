// Themes on a full or failing disk, pipes in a file's place and huge bitmaps: nothing is lost,
// nothing waits and nothing swells.
#include "file_fault_cases.h"
#include "hang_guard.h"
#include "small_file_system.h"
#include "theme_list_fixture.h"
#include "theme_loading_fixture.h"

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

void putLe(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes += static_cast<char>(value >> (8 * i) & 0xff);
    }
}

// A one-colour 8-bit run-length bitmap: a side of 4096 takes 36 bytes a row on disk, and 64 MiB
// once decoded.
std::string runLengthBitmap(std::uint32_t side) {
    std::string rows;
    for (std::uint32_t row = 0; row < side; ++row) {
        for (std::uint32_t left = side; left > 0;) {
            const std::uint32_t run = std::min<std::uint32_t>(left, 255);
            rows += static_cast<char>(run);
            rows += '\1';
            left -= run;
        }
        rows += std::string("\0\0", 2); // end of row
    }
    rows += std::string("\0\1", 2); // end of bitmap
    std::string bytes = "BM";
    putLe(bytes, static_cast<std::uint32_t>(14 + 40 + 8 + rows.size()), 4);
    putLe(bytes, 0, 4);
    putLe(bytes, 14 + 40 + 8, 4);
    putLe(bytes, 40, 4);
    putLe(bytes, side, 4);
    putLe(bytes, side, 4);
    putLe(bytes, 1, 2);
    putLe(bytes, 8, 2);
    putLe(bytes, 1, 4); // run-length encoded, 8 bits
    putLe(bytes, static_cast<std::uint32_t>(rows.size()), 4);
    putLe(bytes, 2835, 4);
    putLe(bytes, 2835, 4);
    putLe(bytes, 2, 4);
    putLe(bytes, 2, 4);
    bytes += std::string("\xff\xff\xff\0\x20\x40\xc0\0", 8); // white and a red
    return bytes + rows;
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

class ThemeFaults : public ThemeLoading {
  protected:
    void writeOldPieces() {
        for (int k = 1; k <= 7; ++k) {
            writeFile("my documents/zorv themes/" + std::to_string(k) + ".bmp", oldPiece(k));
        }
    }
    static std::string oldPiece(int k) { return "old piece " + std::to_string(k); }
    bool oldPiecesKept() const {
        for (int k = 1; k <= 7; ++k) {
            if (readFile("my documents/zorv themes/" + std::to_string(k) + ".bmp") != oldPiece(k)) {
                return false;
            }
        }
        return true;
    }
    // A theme whose seven records are the given bitmap file.
    void writeThemeOf(const std::string& name, const std::string& bitmap) {
        std::string bytes = std::string("ZPK\0"
                                        "1.1\0",
                                        8) +
                            std::string("\4\0\0\0H\0\0\0", 8);
        for (int k = 0; k < 7; ++k) {
            putLe(bytes, static_cast<std::uint32_t>(bitmap.size()), 4);
            bytes += bitmap;
        }
        writeFile("my documents/" + name, bytes);
    }
};

TEST_F(ThemeFaults, EveryFaultWhileUnpackingGivesTheBuiltInSetAndKeepsTheOldPieceFiles) {
    writeTheme("squares.zpk");
    forEveryFileFault(
        [&] {
            writeOldPieces();
            chooseTheme(u"\\my documents\\squares.zpk");
            pieceArt = PieceArt{};
        },
        [&] { loadTheme(); },
        [&](const FileFaultPoint& point) {
            if (faultIsRecoverable(point)) {
                EXPECT_TRUE(holdsThemeColours());
            } else {
                EXPECT_TRUE(holdsBuiltInSet());
                EXPECT_EQ(preferences.themePath[0], u'\0');
                // Only a rename that fails half-way through can leave some pieces replaced.
                EXPECT_TRUE(oldPiecesKept() || point.fault == FileFault::RenameFails);
            }
            EXPECT_EQ(entries(root() / "my documents" / "zorv themes").size(), 7u);
        });
}

TEST_F(ThemeFaults, APipeInThePlaceOfAnUnpackedPieceFileGivesTheBuiltInSetAtOnce) {
    HangGuard guard;
    writeTheme("squares.zpk");
    writeOldPieces();
    const fs::path pipe = root() / "my documents" / "zorv themes" / "3.bmp";
    fs::remove(pipe);
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    chooseTheme(u"\\my documents\\squares.zpk");
    loadTheme();
    expectBuiltInSetSaved();
    EXPECT_TRUE(fs::is_fifo(pipe));
    // All or none: no piece file was replaced.
    EXPECT_EQ(readFile("my documents/zorv themes/1.bmp"), oldPiece(1));

    // A pipe in the theme file's place is a theme that cannot be opened.
    ASSERT_EQ(mkfifo((root() / "my documents" / "pipe.zpk").c_str(), 0600), 0);
    chooseTheme(u"\\my documents\\pipe.zpk");
    loadTheme();
    expectBuiltInSetSaved();
}

TEST_F(ThemeFaults, AThemeOfHugeBitmapsGivesTheBuiltInSetWithoutHoldingThem) {
    const std::string huge = runLengthBitmap(4096);
    ASSERT_LT(huge.size(), 160u * 1024);
    writeThemeOf("huge.zpk", huge);
    writeOldPieces();
    chooseTheme(u"\\my documents\\huge.zpk");
    const long before = peakKilobytes();
    loadTheme();
    expectBuiltInSetSaved();
    // Seven of these decoded would take 448 MiB.
    EXPECT_LT(peakKilobytes() - before, 64 * 1024);

    // The largest side the loader takes still loads.
    writeThemeOf("large.zpk", runLengthBitmap(1024));
    chooseTheme(u"\\my documents\\large.zpk");
    loadTheme();
    ASSERT_TRUE(pieceArt.pieces[6]);
    EXPECT_EQ(pieceArt.pieces[6]->width(), 1024);
}

TEST_F(ThemeFaults, ARecordLargerThanTheLoaderTakesIsRefusedBeforeAnythingIsUnpacked) {
    writeThemeOf("big.zpk", std::string(kThemeRecordMaxBytes + 1, 'x'));
    writeOldPieces();
    chooseTheme(u"\\my documents\\big.zpk");
    loadTheme();
    expectBuiltInSetSaved();
    EXPECT_TRUE(oldPiecesKept());
}

class InstallFaults : public ThemeList {
  protected:
    fs::path themes() const { return root() / "my documents" / "zorv themes"; }
};

TEST_F(InstallFaults, EveryFaultWhileInstallingANewThemeKeepsItInMyDocuments) {
    writeTheme("my documents/squares.zpk", "Squares");
    const std::string content = readFile("my documents/squares.zpk");
    forEveryFileFault(
        [&] {
            fs::remove(themes() / "squares.zpk");
            writeFile("my documents/squares.zpk", content);
        },
        [&] { chooseLine(1); },
        [&](const FileFaultPoint& point) {
            if (faultIsRecoverable(point)) {
                EXPECT_EQ(readFile("my documents/zorv themes/squares.zpk"), content);
                EXPECT_FALSE(fs::exists(root() / "my documents" / "squares.zpk"));
            } else {
                EXPECT_EQ(readFile("my documents/squares.zpk"), content);
                EXPECT_TRUE(entries(themes()).empty()) << "a part of the theme was installed";
            }
        });
}

TEST_F(InstallFaults, EveryFaultWhileUpdatingKeepsTheInstalledThemeAndTheNewCopy) {
    writeTheme("my documents/zorv themes/squares.zpk", "Squares", "old");
    writeTheme("my documents/squares.zpk", "Squares Two", "new");
    const std::string installed = readFile("my documents/zorv themes/squares.zpk");
    const std::string updated = readFile("my documents/squares.zpk");
    forEveryFileFault(
        [&] {
            writeFile("my documents/zorv themes/squares.zpk", installed);
            writeFile("my documents/squares.zpk", updated);
        },
        [&] { chooseLine(1); },
        [&](const FileFaultPoint& point) {
            const bool done = faultIsRecoverable(point);
            EXPECT_EQ(readFile("my documents/zorv themes/squares.zpk"), done ? updated : installed);
            EXPECT_EQ(fs::exists(root() / "my documents" / "squares.zpk"), !done);
            EXPECT_EQ(entries(themes()), std::vector<std::string>{"squares.zpk"});
        });
}

TEST_F(InstallFaults, AFullDiskInstallsNothingAndLosesNothing) {
    writeTheme("my documents/new.zpk", "New", std::string(20000, 'n'));
    writeTheme("my documents/zorv themes/squares.zpk", "Squares", "old");
    writeTheme("my documents/squares.zpk", "Squares Two", std::string(20000, 'u'));
    const std::string fresh = readFile("my documents/new.zpk");
    const std::string installed = readFile("my documents/zorv themes/squares.zpk");
    const std::string updated = readFile("my documents/squares.zpk");
    SmallFileSystem disk;
    if (const auto why = disk.mountOver(themes())) {
        GTEST_SKIP() << *why;
    }
    disk.fill();
    chooseLine(1); // NEW - New
    chooseLine(2); // UPDATED - Squares Two
    EXPECT_EQ(readFile("my documents/new.zpk"), fresh);
    EXPECT_EQ(readFile("my documents/squares.zpk"), updated);
    EXPECT_EQ(readFile("my documents/zorv themes/squares.zpk"), installed);
    EXPECT_EQ(entries(themes()), (std::vector<std::string>{".filler", "squares.zpk"}));
    disk.unmount();
}

TEST_F(InstallFaults, APipeNamedLikeAThemeIsListedEmptyAndNeverWaitedOn) {
    HangGuard guard;
    ASSERT_EQ(mkfifo((root() / "my documents" / "pipe.zpk").c_str(), 0600), 0);
    EXPECT_EQ(chooseLine(1), (std::vector<std::u16string>{u"The Zorv (Default)", u"NEW - "}));
    EXPECT_TRUE(fs::is_fifo(root() / "my documents" / "pipe.zpk"));
    EXPECT_TRUE(entries(themes()).empty());
}
