// A pixel picture on screens of other densities: whole-number ratios repeat
// pixels exactly, fractional ones keep one-pixel lines sharp.
#include "pixel_image.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace Kepler;

namespace {

// White, with a one-pixel black column at x 7 and a red pixel at (3, 2).
QImage Sample()
{
    QImage image(16, 12, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < image.height(); ++y)
        image.setPixel(7, y, qRgb(0, 0, 0));
    image.setPixel(3, 2, qRgb(255, 0, 0));
    return image;
}

// What a widget of the picture's size shows on a screen of the given ratio.
QImage Shown(const QImage& picture, double ratio, const QRect& region)
{
    QImage screen(QSize(qRound(picture.width() * ratio), qRound(picture.height() * ratio)),
                  QImage::Format_RGB32);
    screen.fill(Qt::blue);
    screen.setDevicePixelRatio(ratio);
    QPainter p(&screen);
    DrawPixelImage(p, picture, region);
    p.end();
    screen.setDevicePixelRatio(1);
    return screen;
}

TEST(PixelImageTest, WholeNumberRatiosRepeatEveryPixel)
{
    const QImage picture = Sample();
    for (int k : {1, 2, 3}) {
        SCOPED_TRACE(k);
        const QImage screen = Shown(picture, k, picture.rect());
        ASSERT_EQ(screen.size(), picture.size() * k);
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                ASSERT_EQ(screen.pixel(x, y), picture.pixel(x / k, y / k)) << x << "," << y;
    }
}

TEST(PixelImageTest, OnlyTheRegionIsDrawn)
{
    const QImage picture = Sample();
    const QImage screen = Shown(picture, 2, QRect(0, 0, 8, 12));
    EXPECT_EQ(screen.pixel(15, 0), qRgb(0, 0, 0));  // inside: the black column
    EXPECT_EQ(screen.pixel(16, 0), qRgb(0, 0, 255)); // outside: untouched
}

TEST(PixelImageTest, FractionalRatiosKeepLinesSharpAndAreasExact)
{
    const QImage picture = Sample();
    for (double ratio : {1.25, 1.5, 1.75}) {
        SCOPED_TRACE(ratio);
        const QImage screen = Shown(picture, ratio, picture.rect());
        for (int y = 0; y < screen.height(); ++y) {
            int black = 0;
            int grey = 0;
            for (int x = 0; x < screen.width(); ++x) {
                const QRgb c = screen.pixel(x, y);
                if (c == qRgb(0, 0, 0))
                    ++black;
                else if (qRed(c) == qGreen(c) && qRed(c) != 255)
                    ++grey;
            }
            // The line stays solid black, blended over at most one pixel
            // on each side.
            EXPECT_GE(black, 1) << "row " << y;
            EXPECT_LE(grey, 2) << "row " << y;
        }
        // Areas away from any edge keep their colour exactly.
        EXPECT_EQ(screen.pixel(1, screen.height() - 2), qRgb(255, 255, 255));
        EXPECT_EQ(screen.pixel(screen.width() - 2, 1), qRgb(255, 255, 255));
        EXPECT_EQ(screen.size(), ScalePixelImage(picture, ratio).size());
    }
}

} // namespace
