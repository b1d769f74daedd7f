// Pictures read from files into a bitmap: the same pixels whichever way the
// reader takes, and a white bitmap when the file cannot be read.
#include "image_file.h"
#include "qt_bitmap.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Kepler;

namespace {

QImage Pattern(QImage::Format format, int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgba(x * 13 & 0xFF, y * 29 & 0xFF, (x ^ y) * 7 & 0xFF, 0x40 + (x * y & 0xBF)));
    if (format == QImage::Format_Indexed8)
        return image.convertToFormat(format, Qt::ThresholdDither | Qt::AvoidDither);
    return image.convertToFormat(format);
}

bool AllWhite(const TBitmap& b)
{
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Pixel(x, y) != clWhite)
                return false;
    return true;
}

struct TPictureCase {
    const char* name;
    QImage::Format stored; // how the PNG keeps it: RGB, RGBA, palette, grey
};

class ReadImageFileIntoTest : public ::testing::TestWithParam<TPictureCase> {};

TEST_P(ReadImageFileIntoTest, GivesThePixelsTheReaderShows)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bild.png"));
    ASSERT_TRUE(Pattern(GetParam().stored, 37, 23).save(path, "PNG"));

    TBitmap expected;
    AssignImage(expected, ReadImageFile(path, "png"));
    TBitmap bitmap(5, 5); // another size first: the picture's size wins
    ASSERT_TRUE(ReadImageFileInto(bitmap, path, "png"));
    ASSERT_EQ(bitmap.Width(), 37);
    ASSERT_EQ(bitmap.Height(), 23);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x)
            ASSERT_EQ(bitmap.Pixel(x, y), expected.Pixel(x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Pictures, ReadImageFileIntoTest,
                         ::testing::Values(TPictureCase{"Rgb", QImage::Format_RGB32},
                                           TPictureCase{"Rgba", QImage::Format_ARGB32},
                                           TPictureCase{"Palette", QImage::Format_Indexed8},
                                           TPictureCase{"Grey", QImage::Format_Grayscale8}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadImageFileInto, AMissingFileLeavesTheBitmapWhite)
{
    TBitmap bitmap(9, 4);
    bitmap.SetPixel(2, 2, clRed);
    EXPECT_FALSE(ReadImageFileInto(bitmap, QStringLiteral(":/no/such/picture.png"), "png"));
    EXPECT_EQ(bitmap.Width(), 9);
    EXPECT_EQ(bitmap.Height(), 4);
    EXPECT_TRUE(AllWhite(bitmap));
}

TEST(ReadImageFileInto, ACutOffFileGivesAWhiteBitmapOfItsSize)
{
    // The header names the size; the pixels end half way.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(Pattern(QImage::Format_RGB32, 64, 48).save(&buffer, "PNG", 0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("halb.png"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(png.left(png.size() / 2));
    file.close();

    TBitmap bitmap(3, 3);
    bitmap.SetPixel(1, 1, clRed);
    EXPECT_FALSE(ReadImageFileInto(bitmap, path, "png"));
    EXPECT_EQ(bitmap.Width(), 64);
    EXPECT_EQ(bitmap.Height(), 48);
    EXPECT_TRUE(AllWhite(bitmap));
}

} // namespace
