// The caption: centred one third of the radius above the dial centre, in
// FontCaption with a clear background, and its font left on the canvas for
// the needle step.
#include "meter.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor kInk = 0x214365;

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

    // The text alone, drawn where the caption belongs.
    TBitmap expected(m.Face().Width(), m.Face().Height());
    TCanvas& c = expected.Canvas();
    c.SetFont(font);
    c.Brush().SetStyle(bsClear);
    const int x = m.OriginX() - c.TextWidth(text) / 2;
    const int y = m.OriginY() - RoundHalfEven(m.ScaleRadius() / 3) - c.TextHeight(text) / 2;
    c.TextOut(x, y, text);

    int inked = 0;
    for (int py = 0; py < expected.Height(); ++py)
        for (int px = 0; px < expected.Width(); ++px) {
            const bool want = expected.Pixel(px, py) == kInk;
            inked += want;
            ASSERT_EQ(m.Face().Pixel(px, py) == kInk, want) << px << ", " << py;
        }
    EXPECT_GT(inked, 20);
    EXPECT_NE(m.Face().Pixel(x, y), kInk) << "the background around the letters stays";
}

TEST(Caption, ItsFontStaysForTheNeedleStep)
{
    TMeter m;
    TFont font = m.FontCaption();
    font.SetName(QStringLiteral("Courier New"));
    font.SetHeight(-19);
    font.SetColor(kInk);
    m.SetFontCaption(font);
    bool same = false;
    m.OnBeforeDrawNeedle = [&](QObject*, TCanvas& canvas, bool&) { same = canvas.Font().SameAs(font); };
    m.SetCaption(QString()); // an empty caption draws nothing but sets the font
    EXPECT_TRUE(same);
}

} // namespace
