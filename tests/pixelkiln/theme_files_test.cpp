// The compiler's theme files on disk: a save is whole or leaves the old file, sources are checked.
#include "pixelkiln/theme_files.h"
#include "theme_format/theme_file_fixture.h"

#include <sys/stat.h>

class ThemeSaving : public ThemeFileTest {
  protected:
    bool save(const std::filesystem::path& output) {
        return writeThemeFile(output, "new", &ThemeFileTest::widen, sources_);
    }
};

TEST_F(ThemeSaving, WritesTheFormatsBytes) {
    ASSERT_TRUE(writeThemeFile(output(), "Gems", &ThemeFileTest::widen, sources_));
    EXPECT_EQ(readBytes(output()), header() + nameField("Gems") + sevenRecords());
}

TEST_F(ThemeSaving, MissingSourceFailsAndKeepsTheOldTheme) {
    ASSERT_TRUE(write("old"));
    const std::string before = readBytes(output());
    std::filesystem::remove(sources_[6]);
    EXPECT_FALSE(save(output()));
    EXPECT_EQ(readBytes(output()), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 7); // no leftovers
}

TEST_F(ThemeSaving, OutputThatCannotBeCreatedFails) {
    const std::filesystem::path nowhere = folder_ / "missing" / "theme.zpk";
    EXPECT_FALSE(save(nowhere));
    EXPECT_FALSE(std::filesystem::exists(nowhere));
}

TEST_F(ThemeSaving, SourcesTooLargeForTheGameOrNotRegularFilesAreRefusedAtOnce) {
    ASSERT_TRUE(write("old"));
    const std::string before = readBytes(output());
    std::filesystem::resize_file(sources_[2], kThemeRecordMaxBytes + 1);
    EXPECT_FALSE(save(output()));
    EXPECT_EQ(readBytes(output()), before);

    std::filesystem::resize_file(sources_[2], kThemeRecordMaxBytes);
    EXPECT_TRUE(save(output()));

    // A pipe with no writer in a source's place would block a plain open for ever.
    std::filesystem::remove(sources_[4]);
    ASSERT_EQ(mkfifo(sources_[4].c_str(), 0600), 0);
    EXPECT_FALSE(save(output()));
    // Nor is a theme written over a pipe: it would wait for a reader.
    std::filesystem::path fifoOutput = folder_ / "pipe.zpk";
    ASSERT_EQ(mkfifo(fifoOutput.c_str(), 0600), 0);
    std::filesystem::remove(sources_[4]);
    writeBytes(sources_[4], "55555");
    EXPECT_FALSE(save(fifoOutput));
}
