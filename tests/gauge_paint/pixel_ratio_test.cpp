// The gauge on dense screens: painted on a device of ratio r > 1, the face
// is composed at r times the size, so lines and text are drawn in the
// device's pixels instead of being enlarged; at ratio 1 it is the face as
// ever. Each case renders the widget into an image of the ratio, as a
// screen of that density shows it, and saves it as a PNG beside the test
// (pixel_ratio_*.png) for a look.
#include "KeplerControls/meter.h"
#include "qt_bitmap.h"

#include <QImage>
#include <QString>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace Kepler;

namespace {

constexpr TColor NeedleInk = 0x123456; // the needle's outline, found nowhere else

// The gauge as a screen of the ratio shows it, in device pixels.
QImage Rendered(TMeter& m, double ratio)
{
    QImage image(int(std::lround(m.width() * ratio)), int(std::lround(m.height() * ratio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    m.render(&image);
    return image;
}

QImage Saved(const QImage& image, const char* name)
{
    image.save(QStringLiteral("pixel_ratio_%1.png").arg(QLatin1String(name)));
    return image;
}

// A new gauge with bands, a caption and a lit lamp: every kind of line,
// fill and text on one face.
void ShowEverything(TMeter& m)
{
    m.SetScaleBkVisible(true);
    m.SetScaleBkWidth(10);
    m.SetCaption(QStringLiteral("Spannung"));
    m.NeedleLayout().SetColorOutline(NeedleInk);
    m.SetValue(1);
}

QImage FaceImage(const TMeter& m) { return QtImage(m.Face()).copy(); }

// How many pixels of the box differ between two images of one size.
int Differing(const QImage& a, const QImage& b, const QRect& box)
{
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

// Whether every 2 by 2 block of the box, aligned at (dx, dy), is of one
// colour: what an image enlarged by pixel doubling looks like.
bool MadeOfDoubledPixels(const QImage& image, const QRect& box, int dx, int dy)
{
    for (int y = box.top() + dy; y + 1 <= box.bottom(); y += 2)
        for (int x = box.left() + dx; x + 1 <= box.right(); x += 2) {
            const QRgb c = image.pixel(x, y);
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c || image.pixel(x + 1, y + 1) != c)
                return false;
        }
    return true;
}

// The distance from (cx, cy) of the farthest pixel of colour c.
double FarthestOfColour(const QImage& image, QRgb c, double cx, double cy)
{
    double far = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == c)
                far = std::max(far, std::hypot(x + 0.5 - cx, y + 0.5 - cy));
    return far;
}

QRgb Rgb(TColor c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// At ratio 1 the face is the control's own pixels, as it always was; after
// a denser screen, coming back gives that face again, pixel for pixel.
TEST(PixelRatioTest, RatioOneIsTheFaceAsEverAlsoAfterADenserScreen)
{
    TMeter m;
    ShowEverything(m);
    m.Paint();
    const QImage before = FaceImage(m);
    ASSERT_EQ(before.size(), QSize(297, 209));
    const QImage once = Rendered(m, 1);
    EXPECT_EQ(m.FacePixelRatio(), 1);
    EXPECT_EQ(once, before) << "the face shown 1:1 at ratio 1";

    Rendered(m, 2);
    EXPECT_EQ(m.FacePixelRatio(), 2);
    const QImage back = Saved(Rendered(m, 1), "new_gauge_1x");
    EXPECT_EQ(m.FacePixelRatio(), 1);
    EXPECT_EQ(FaceImage(m), before);
    EXPECT_EQ(back, before);
}

struct RatioCase {
    double ratio;
    const char* name;
    QSize device; // round(ratio W) by round(ratio H)
};

class PixelRatioSize : public ::testing::TestWithParam<RatioCase> {};

// The face is composed at the device's size and shown one face pixel per
// device pixel; setters that follow compose at that ratio straight away.
TEST_P(PixelRatioSize, FaceIsComposedAndShownInDevicePixels)
{
    const RatioCase& c = GetParam();
    TMeter m;
    ShowEverything(m);
    const QImage shown = Saved(Rendered(m, c.ratio), c.name);
    EXPECT_EQ(m.FacePixelRatio(), c.ratio);
    ASSERT_EQ(FaceImage(m).size(), c.device);
    EXPECT_EQ(shown, FaceImage(m)) << "one face pixel per device pixel";

    m.SetValue(0);
    EXPECT_EQ(m.FacePixelRatio(), c.ratio);
    EXPECT_EQ(FaceImage(m).size(), c.device);
    EXPECT_EQ(Rendered(m, c.ratio), FaceImage(m));
}

// The needle reaches r times as far from the centre; the dial centre is
// the device pixel under the control pixel's centre.
TEST_P(PixelRatioSize, GeometryScales)
{
    const RatioCase& c = GetParam();
    TMeter m;
    ShowEverything(m);
    m.Paint();
    const double tip1 = FarthestOfColour(FaceImage(m), Rgb(NeedleInk), m.OriginX() + 0.5, m.OriginY() + 0.5);
    ASSERT_GT(tip1, 50);
    const QImage shown = Rendered(m, c.ratio);
    const double cx = std::floor((m.OriginX() + 0.5) * c.ratio) + 0.5;
    const double cy = std::floor((m.OriginY() + 0.5) * c.ratio) + 0.5;
    EXPECT_NEAR(FarthestOfColour(shown, Rgb(NeedleInk), cx, cy), tip1 * c.ratio, 2.0);
}

INSTANTIATE_TEST_SUITE_P(Ratios, PixelRatioSize,
                         ::testing::Values(RatioCase{2, "new_gauge_2x", {594, 418}},
                                           RatioCase{1.5, "new_gauge_1_5x", {446, 314}}),
                         [](const auto& info) { return std::string(info.param.name); });

// A label at ratio 2 is drawn anew in a font twice the size, not made of
// the 1x label's pixels doubled: it differs from the 1x face enlarged, and
// is made of 2 by 2 blocks in neither alignment.
TEST(PixelRatioTest, LabelTextIsDrawnAtTheDeviceResolution)
{
    TMeter m;
    ShowEverything(m);
    m.SetScaleBkVisible(false);
    m.Paint();
    const QImage doubled = Saved(FaceImage(m).scaled(594, 418), "new_gauge_1x_doubled");
    const QImage shown = Rendered(m, 2);
    // The caption, centred a third of the radius above the dial centre.
    const int cx = 2 * m.OriginX(), cy = 2 * (m.OriginY() - int(std::lround(m.ScaleRadius() / 3)));
    const QRect caption(cx - 60, cy - 14, 120, 28);
    bool inked = false;
    for (int y = caption.top(); y <= caption.bottom(); ++y)
        for (int x = caption.left(); x <= caption.right(); ++x)
            inked = inked || shown.pixel(x, y) == qRgb(0, 0, 0);
    ASSERT_TRUE(inked) << "no caption where expected";
    EXPECT_GT(Differing(shown, doubled, caption), 100);
    for (int d = 0; d < 2; ++d)
        EXPECT_FALSE(MadeOfDoubledPixels(shown, caption, d, d)) << "alignment " << d;
    // The text is as large as the enlarged one, give or take a pixel row:
    // the font is twice the size, not the same size.
    const auto inkRows = [&](const QImage& image) {
        int rows = 0;
        for (int y = caption.top(); y <= caption.bottom(); ++y) {
            bool any = false;
            for (int x = caption.left(); x <= caption.right(); ++x)
                any = any || image.pixel(x, y) == qRgb(0, 0, 0);
            rows += any;
        }
        return rows;
    };
    EXPECT_NEAR(inkRows(shown), inkRows(doubled), 3);
}

// A painting handler draws in control pixels: while one is assigned the
// face stays in them and is shown enlarged, as before.
TEST(PixelRatioTest, HandlersKeepTheFaceInControlPixels)
{
    TMeter m;
    ShowEverything(m);
    m.OnMeterRendered = [](QObject*, TCanvas& canvas) { canvas.FillRect({10, 10, 20, 20}); };
    const QImage shown = Rendered(m, 2);
    EXPECT_EQ(m.FacePixelRatio(), 1);
    EXPECT_EQ(shown, FaceImage(m).scaled(594, 418));
}

// Pictures are scaled with the face: a 40 by 30 background drawn at its
// own size in the corner covers 80 by 60 device pixels at ratio 2, each
// picture pixel a 2 by 2 block.
TEST(PixelRatioTest, PicturesScaleWithTheFace)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            picture.setPixel(x, y, qRgb(100 + x, 50 + y, (x + y) % 2 ? 200 : 30));
    const QString file = QStringLiteral("pixel_ratio_background.bmp");
    ASSERT_TRUE(picture.save(file, "BMP"));
    TMeter m;
    m.SetLimWatchLowOn(false);
    m.SetBackGroundImg(file);
    ASSERT_FALSE(m.BackGroundImg().isEmpty());
    const QImage shown = Saved(Rendered(m, 2), "background_2x");
    // Looked at where the dial leaves it open: below the top rim (8) and
    // the bevel line on the row below it, right of the side rim (10).
    for (int y = 2 * 8 + 1; y < 60; ++y)
        for (int x = 2 * 10; x < 80; ++x)
            ASSERT_EQ(shown.pixel(x, y), picture.pixel(x / 2, y / 2)) << x << ", " << y;
    EXPECT_NE(shown.pixel(80, 40), picture.pixel(39, 20)) << "the picture ends at 80";
}

} // namespace
