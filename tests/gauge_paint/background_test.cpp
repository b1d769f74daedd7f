// The background picture in its three fill modes.
#include "paint_test_support.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

// Every pixel different: red and green carry the column and row.
QImage Gradient(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 5, y * 7, 99));
    return image;
}

TColor GradientColor(int x, int y) { return RGB(x * 5, y * 7, 99); }

// A 105 by 87 gauge with nothing on it but the background. With rims 0 the
// opening's bevel line still takes row 0; everything below is background.
class BackgroundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m.SetRimTop(0);
        m.SetRimBottom(0);
        m.SetRimSide(0);
        m.SetBounds(0, 0, 105, 87);
        ShowBodyOnly(m);
        m.SetAnchorCovered(false);
        m.SetScaleVisible(false);
        m.SetScaleBkVisible(false);
        m.SetFrameStyle(fsNone);
        m.SetColorBakG(clYellow);
    }
    TMeter m;
};

// 40 by 30 on 105 by 87: three columns and three rows of copies, the right
// column and the bottom row cut off at the face's edge.
TEST_F(BackgroundTest, TileRepeatsThePictureThreeByThree)
{
    m.SetBkgndFillMode(bfTile);
    const FaceWithPicture f(m, "tile.bmp", Gradient(40, 30));
    for (int y = 1; y < 45; ++y)
        for (int x = 0; x < 105; ++x)
            ASSERT_EQ(FacePixel(f.face, x, y), GradientColor(x % 40, y % 30)) << x << ", " << y;
    // The bottom row of copies, cut after 27 of its 30 rows.
    for (int y = 60; y < 87; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(FacePixel(f.face, x, y), GradientColor(x, y - 60)) << x << ", " << y;
}

// The picture at its own size in the corner; the rest white inside a black
// edge, whatever the background colour.
TEST_F(BackgroundTest, SimplePutsThePictureInTheCornerOnWhite)
{
    m.SetBkgndFillMode(bfSimple);
    const FaceWithPicture f(m, "small.bmp", Gradient(40, 30));
    EXPECT_EQ(FacePixel(f.face, 0, 1), GradientColor(0, 1));
    EXPECT_EQ(FacePixel(f.face, 39, 29), GradientColor(39, 29));
    EXPECT_EQ(FacePixel(f.face, 40, 10), clWhite);
    EXPECT_EQ(FacePixel(f.face, 10, 30), clWhite);
    EXPECT_EQ(FacePixel(f.face, 0, 50), clBlack);
    EXPECT_EQ(FacePixel(f.face, 104, 10), clBlack);
    EXPECT_EQ(FacePixel(f.face, 10, 86), clBlack);
    EXPECT_EQ(CountPixels(f.face, clYellow), 0);
}

// The band disc is still painted in the background colour over a picture.
TEST_F(BackgroundTest, BandDiscKeepsTheBackgroundColourOverAPicture)
{
    m.SetBkgndFillMode(bfSimple);
    m.SetScaleBkVisible(true);
    m.SetScaleBkWidth(50);
    const FaceWithPicture f(m, "small.bmp", Gradient(40, 30));
    const TPoint p = PolarPixel(m, 90, m.ScaleRadius() * 0.25);
    EXPECT_EQ(FacePixel(f.face, p.X, p.Y), clYellow);
}

TEST_F(BackgroundTest, StretchScalesThePictureOverTheFace)
{
    m.SetBkgndFillMode(bfStretch);
    const FaceWithPicture f(m, "big.bmp", Gradient(21, 29));
    // 5 times as wide and 3 times as high: blocks of 5 by 3 pixels.
    for (int y : {1, 2, 3, 44, 86})
        for (int x : {0, 4, 5, 52, 104})
            EXPECT_EQ(FacePixel(f.face, x, y), GradientColor(x / 5, y / 3)) << x << ", " << y;
}

TEST_F(BackgroundTest, WithoutAPictureTheFaceIsTheBackgroundColour)
{
    m.Paint();
    for (const auto& [x, y] : {std::pair{0, 1}, {104, 1}, {0, 86}, {104, 86}, {52, 10}})
        EXPECT_EQ(FacePixel(m, x, y), clYellow) << x << ", " << y;
}

// A named picture that holds no pixels must not stop the paint (a tile
// size of 0 would divide by zero); the face gets its background colour.
TEST_F(BackgroundTest, EmptyPictureIsPaintedAsNoPicture)
{
    m.SetBkgndFillMode(bfTile);
    const FaceWithPicture f(m, "empty.bmp", QImage());
    EXPECT_EQ(FacePixel(f.face, 10, 10), clYellow);
}

} // namespace
