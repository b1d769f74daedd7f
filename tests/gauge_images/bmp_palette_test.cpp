// Palette pictures keep the file's own indices: a black and white file stays
// in its palette order (and its cover mask with it), run-length pictures give
// the pixels their runs leave out a defined value, and the size limit counts
// decoded bytes, not the length of a side.
#include "KeplerControls/bitmap.h"
#include "bmp_fixture.h"
#include "bmp_reader.h"
#include "cover_mask.h"
#include "KeplerControls/meter.h"
#include "qt_bitmap.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

const std::vector<QRgb> kBlackWhite{qRgb(0, 0, 0), qRgb(255, 255, 255)};

// A white ring on black, as a cover picture is usually drawn.
std::uint32_t Ring(int x, int y)
{
    const int dx = 2 * x - 8, dy = 2 * y - 8;
    const int d = dx * dx + dy * dy;
    return d >= 16 && d <= 64 ? 1 : 0;
}

TEST(BmpPalette, BlackAndWhiteFileKeepsItsIndicesAndColours)
{
    FixtureDir dir;
    const QString path = dir.Write("bw.bmp", BmpBytes(9, 9, 1, kBlackWhite, Ring));
    TBitmap b;
    ReadBitmapFile(path, b);
    EXPECT_EQ(b.BitsPerPixel(), 1);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            EXPECT_EQ(StoredImage(b).pixelIndex(x, y), int(Ring(x, y))) << x << "," << y;
            EXPECT_EQ(b.Pixel(x, y), Ring(x, y) ? clWhite : clBlack) << x << "," << y;
        }
}

// Index 0 (black here) is transparent, index 1 (white) opaque.
TEST(BmpPalette, BlackAndWhiteMaskFollowsTheFileIndices)
{
    for (const auto& palette : {kBlackWhite, std::vector<QRgb>{qRgb(255, 255, 255), qRgb(0, 0, 0)}}) {
        FixtureDir dir;
        TBitmap mask;
        ReadBitmapFile(dir.Write("bw.bmp", BmpBytes(9, 9, 1, palette, Ring)), mask);
        MakeCoverMask(mask);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x)
                EXPECT_EQ(mask.Pixel(x, y), Ring(x, y) ? clBlack : clWhite) << x << "," << y;
    }
}

// On a new gauge (dial centre (148, 201)) the black parts of the cover let
// the dial through and the white ring covers it.
TEST(BmpPalette, BlackAndWhiteCoverShowsOnlyItsRing)
{
    FixtureDir dir;
    TMeter m;
    m.SetColorBakG(clYellow);
    m.SetAnchorImage(dir.Write("bw.bmp", BmpBytes(9, 9, 1, kBlackWhite, Ring)));
    ASSERT_FALSE(m.AnchorImage().isEmpty());
    const int x0 = 148 - 4, y0 = 201 - 4;
    EXPECT_EQ(m.Face().Pixel(x0 + 8, y0 + 0), clYellow) << "a black corner lets the dial show";
    EXPECT_EQ(m.Face().Pixel(x0 + 7, y0 + 1), clYellow);
    EXPECT_EQ(m.Face().Pixel(x0 + 0, y0 + 4), clWhite) << "the ring covers";
    EXPECT_EQ(m.Face().Pixel(x0 + 4, y0 + 0), clWhite);
}

// An RLE8 file from scratch (rows bottom-up).
QByteArray Rle8File(int w, int h, const std::vector<QRgb>& palette, const QByteArray& runs)
{
    QByteArray f = BmpBytes(w, h, 8, palette, [](int, int) { return 0u; });
    const int pixelOffset = 14 + 40 + int(palette.size()) * 4;
    f.truncate(pixelOffset);
    f.append(runs);
    f[30] = 1; // compression RLE8
    const auto put32 = [&f](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            f[at + i] = char(v >> (8 * i) & 0xFF);
    };
    put32(2, std::uint32_t(f.size()));
    put32(34, std::uint32_t(runs.size()));
    return f;
}

QByteArray Rle4File(int w, int h, const std::vector<QRgb>& palette, const QByteArray& runs)
{
    QByteArray f = Rle8File(w, h, palette, runs);
    f[28] = 4; // bits per pixel
    f[30] = 2; // compression RLE4
    return f;
}

