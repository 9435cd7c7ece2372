// Bitmaps from .bmp files and from the program's resources, good and bad.
#include "device_root_fixture.h"
#include "platform/bitmap.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

namespace {

std::string bmpBytes(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes.toStdString();
}

// Overwrites a little-endian 32-bit field of a BMP header.
void setField(std::string& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char((value >> (8 * i)) & 0xFF);
}

} // namespace

using BitmapFiles = DeviceRootTest;

TEST_F(BitmapFiles, AGoodFileGivesItsSizeAndPixels) {
    writeFile("my documents/zorv themes/1.bmp", bmpBytes(28, 28, qRgb(0, 200, 220)));
    const auto bitmap = Bitmap::loadFile(u"\\My Documents\\zorv themes\\1.bmp");
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->width(), 28);
    EXPECT_EQ(bitmap->height(), 28);
    EXPECT_EQ(bitmap->image().format(), QImage::Format_RGB32);
    EXPECT_EQ(bitmap->image().pixel(27, 27), qRgb(0, 200, 220));
    EXPECT_TRUE(Bitmap::loadNativeFile(root() / "my documents/zorv themes/1.bmp"));
}

TEST_F(BitmapFiles, MissingFilesAndFoldersGiveNothing) {
    EXPECT_FALSE(Bitmap::loadFile(u"\\my documents\\zorv themes\\7.bmp"));
    std::filesystem::create_directories(root() / "folder.bmp");
    EXPECT_FALSE(Bitmap::loadFile(u"\\folder.bmp"));
    EXPECT_FALSE(Bitmap::loadNativeFile(root() / "nowhere.bmp"));
}

TEST_F(BitmapFiles, DamagedFilesGiveNothing) {
    const std::string good = bmpBytes(28, 28, qRgb(255, 0, 0));
    writeFile("empty.bmp", "");
    writeFile("text.bmp", "this is not a bitmap at all");
    writeFile("cut.bmp", good.substr(0, 40));
    std::string huge = good;
    setField(huge, 18, 60000); // width
    setField(huge, 22, 60000); // height
    writeFile("huge.bmp", huge);
    for (auto name : {u"\\empty.bmp", u"\\text.bmp", u"\\cut.bmp", u"\\huge.bmp"})
        EXPECT_FALSE(Bitmap::loadFile(name)) << QString::fromUtf16(name).toStdString();
}

TEST(BitmapResources, AMissingResourceGivesNothing) {
    EXPECT_FALSE(Bitmap::loadResource(u":/no/such/bitmap.bmp"));
}

TEST(BitmapData, DecodesFromMemoryAndRefusesAnEmptyImage) {
    const std::string bytes = bmpBytes(3, 2, qRgb(1, 2, 3));
    const auto bitmap =
        Bitmap::fromBmpData({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->width(), 3);
    EXPECT_EQ(bitmap->height(), 2);
    EXPECT_FALSE(Bitmap::fromImage(QImage()));
}
