#include "canvas_test_support.h"
#include "qt_bitmap.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

// A 2 x 2 source with four distinct colours:
//   A B
//   C D
constexpr TColor A = 0x102030, B = 0x405060, C = 0x708090, D = 0xA0B0C0;

void FillSource(TBitmap& s)
{
    s.SetSize(2, 2);
    s.SetPixel(0, 0, A);
    s.SetPixel(1, 0, B);
    s.SetPixel(0, 1, C);
    s.SetPixel(1, 1, D);
}

TEST(CanvasStretchDraw, NearestNeighbourDoublesEachPixel)
{
    TBitmap src;
    FillSource(src);
    TBitmap dst(6, 6);
    dst.Canvas().StretchDraw({1, 1, 5, 5}, src);
    EXPECT_EQ(dst.Pixel(1, 1), A);
    EXPECT_EQ(dst.Pixel(2, 2), A);
    EXPECT_EQ(dst.Pixel(3, 1), B);
    EXPECT_EQ(dst.Pixel(4, 2), B);
    EXPECT_EQ(dst.Pixel(1, 4), C);
    EXPECT_EQ(dst.Pixel(4, 4), D);
    // Right and bottom edges excluded.
    EXPECT_EQ(dst.Pixel(5, 4), clWhite);
    EXPECT_EQ(dst.Pixel(4, 5), clWhite);
    EXPECT_EQ(dst.Pixel(0, 0), clWhite);
}

