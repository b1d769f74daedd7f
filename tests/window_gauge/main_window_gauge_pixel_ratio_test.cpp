// The main window's gauge on dense screens: at ratio 2 (and 1.5) its face
// is composed in the screen's pixels, its labels drawn anew in a font of
// the screen's size; at ratio 1 it is the face of the window as ever. The
// faces are saved beside the test (main_gauge_*.png) for a look.
#include "main_window_gauge.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>

using namespace Kepler;

namespace {

QImage Rendered(TMeter& m, double ratio, const char* name)
{
    QImage image(int(std::lround(m.width() * ratio)), int(std::lround(m.height() * ratio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    m.render(&image);
    image.save(QStringLiteral("main_gauge_%1.png").arg(QLatin1String(name)));
    return image;
}

// Whether any pixel of the box has the colour.
bool Inked(const QImage& image, const QRect& box, QRgb c)
{
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (image.pixel(x, y) == c)
                return true;
    return false;
}

// The three labels, centred as at 1x but in device pixels, and not the
// 1x face's pixels doubled; the needle's tip at value 1, (84, 37) at 1x,
// lies near (169, 75).
TEST(MainGaugePixelRatioTest, LabelsAndNeedleAtRatioTwo)
{
    TMeter m;
    LoadMainWindowGauge(m);
    m.SetValue(1);
    const QImage one = Rendered(m, 1, "1x");
    ASSERT_EQ(m.FacePixelRatio(), 1);
    const QImage doubled = one.scaled(210, 174);
    doubled.save(QStringLiteral("main_gauge_1x_doubled.png"));
    const QImage two = Rendered(m, 2, "2x");
    ASSERT_EQ(m.FacePixelRatio(), 2);
    ASSERT_EQ(two.size(), QSize(210, 174));

    const QRgb ink = qRgb(0, 0, 0);
    // "0.0" sits above the dial centre, below the 90° tick (rows 20 to 27).
    const QRect zero(2 * 40, 2 * 28, 2 * 25, 2 * 16);
    ASSERT_TRUE(Inked(two, zero, ink));
    int differ = 0;
    for (int y = zero.top(); y <= zero.bottom(); ++y)
        for (int x = zero.left(); x <= zero.right(); ++x)
            differ += two.pixel(x, y) != doubled.pixel(x, y);
    EXPECT_GT(differ, 20) << "the label is the 1x label doubled";

    // The needle (black outline) reaches to about twice its 1x tip.
    bool nearTip = false;
    for (int y = 73; y <= 77; ++y)
        for (int x = 167; x <= 171; ++x)
            nearTip = nearTip || two.pixel(x, y) == ink;
    EXPECT_TRUE(nearTip);
    // Nothing of it beyond.
    EXPECT_FALSE(Inked(two, QRect(173, 60, 10, 10), ink));
}

// At 1.5 the face is 158 by 131 and shown one face pixel per device pixel;
// back at ratio 1 it is the window's face to the pixel.
TEST(MainGaugePixelRatioTest, OneAndAHalfAndBack)
{
    TMeter m;
    LoadMainWindowGauge(m);
    m.Paint();
    const TBitmap& face = m.Face();
    QImage before(face.Width(), face.Height(), QImage::Format_RGB32);
    for (int y = 0; y < face.Height(); ++y)
        for (int x = 0; x < face.Width(); ++x) {
            const TColor c = face.Pixel(x, y);
            before.setPixel(x, y, qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
        }
    const QImage half = Rendered(m, 1.5, "1_5x");
    EXPECT_EQ(m.FacePixelRatio(), 1.5);
    EXPECT_EQ(half.size(), QSize(158, 131));
    EXPECT_EQ(QSize(m.Face().Width(), m.Face().Height()), QSize(158, 131));
    EXPECT_EQ(Rendered(m, 1, "back_to_1x"), before);
}

} // namespace
