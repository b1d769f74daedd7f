// Label handlers on the main window's gauge.
#include "main_window_gauge.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

// An emptied label is not drawn; its tick stays.
TEST(LabelHandlerTest, EmptyingTheTextHidesTheLabel)
{
    TMeter m;
    LoadMainGaugeBody(m);
    const std::vector<SeenLabel> seen = PaintAndRecordLabels(m);
    ASSERT_EQ(seen.size(), 3u);
    const TextMetrics zero = MeasureText(m.Font(), "0.0");
    const TRect box{seen[1].chartX, seen[1].chartY, seen[1].chartX + zero.width, seen[1].chartY + zero.height};
    const TColor ink = ColorToRGB(m.Font().Color());
    ASSERT_TRUE(BoxHasColor(m, box, ink));

    m.OnBeforeDrawScaleLabel = [](QObject*, TCanvas&, QString& text, int, int) {
        if (text == "0.0")
            text.clear();
    };
    m.Paint();
    EXPECT_FALSE(BoxHasColor(m, box, ink));
    for (int y = 20; y <= 27; ++y)
        EXPECT_EQ(FacePixel(m, 52, y), clNavy) << "tick row " << y;
    const TRect right{seen[2].chartX, seen[2].chartY, seen[2].chartX + zero.width, seen[2].chartY + zero.height};
    EXPECT_TRUE(BoxHasColor(m, right, ink));
}

// A replacement text is centred on the same point as the original.
TEST(LabelHandlerTest, ReplacedTextIsCentredOnTheSamePoint)
{
    TMeter m;
    LoadMainGaugeBody(m);
    m.SetScaleVisible(true);
    m.OnBeforeDrawScaleLabel = [&m](QObject* sender, TCanvas& canvas, QString& text, int x, int y) {
        EXPECT_EQ(sender, &m);
        if (text != "0.0")
            return;
        // Wipe the label's own box, so only the replacement's ink remains.
        const int w = canvas.TextWidth(text.toStdString());
        canvas.Brush().SetColor(clWhite);
        canvas.FillRect({x, y, x + w, y + canvas.TextHeight(text.toStdString())});
        canvas.Brush().SetStyle(bsClear);
        text = "-0.000";
    };
    m.Paint();
    const TextMetrics zero = MeasureText(m.Font(), "0.0");
    const TextMetrics wide = MeasureText(m.Font(), "-0.000");
    ASSERT_GT(wide.width, zero.width + 8);
    // The wider text reaches past both sides of the original's box.
    const int centreX = 52; // the 90 degree label is centred on the centre column
    const TColor ink = ColorToRGB(m.Font().Color());
    EXPECT_TRUE(BoxHasColor(m, {centreX - wide.width / 2, 30, centreX - zero.width / 2, 50}, ink));
    EXPECT_TRUE(BoxHasColor(m, {centreX + zero.width / 2 + 1, 30, centreX + wide.width / 2, 50}, ink));
}

} // namespace
