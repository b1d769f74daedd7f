// The cover mask: white (255) where the stored pixel value is 0, black (0)
// everywhere else, over the whole picture whatever its format.
#include "KeplerControls/bitmap.h"
#include "bmp_fixture.h"
#include "four_colours.h"
#include "bmp_reader.h"
#include "cover_mask.h"
#include "qt_bitmap.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

// A palette without white and with fewer than 256 entries: the mask keeps
// it, as the bitmap keeps the file's pixel format, so its rewritten indices
// show in the file's colours 255 (here the padding, black) and 0.

std::uint32_t Diagonal(int x, int y) { return std::uint32_t((x * 7 + y * 3) % 4); }

TEST(CoverMask, OneBytePerPixelRewritesTheStoredBytes)
{
    FixtureDir dir;
    const QString path = dir.Write("i8.bmp", BmpBytes(6, 3, 8, kFourColours, Diagonal));
    TBitmap cover, mask;
    ReadBitmapFile(path, cover);
    ReadBitmapFile(path, mask);
    MakeCoverMask(mask);
    ASSERT_EQ(StoredImage(mask).format(), QImage::Format_Indexed8);
    EXPECT_EQ(mask.BitsPerPixel(), 8);
    EXPECT_EQ(StoredImage(mask).colorTable(), StoredImage(cover).colorTable());
    const QRgb shownFor255 = StoredImage(cover).color(255), shownFor0 = StoredImage(cover).color(0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool zero = Diagonal(x, y) == 0;
            EXPECT_EQ(StoredImage(mask).pixelIndex(x, y), zero ? 255 : 0) << x << ", " << y;
            EXPECT_EQ(QtImage(mask).pixel(x, y), zero ? shownFor255 : shownFor0) << x << ", " << y;
            EXPECT_EQ(StoredImage(cover).pixelIndex(x, y), int(Diagonal(x, y))) << "cover unchanged";
        }
}

// Three bytes per pixel: judged pixel by pixel, to the end of every row. A
// pixel with any colour bit set is opaque, however dark.
TEST(CoverMask, TwentyFourBitsArePerPixelOverTheWholeRow)
{
    const auto colour = [](int x, int y) -> std::uint32_t {
        static const std::uint32_t row0[] = {0x000000, 0xFF0000, 0x000001, 0x000000, 0x010000};
        static const std::uint32_t row1[] = {0x00FF00, 0x000000, 0x000000, 0x000100, 0x000000};
        return (y == 0 ? row0 : row1)[x];
    };
    FixtureDir dir;
    TBitmap mask;
    ReadBitmapFile(dir.Write("rgb.bmp", BmpBytes(5, 2, 24, {}, colour)), mask);
    MakeCoverMask(mask);
    EXPECT_EQ(mask.Width(), 5);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(mask.Pixel(x, y), colour(x, y) == 0 ? clWhite : clBlack) << x << ", " << y;
}

// Less than a byte per pixel: the stored value is the palette index.
TEST(CoverMask, PackedPaletteFormatsArePerPixel)
{
    for (int bpp : {1, 4}) {
        const std::vector<QRgb> palette(std::size_t(1) << bpp, qRgb(9, 9, 9));
        const auto index = [bpp](int x, int y) { return std::uint32_t((x + y) % 3 == 0 ? 0 : (bpp == 1 ? 1 : 5)); };
        FixtureDir dir;
        TBitmap mask;
        ReadBitmapFile(dir.Write("packed.bmp", BmpBytes(11, 2, bpp, palette, index)), mask);
        MakeCoverMask(mask);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 11; ++x)
                EXPECT_EQ(mask.Pixel(x, y), index(x, y) == 0 ? clWhite : clBlack) << bpp << " bpp " << x << ", " << y;
    }
}

} // namespace
