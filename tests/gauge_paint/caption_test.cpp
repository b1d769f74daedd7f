// The caption: centred one third of the radius above the dial centre, in
// FontCaption with a clear background, and its font left on the canvas for
// the needle step.
#include "KeplerControls/meter.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

constexpr TColor kInk = 0x214365;

// The smallest rectangle holding every pixel in ink.
QRect InkBox(const TBitmap& b)
{
    QRect box;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Pixel(x, y) == kInk)
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST(Caption, CentredAThirdOfTheRadiusAboveTheCentre)
{
    TMeter m;
    m.SetLimWatchHighOn(false);
    m.SetLimWatchLowOn(false);
    m.OnBeforeDrawNeedle = [](QObject*, TCanvas&, bool& drawn) { drawn = true; };
    TFont font = m.FontCaption();
    font.SetHeight(-16);
    font.SetColor(kInk);
    m.SetFontCaption(font);
    const QString text = QStringLiteral("Volt");
    m.SetCaption(text);

    // The same text alone, drawn at the top-left corner of a bitmap.
    TBitmap alone(200, 100);
    TCanvas& c = alone.Canvas();
    c.SetFont(font);
    c.Brush().SetStyle(bsClear);
    c.TextOut(0, 0, text.toStdString());
    const QRect ink = InkBox(alone);
    const QRect onFace = InkBox(m.Face());
    ASSERT_GT(ink.width(), 20);
    ASSERT_EQ(onFace.size(), ink.size());

    // Where the caption's text cell lies on the face, and the same letters
    // pixel for pixel, with the background around them left as it was.
    const QPoint cell = onFace.topLeft() - ink.topLeft();
    for (int y = 0; y < ink.height(); ++y)
        for (int x = 0; x < ink.width(); ++x)
            ASSERT_EQ(m.Face().Pixel(cell.x() + ink.x() + x, cell.y() + ink.y() + y) == kInk,
                      alone.Pixel(ink.x() + x, ink.y() + y) == kInk)
                << x << ", " << y;
    EXPECT_NE(m.Face().Pixel(cell.x(), cell.y()), kInk) << "the background around the letters stays";

    // Centred on the dial's vertical, a third of the radius above the centre.
    const double midX = cell.x() + c.TextWidth(text.toStdString()) / 2.0;
    const double midY = cell.y() + c.TextHeight(text.toStdString()) / 2.0;
    EXPECT_NEAR(midX, m.OriginX(), 1);
    EXPECT_NEAR(midY, m.OriginY() - m.ScaleRadius() / 3, 1);
}

TEST(Caption, ItsFontStaysForTheNeedleStep)
{
    TMeter m;
    TFont font = m.FontCaption();
    font.SetName("Courier New");
    font.SetHeight(-19);
    font.SetColor(kInk);
    m.SetFontCaption(font);
    bool same = false;
    m.OnBeforeDrawNeedle = [&](QObject*, TCanvas& canvas, bool&) { same = canvas.Font().SameAs(font); };
    m.SetCaption(QString()); // an empty caption draws nothing but sets the font
    EXPECT_TRUE(same);
}

} // namespace
