// Bitmaps of several sizes and depths, saved as a theme and unpacked again byte for byte.
#include "pixelkiln_fixture.h"
#include "theme_format/theme_file.h"

#include <cstdlib>

namespace {

// ImageMagick arguments for seven pictures that differ in size and colour depth.
const char* const kPictures[7] = {
    "-size 28x28 xc:red -type TrueColor BMP3:",
    "-size 28x28 gradient:blue-yellow -type TrueColor BMP3:",
    "-size 16x20 xc:green -type Palette BMP3:",
    "-size 28x28 plasma:fractal -seed 4 -type TrueColor BMP3:",
    "-size 1x1 xc:white BMP3:",
    "-size 40x31 pattern:checkerboard -type Bilevel BMP3:",
    "-size 28x28 xc:#FAFAFA -alpha on BMP:",
};

} // namespace

TEST_F(PixelkilnTest, SavedBitmapsComeBackByteForByte) {
    if (std::system("convert -version > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "ImageMagick is not installed";
    }
    fs::path sources[7];
    for (int k = 0; k < 7; ++k) {
        sources[k] = pictures / ("piece" + std::to_string(k + 1) + ".bmp");
        const std::string command =
            std::string("convert ") + kPictures[k] + "'" + sources[k].string() + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        host.answerFile(u16(sources[k]));
    }
    const fs::path theme = pictures / "round.zpk";
    host.answerFile(u16(theme));
    run([](ScriptedDialog& dialog) {
        for (int k = 1; k <= 7; ++k) {
            dialog.press(chooseButtonId(k));
        }
        dialog.type(PixelkilnId::NameBox, u"Round trip");
        dialog.press(PixelkilnId::Save);
        dialog.press(PixelkilnId::Quit);
    });
    ASSERT_TRUE(host.messages.empty());

    // Read as the game's loader does: header, name skipped, seven records.
    std::ifstream in(theme, std::ios::binary);
    ASSERT_TRUE(checkThemeHeader(in));
    ASSERT_TRUE(skipThemeName(in));
    for (int k = 0; k < 7; ++k) {
        std::vector<std::uint8_t> record;
        ASSERT_TRUE(readPieceRecord(in, record)) << k + 1;
        const auto source = bytesOf(sources[k]);
        EXPECT_EQ(record, std::vector<std::uint8_t>(source.begin(), source.end()))
            << "record " << k + 1;
    }
    EXPECT_EQ(readThemeName(in), u"Round trip");
}
