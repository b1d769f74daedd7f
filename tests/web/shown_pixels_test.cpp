// The page's canvases take only the rectangle that changed, in the bytes a
// canvas holds (R, G, B, A).
#include "shown_pixels.h"

#include "KeplerControls/bitmap.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

struct TRectCase {
    const char* Name;
    // Pixels set to blue after the first take; x, y pairs.
    std::vector<std::pair<int, int>> Changed;
    int Left, Top, Width, Height;
};

class ShownPixelsRect : public ::testing::TestWithParam<TRectCase> {};

TEST_P(ShownPixelsRect, IsTheSmallestHoldingEveryChange)
{
    // An odd width: rows are compared two pixels at a time, and the last
    // one alone.
    TBitmap b(41, 30);
    TShownPixels shown;
    shown.Take(b);
    for (const auto& [x, y] : GetParam().Changed)
        b.SetPixel(x, y, clBlue);
    const TShownPixels::TRect r = shown.Take(b);
    EXPECT_EQ(r.Left, GetParam().Left);
    EXPECT_EQ(r.Top, GetParam().Top);
    EXPECT_EQ(r.Width, GetParam().Width);
    EXPECT_EQ(r.Height, GetParam().Height);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShownPixelsRect,
    ::testing::Values(TRectCase{"nothing", {}, 0, 0, 0, 0},
                      TRectCase{"odd_pixel", {{7, 5}}, 7, 5, 1, 1},
                      TRectCase{"even_pixel", {{8, 5}}, 8, 5, 1, 1},
                      TRectCase{"corners", {{0, 0}, {40, 29}}, 0, 0, 41, 30},
                      TRectCase{"diagonal", {{30, 2}, {3, 20}}, 3, 2, 28, 19},
                      TRectCase{"one_row_apart", {{5, 9}, {25, 9}}, 5, 9, 21, 1},
                      TRectCase{"last_column", {{40, 10}, {40, 12}}, 40, 10, 1, 3}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ShownPixels, FirstTakeIsAllInCanvasBytes)
{
    TBitmap b(3, 2);
    b.SetPixel(1, 0, TColor(0x00336699)); // red 0x99, green 0x66, blue 0x33
    TShownPixels shown;
    const TShownPixels::TRect r = shown.Take(b);
    EXPECT_EQ(r.Left, 0);
    EXPECT_EQ(r.Top, 0);
    EXPECT_EQ(r.Width, 3);
    EXPECT_EQ(r.Height, 2);
    ASSERT_EQ(shown.Width(), 3);
    ASSERT_EQ(shown.Height(), 2);
    const std::uint8_t* px = shown.Bytes() + 4;
    EXPECT_EQ(px[0], 0x99);
    EXPECT_EQ(px[1], 0x66);
    EXPECT_EQ(px[2], 0x33);
    EXPECT_EQ(px[3], 0xFF);
    // White elsewhere, opaque.
    for (int i : {0, 2, 3, 4, 5})
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(shown.Bytes()[4 * i + k], 0xFF);
}

TEST(ShownPixels, NewSizeIsAllChanged)
{
    TBitmap b(4, 4);
    TShownPixels shown;
    shown.Take(b);
    b.SetSize(6, 2);
    const TShownPixels::TRect r = shown.Take(b);
    EXPECT_EQ(r.Width, 6);
    EXPECT_EQ(r.Height, 2);
    EXPECT_TRUE(shown.Take(b).Empty());
}

TEST(ShownPixels, ChangedBytesAreTheNewColours)
{
    TBitmap b(5, 1);
    TShownPixels shown;
    shown.Take(b);
    b.SetPixel(1, 0, clRed);
    b.SetPixel(3, 0, clBlue);
    shown.Take(b);
    const std::uint8_t expected[5][4] = {
        {0xFF, 0xFF, 0xFF, 0xFF}, {0xFF, 0, 0, 0xFF}, {0xFF, 0xFF, 0xFF, 0xFF}, {0, 0, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF, 0xFF}};
    for (int i = 0; i < 5; ++i)
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(shown.Bytes()[4 * i + k], expected[i][k]) << "pixel " << i << " byte " << k;
}

TEST(ShownPixels, DrawingBackIsAChange)
{
    TBitmap b(10, 10);
    TShownPixels shown;
    shown.Take(b);
    b.SetPixel(4, 4, clRed);
    shown.Take(b);
    b.SetPixel(4, 4, clWhite);
    const TShownPixels::TRect r = shown.Take(b);
    EXPECT_EQ(r.Left, 4);
    EXPECT_EQ(r.Top, 4);
    EXPECT_EQ(r.Width, 1);
    EXPECT_EQ(r.Height, 1);
}

} // namespace