TEST(CanvasStretchDraw, ShrinksAndStretchesUnevenly)
{
    TBitmap src(4, 1);
    for (int x = 0; x < 4; ++x)
        src.SetPixel(x, 0, RGB(std::uint8_t(x * 10), 0, 0));
    TBitmap dst(3, 1);
    // 4 columns into 2: each destination centre falls on a border between
    // source columns and takes the left one, 0 and 2.
    dst.Canvas().StretchDraw({0, 0, 2, 1}, src);
    EXPECT_EQ(dst.Pixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(dst.Pixel(1, 0), RGB(20, 0, 0));
    EXPECT_EQ(dst.Pixel(2, 0), clWhite);
    // 4 columns into 3: centres at source 0.67, 2 and 3.33.
    dst.Canvas().StretchDraw({0, 0, 3, 1}, src);
    EXPECT_EQ(dst.Pixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(dst.Pixel(1, 0), RGB(10, 0, 0));
    EXPECT_EQ(dst.Pixel(2, 0), RGB(30, 0, 0));
}

// Corners given right to left and bottom to top mirror the picture.
TEST(CanvasStretchDraw, SwappedCornersMirror)
{
    TBitmap src;
    FillSource(src);
    TBitmap dst(2, 2);
    dst.Canvas().StretchDraw({2, 2, 0, 0}, src);
    EXPECT_EQ(dst.Pixel(0, 0), D);
    EXPECT_EQ(dst.Pixel(1, 0), C);
    EXPECT_EQ(dst.Pixel(0, 1), B);
    EXPECT_EQ(dst.Pixel(1, 1), A);
}

// Parts outside the bitmap are cut off; what remains keeps its place in the
// scaled picture.
TEST(CanvasStretchDraw, PartlyOutsideIsClipped)
{
    TBitmap src;
    FillSource(src);
    TBitmap dst(3, 3);
    dst.Canvas().StretchDraw({-2, -2, 2, 2}, src); // 2 x 2 blocks, only D's block shows
    EXPECT_EQ(dst.Pixel(0, 0), D);
    EXPECT_EQ(dst.Pixel(1, 1), D);
    EXPECT_EQ(dst.Pixel(2, 2), clWhite);
    dst.Canvas().Draw(2, 1, src); // only A and C fit
    EXPECT_EQ(dst.Pixel(2, 1), A);
    EXPECT_EQ(dst.Pixel(2, 2), C);
}

// AND keeps the bits both have, OR the bits either has, per channel; the
// mask-then-picture pair lets a picture show only where its mask is black.
TEST(CanvasStretchDraw, AndOrCopyModes)
{
    TBitmap src(1, 1);
    src.SetPixel(0, 0, 0x0F3CF0);
    TBitmap dst(2, 1);
    dst.SetPixel(0, 0, 0x33AA55);
    dst.SetPixel(1, 0, 0x33AA55);
    dst.Canvas().SetCopyMode(cmSrcAnd);
    dst.Canvas().Draw(0, 0, src);
    EXPECT_EQ(dst.Pixel(0, 0), 0x0F3CF0u & 0x33AA55u);
    dst.Canvas().SetCopyMode(cmSrcPaint);
    dst.Canvas().StretchDraw({1, 0, 2, 1}, src);
    EXPECT_EQ(dst.Pixel(1, 0), 0x0F3CF0u | 0x33AA55u);

    // Cover picture: red where its mask is black, black (no effect) where the
    // mask is white.
    TBitmap mask(2, 1), cover(2, 1), dial(2, 1);
    mask.SetPixel(0, 0, clBlack);
    mask.SetPixel(1, 0, clWhite);
    cover.SetPixel(0, 0, clRed);
    cover.SetPixel(1, 0, clBlack);
    dial.SetPixel(0, 0, clNavy);
    dial.SetPixel(1, 0, clNavy);
    dial.Canvas().SetCopyMode(cmSrcAnd);
    dial.Canvas().StretchDraw({0, 0, 2, 1}, mask);
    dial.Canvas().SetCopyMode(cmSrcPaint);
    dial.Canvas().StretchDraw({0, 0, 2, 1}, cover);
    EXPECT_EQ(dial.Pixel(0, 0), clRed);
    EXPECT_EQ(dial.Pixel(1, 0), clNavy);
}

TEST(CanvasStretchDraw, EmptySourceOrRectDrawsNothing)
{
    TBitmap empty;
    TBitmap src(1, 1);
    src.SetPixel(0, 0, clRed);
    TBitmap dst(2, 2);
    dst.Canvas().StretchDraw({0, 0, 2, 2}, empty);
    dst.Canvas().StretchDraw({0, 0, 0, 2}, src);
    dst.Canvas().StretchDraw({0, 1, 2, 1}, src);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(dst.Pixel(x, y), clWhite);
}

// Drawing a bitmap onto itself reads the picture as it was before the copy.
TEST(CanvasDraw, OntoItself)
{
    TBitmap b(2, 1);
    b.SetPixel(0, 0, clRed);
    b.SetPixel(1, 0, clLime);
    b.Canvas().StretchDraw({2, 0, 0, 1}, b);
    EXPECT_EQ(b.Pixel(0, 0), clLime);
    EXPECT_EQ(b.Pixel(1, 0), clRed);
}

} // namespace

// An unscaled copy goes row by row; it gives what the scaled rule gives for
// a scale of 1, in every copy mode, clipped anywhere, from an image of
// either format.
TEST(CanvasDraw, UnscaledCopyMatchesThePixelRule)
{
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32}) {
        QImage image(7, 5, format);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                image.setPixel(x, y, qRgba(x * 30, y * 50, (x * y * 13) & 0xFF, 0x80 + x));
        TBitmap src;
        AssignImage(src, image);
        const QImage given = QtImage(std::as_const(src));
        for (const TCopyMode mode : {cmSrcCopy, cmSrcAnd, cmSrcPaint}) {
            for (const auto& [ox, oy] : {std::pair{0, 0}, {-3, -2}, {6, 4}, {2, 1}}) {
                TBitmap dst(10, 8);
                for (int y = 0; y < 8; ++y)
                    for (int x = 0; x < 10; ++x)
                        dst.SetPixel(x, y, RGB(x * 20, 0x5A, y * 30));
                TBitmap expected(10, 8);
                expected.Canvas().Draw(0, 0, dst);
                dst.Canvas().SetCopyMode(mode);
                dst.Canvas().Draw(ox, oy, src);
                for (int y = 0; y < 8; ++y)
                    for (int x = 0; x < 10; ++x) {
                        const int sx = x - ox, sy = y - oy;
                        if (sx < 0 || sy < 0 || sx >= 7 || sy >= 5)
                            continue;
                        const QRgb s = given.pixel(sx, sy);
                        const QRgb d = QtImage(expected).pixel(x, y);
                        const QRgb e = 0xFF000000u
                                       | (mode == cmSrcAnd ? (d & s) : mode == cmSrcPaint ? (d | s) : s);
                        QtImage(expected).setPixel(x, y, e);
                    }
                ASSERT_TRUE(QtImage(dst) == QtImage(expected)) << "format " << format << ", mode " << mode
                                                             << ", at " << ox << ", " << oy;
            }
        }
    }
}
