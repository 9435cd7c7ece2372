// Handheld paths on the device root, and the file operations over them.
#include "device_root_fixture.h"
#include "permissions_apply.h"
#include "platform/device_root.h"
#include "platform/files.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
namespace fs = std::filesystem;

using PathMapping = DeviceRootTest;
using Files = DeviceRootTest;

TEST_F(PathMapping, ComponentsMatchWhatExistsIgnoringCase) {
    writeFile("My Documents/THEME.ZPK", "x");
    EXPECT_EQ(*nativePath(u"\\my documents\\theme.zpk"), root() / "My Documents" / "THEME.ZPK");
    EXPECT_EQ(*nativePath(u"\\MY DOCUMENTS\\new.zpk"), root() / "My Documents" / "new.zpk");
    EXPECT_EQ(*nativePath(u"\\missing\\Deeper"), root() / "missing" / "Deeper");
}

TEST_F(PathMapping, TheExactNameWinsOverOtherCases) {
    writeFile("a/X.bmp", "upper");
    writeFile("a/x.bmp", "lower");
    EXPECT_EQ(*nativePath(u"\\a\\x.bmp"), root() / "a" / "x.bmp");
    EXPECT_EQ(*nativePath(u"\\a\\X.BMP"), root() / "a" / "X.bmp");
}

TEST_F(PathMapping, PathsThatCouldLeaveTheRootAreRefused) {
    EXPECT_FALSE(nativePath(u"\\..\\etc\\passwd"));
    EXPECT_FALSE(nativePath(u"\\my documents\\..\\..\\x"));
    EXPECT_FALSE(nativePath(u"\\a\\.\\b"));
    EXPECT_FALSE(nativePath(std::u16string(u"\\a\0b", 4)));
    EXPECT_FALSE(replaceFile(u"\\..\\escape", "x", 1));
    EXPECT_FALSE(fs::exists(root().parent_path() / "escape"));
    // Forward slashes are separators too, so they cannot smuggle a component past the check.
    EXPECT_FALSE(nativePath(u"\\a/../../b"));
}

TEST_F(PathMapping, FirstRunCreatesTheDocumentsAndThemesFoldersOnce) {
    fs::remove_all(root());
    EXPECT_TRUE(installOnFirstRun());
    EXPECT_TRUE(fs::is_directory(root() / "my documents" / "zorv themes"));
    fs::remove(root() / "my documents" / "zorv themes");
    EXPECT_FALSE(installOnFirstRun());
    EXPECT_FALSE(fs::exists(root() / "my documents" / "zorv themes"));
}

TEST_F(PathMapping, AnEmptiedRootOrOneWithoutDocumentsIsInstalledAgain) {
    // The root exists (the player made it, or emptied it to start over).
    EXPECT_TRUE(installOnFirstRun());
    EXPECT_TRUE(fs::is_directory(root() / "my documents" / "zorv themes"));
    fs::remove_all(root() / "my documents");
    writeFile("registry.ini", "");
    EXPECT_TRUE(installOnFirstRun());
    EXPECT_TRUE(fs::is_directory(root() / "my documents" / "zorv themes"));
    // A folder of another case is the documents folder already.
    fs::remove_all(root() / "my documents");
    fs::create_directories(root() / "My Documents");
    EXPECT_FALSE(installOnFirstRun());
    EXPECT_FALSE(fs::exists(root() / "my documents"));
}

TEST_F(Files, WriteSeekTellAndReadBack) {
    ASSERT_TRUE(replaceFile(u"\\data.bin", "abcdef", 6));
    auto file = File::openForReading(u"\\DATA.BIN");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->size(), 6);
    EXPECT_TRUE(file->seek(2, SeekOrigin::Begin));
    char buffer[8] = {};
    EXPECT_EQ(file->read(buffer, 8), 4u);
    EXPECT_STREQ(buffer, "cdef");
    EXPECT_EQ(file->tell(), 6);
    EXPECT_TRUE(file->seek(-1, SeekOrigin::End));
    EXPECT_EQ(file->read(buffer, 1), 1u);
    EXPECT_EQ(buffer[0], 'f');
}

TEST_F(Files, MissingFilesAndFoldersDoNotOpen) {
    fs::create_directories(root() / "folder");
    EXPECT_FALSE(File::openForReading(u"\\nothing"));
    EXPECT_FALSE(File::openForReading(u"\\folder"));
    EXPECT_FALSE(replaceFile(u"\\folder", "x", 1));
    EXPECT_FALSE(replaceFile(u"\\no such folder\\file", "x", 1));
    EXPECT_FALSE(readWholeFile(u"\\folder", 100));
}

TEST_F(Files, ReadWholeFileRefusesFilesAboveItsLimit) {
    writeFile("ten", "0123456789");
    EXPECT_EQ(readWholeFile(u"\\ten", 10)->size(), 10u);
    EXPECT_FALSE(readWholeFile(u"\\ten", 9));
}

TEST_F(Files, ReplaceIsAtomicAndFailsCleanly) {
    writeFile("keep.dat", "old");
    EXPECT_TRUE(replaceFile(u"\\keep.dat", "new content", 11));
    EXPECT_EQ(readFile("keep.dat"), "new content");
    fs::create_directories(root() / "dir");
    EXPECT_FALSE(replaceFile(u"\\dir", "x", 1));
    EXPECT_TRUE(fs::is_directory(root() / "dir"));
    fs::permissions(root(), fs::perms::owner_read | fs::perms::owner_exec);
    PermissionsApply permissions;
    if (!fs::exists(root() / "probe") && std::ofstream(root() / "probe")) {
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    }
    EXPECT_FALSE(replaceFile(u"\\keep.dat", "lost", 4));
    EXPECT_EQ(readFile("keep.dat"), "new content");
}

TEST_F(Files, CopyHonoursOverwriteAndDeleteRemoves) {
    writeFile("a.zpk", "A");
    writeFile("b.zpk", "B");
    EXPECT_FALSE(copyFile(u"\\a.zpk", u"\\b.zpk", false));
    EXPECT_EQ(readFile("b.zpk"), "B");
    EXPECT_TRUE(copyFile(u"\\a.zpk", u"\\b.zpk", true));
    EXPECT_EQ(readFile("b.zpk"), "A");
    EXPECT_FALSE(copyFile(u"\\missing", u"\\c.zpk", true));
    EXPECT_TRUE(deleteFile(u"\\A.ZPK"));
    EXPECT_FALSE(fileExists(u"\\a.zpk"));
    EXPECT_FALSE(deleteFile(u"\\a.zpk"));
}

TEST_F(Files, SearchMatchesThePatternIgnoringCaseInNameOrder) {
    writeFile("docs/b.zpk", "");
    writeFile("docs/A.ZPK", "");
    writeFile("docs/c.Zpk", "");
    writeFile("docs/notes.txt", "");
    writeFile("docs/zpk", "");
    fs::create_directories(root() / "docs" / "folder.zpk");
    EXPECT_THAT(findFiles(u"\\DOCS", u"*.zpk"), ElementsAre(u"A.ZPK", u"b.zpk", u"c.Zpk"));
    EXPECT_THAT(findFiles(u"\\docs", u"?.zpk"), ElementsAre(u"A.ZPK", u"b.zpk", u"c.Zpk"));
    EXPECT_TRUE(findFiles(u"\\nowhere", u"*.zpk").empty());
}
