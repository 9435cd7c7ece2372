// The compiler's theme files on disk: a save is whole or leaves the old file, sources are checked.
#include "pixelkiln/theme_files.h"
#include "theme_format/theme_file_fixture.h"

#include <QImage>
#include <sys/stat.h>

class ThemeSaving : public ThemeFileTest {
  protected:
    void SetUp() override {
        ThemeFileTest::SetUp();
        // Sources the game loads as pieces: bitmap k a square of k pixels a side.
        for (std::size_t k = 0; k < kThemeRecordCount; ++k) {
            ASSERT_TRUE(saveImage(QImage(int(k) + 1, int(k) + 1, QImage::Format_RGB32), k));
        }
    }
    bool saveImage(QImage image, std::size_t k) {
        image.fill(Qt::darkRed);
        return image.save(QString::fromStdString(sources_[k].string()), "BMP");
    }
    bool save(const std::filesystem::path& output) {
        return writeThemeFile(output, "new", &ThemeFileTest::widen, sources_);
    }
    std::string sourceRecords() const {
        std::string records;
        for (const auto& source : sources_) {
            const std::string bytes = readBytes(source);
            records += le32(std::uint32_t(bytes.size())) + bytes;
        }
        return records;
    }
};

TEST_F(ThemeSaving, WritesTheFormatsBytes) {
    ASSERT_TRUE(writeThemeFile(output(), "Gems", &ThemeFileTest::widen, sources_));
    EXPECT_EQ(readBytes(output()), header() + nameField("Gems") + sourceRecords());
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

TEST_F(ThemeSaving, SourcesTheGameWouldNotLoadOrNotRegularFilesAreRefusedAtOnce) {
    ASSERT_TRUE(write("old"));
    const std::string before = readBytes(output());
    std::filesystem::resize_file(sources_[2], kThemeRecordMaxBytes + 1);
    EXPECT_FALSE(save(output()));
    EXPECT_EQ(readBytes(output()), before);

    std::filesystem::resize_file(sources_[2], kThemeRecordMaxBytes);
    EXPECT_TRUE(save(output()));

    // Small enough in bytes, but more pixels than the game loads; and no bitmap at all.
    ASSERT_TRUE(saveImage(QImage(4096, 4096, QImage::Format_Mono), 3));
    ASSERT_LT(std::filesystem::file_size(sources_[3]), kThemeRecordMaxBytes);
    const std::string saved = readBytes(output());
    EXPECT_FALSE(save(output()));
    writeBytes(sources_[3], "BM not a bitmap");
    EXPECT_FALSE(save(output()));
    EXPECT_EQ(readBytes(output()), saved);
    ASSERT_TRUE(saveImage(QImage(28, 28, QImage::Format_Mono), 3));

    // A pipe with no writer in a source's place would block a plain open for ever.
    std::filesystem::remove(sources_[4]);
    ASSERT_EQ(mkfifo(sources_[4].c_str(), 0600), 0);
    EXPECT_FALSE(save(output()));
    // Nor is a theme written over a pipe: it would wait for a reader.
    std::filesystem::path fifoOutput = folder_ / "pipe.zpk";
    ASSERT_EQ(mkfifo(fifoOutput.c_str(), 0600), 0);
    std::filesystem::remove(sources_[4]);
    std::filesystem::copy_file(sources_[0], sources_[4]);
    EXPECT_TRUE(save(output()));
    EXPECT_FALSE(save(fifoOutput));
}