// Pixels a run leaves out (an early end of line, a skip, an early end of
// picture) take palette index 0, read after read.
TEST(BmpPalette, RunLengthGapsArePaletteIndexZero)
{
    const std::vector<QRgb> palette{qRgb(10, 20, 30), qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200)};
    // 6 by 4, bottom row first: row 3 (bottom) "11" then end of line;
    // row 2: skip 2 right, "222", end of line; row 1: "3", delta 3 right and 1 up;
    // row 0: at x 4 "11", end of picture.
    const QByteArray rle8 = QByteArray::fromHex("0201" "0000" "00020200" "0302" "0000" "0103" "00020301"
                                                "0201" "0001");
    // The same picture in RLE4 (a run of n alternates the two nibbles).
    const QByteArray rle4 = QByteArray::fromHex("0211" "0000" "00020200" "0322" "0000" "0133" "00020301"
                                                "0211" "0001");
    const char* expected[] = {"000011", "300000", "002220", "110000"}; // top-down
    FixtureDir dir;
    for (const QByteArray& file : {Rle8File(6, 4, palette, rle8), Rle4File(6, 4, std::vector<QRgb>(16, qRgb(10, 20, 30)), rle4)}) {
        const QString path = dir.Write("rle.bmp", file);
        std::vector<QImage> reads;
        for (int i = 0; i < 3; ++i) {
            TBitmap b;
            // Fresh garbage on the heap between reads.
            std::vector<char> noise(6 * 4 * 4 * 8, char(0x5A));
            ReadBitmapFile(path, b);
            reads.push_back(StoredImage(b));
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < 6; ++x)
                    EXPECT_EQ(StoredImage(b).pixelIndex(x, y), expected[y][x] - '0') << x << "," << y << " read " << i;
        }
        EXPECT_EQ(reads[0], reads[1]);
        EXPECT_EQ(reads[0], reads[2]);
    }
}

TEST(BmpPalette, RunLengthGapsShowPaletteColourZero)
{
    const std::vector<QRgb> palette{qRgb(10, 20, 30), qRgb(200, 0, 0)};
    FixtureDir dir;
    TBitmap b;
    ReadBitmapFile(dir.Write("rle.bmp", Rle8File(5, 2, palette, QByteArray::fromHex("0101" "0001"))), b);
    EXPECT_EQ(b.Pixel(0, 1), RGB(200, 0, 0));
    for (int x = 1; x < 5; ++x)
        EXPECT_EQ(b.Pixel(x, 1), RGB(10, 20, 30)) << x;
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(b.Pixel(x, 0), RGB(10, 20, 30)) << x;
}

// A long thin picture is small; what counts is the decoded size.
TEST(BmpPalette, LongThinPicturesAreRead)
{
    FixtureDir dir;
    for (const auto& [w, h] : {std::pair{4097, 1}, std::pair{1, 4097}, std::pair{20000, 3}}) {
        TBitmap b;
        ReadBitmapFile(dir.Write("thin.bmp", BmpBytes(w, h, 24, {}, [](int x, int y) { return (x + y) % 2 ? 0xFF0000u : 0u; })), b);
        EXPECT_EQ(b.Width(), w);
        EXPECT_EQ(b.Height(), h);
        EXPECT_EQ(b.Pixel(w > 1 ? 1 : 0, w > 1 ? 0 : 1), clRed) << w << " by " << h;
        EXPECT_EQ(b.Pixel(w - 1, h - 1), (w + h) % 2 ? clRed : clBlack) << w << " by " << h;
    }
}

TEST(BmpPalette, TooManyDecodedBytesAreRefused)
{
    // One pixel more than the limit allows, as 8-bit: the file itself is small.
    const std::int64_t pixels = MaxBitmapBytes / 4 + 1;
    const int w = 8192;
    const int h = int((pixels + w - 1) / w);
    FixtureDir dir;
    const QString path = dir.Write("big.bmp", Rle8File(w, h, {qRgb(0, 0, 0)}, QByteArray::fromHex("0001")));
    TBitmap b(3, 3);
    try {
        ReadBitmapFile(path, b);
        ADD_FAILURE() << "read";
    } catch (const EMeterImageError& e) {
        EXPECT_NE(std::string(e.what()).find("too large"), std::string::npos) << e.what();
    }
    EXPECT_EQ(b.Width(), 3);
}

} // namespace
