// The round anchor cap of the layouts whose centre lies inside the dial: a
// disc in the cover colour with a white upper-left and a gray lower-right
// half rim, and nothing changed beyond it.
#include "KeplerControls/meter.h"
#include "qt_bitmap.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Kepler;

namespace {

TEST(RoundAnchorCap, DiscWithWhiteUpperLeftAndGrayLowerRightRim)
{
    constexpr TColor cover = 0x336699;
    constexpr TColor gray = 0x808080;
    constexpr int as = 12;
    for (const TMeterLayout layout : {mlCirc270, mlCirc300, mlCirc360}) {
        SCOPED_TRACE(int(layout));
        TMeter m;
        m.SetMeterLayout(layout);
        m.SetAnchorSize(as);
        m.SetColorCover(cover);
        m.SetColorBakG(0xC0FFC0); // the white half rim shows on it
        m.SetAnchorCovered(false);
        const QImage without = QtImage(m.Face()).copy();
        m.SetAnchorCovered(true);

        // The box is (cx - as, cy - as) to (cx + as, cy + as), exclusive at
        // the right and bottom: its pixel centres lie around (cx - 0.5, cy - 0.5).
        const int cx = m.OriginX(), cy = m.OriginY();
        int white = 0, grays = 0;
        for (int y = cy - as - 3; y < cy + as + 3; ++y)
            for (int x = cx - as - 3; x < cx + as + 3; ++x) {
                const double u = x - (cx - 0.5), v = (cy - 0.5) - y; // v upward
                const double r = std::hypot(u, v);
                const TColor c = m.Face().Pixel(x, y);
                if (r < as - 2) {
                    ASSERT_EQ(c, cover) << x << "," << y << " inside the disc";
                } else if (r > as + 1) {
                    ASSERT_EQ(QRgb(QtImage(m.Face()).pixel(x, y)), QRgb(without.pixel(x, y)))
                        << x << "," << y << " beyond the cap";
                } else if (QRgb(QtImage(m.Face()).pixel(x, y)) == QRgb(without.pixel(x, y))) {
                    continue; // the face's own colour where the rim passes by
                } else if (c == clWhite) {
                    ++white;
                    EXPECT_GE(v, u - 1.5) << x << "," << y << " white belongs to the upper left";
                } else if (c == gray) {
                    ++grays;
                    EXPECT_LE(v, u + 1.5) << x << "," << y << " gray belongs to the lower right";
                }
            }
        // Each half rim runs about half round the circle.
        EXPECT_GT(white, 25);
        EXPECT_GT(grays, 25);
        EXPECT_EQ(m.Face().Pixel(cx - as, cy), clWhite) << "left end of the rim";
        EXPECT_EQ(m.Face().Pixel(cx + as - 1, cy), gray) << "right end of the rim";
    }
}

} // namespace
