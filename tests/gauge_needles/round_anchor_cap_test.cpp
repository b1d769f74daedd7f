// The round anchor cap of the layouts whose centre lies inside the dial: a
// disc in the cover colour with a white upper-left and a gray lower-right
// half rim. Checked against the same three shapes drawn on the face painted
// without the cap.
#include "meter.h"

#include <gtest/gtest.h>

namespace {

TEST(RoundAnchorCap, DiscWithWhiteUpperLeftAndGrayLowerRightRim)
{
    for (const TMeterLayout layout : {mlCirc270, mlCirc300, mlCirc360}) {
        SCOPED_TRACE(int(layout));
        TMeter m;
        m.SetMeterLayout(layout);
        m.SetAnchorSize(12);
        m.SetColorCover(0x336699);
        m.SetAnchorCovered(false);
        TBitmap expected(m.Face().Width(), m.Face().Height());
        TCanvas& c = expected.Canvas();
        c.Draw(0, 0, m.Face());

        const int cx = m.OriginX(), cy = m.OriginY(), as = 12;
        c.Pen().SetColor(0x336699);
        c.Brush().SetColor(0x336699);
        c.Ellipse(cx - as, cy - as, cx + as, cy + as);
        c.Pen().SetColor(clWhite);
        c.Arc(cx - as, cy - as, cx + as, cy + as, cx + as, cy - as, cx - as, cy + as);
        c.Pen().SetColor(0x808080);
        c.Arc(cx - as, cy - as, cx + as, cy + as, cx - as, cy + as, cx + as, cy - as);

        m.SetAnchorCovered(true);
        ASSERT_EQ(m.Face().Image(), expected.Image());
        EXPECT_EQ(m.Face().Pixel(cx, cy), TColor(0x336699)) << "the disc covers the needles' root";
        EXPECT_EQ(m.Face().Pixel(cx - as, cy), clWhite) << "left end of the rim";
        EXPECT_EQ(m.Face().Pixel(cx + as - 1, cy), TColor(0x808080)) << "right end of the rim";
    }
}

} // namespace
