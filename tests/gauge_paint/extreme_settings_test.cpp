// Settings that accept any integer, taken to the ends of the 32-bit range:
// painting forms its sums wide and saturated, so nothing overflows (the
// sanitizer build checks that) and what lies far outside stays outside
// instead of wrapping round onto the face.
#include "paint_test_support.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Kepler;

namespace {

constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();
const int kExtremes[] = {kMin, kMin + 1, -1000000, 1000000, kMax - 1, kMax};

// Every layout, every extreme of every integer setting that painting adds
// to or subtracts from, with and without the anchor cap and a shadow.
TEST(ExtremeSettings, PaintWithoutOverflow)
{
    for (int layout = mlCirc90; layout <= mlCirc360; ++layout)
        for (int v : kExtremes) {
            SCOPED_TRACE(testing::Message() << "layout " << layout << ", value " << v);
            const std::function<void(TMeter&)> settings[] = {
                [v](TMeter& m) { m.SetAnchorSize(v); },
                [v](TMeter& m) { m.SetRimTop(v); },
                [v](TMeter& m) { m.SetRimSide(v); },
                [v](TMeter& m) { m.SetRimBottom(v); },
                [v](TMeter& m) { m.NeedleLayout().SetShadowDx(v); },
                [v](TMeter& m) { m.NeedleLayout().SetShadowDy(v); },
                [v](TMeter& m) {
                    m.NeedleLayout().SetShadowDx(v);
                    m.NeedleLayout().SetShadowDy(v);
                    m.SetAnchorSize(v);
                    m.SetRimTop(v);
                    m.SetRimSide(v);
                    m.SetRimBottom(v);
                },
            };
            for (const auto& apply : settings) {
                TMeter m;
                m.SetMeterLayout(TMeterLayout(layout));
                m.SetCaption(QStringLiteral("Caption"));
                m.SetScaleBkVisible(true);
                apply(m);
                m.SetBounds(0, 0, 297, 209); // the geometry with the new rims
                m.Paint();
                EXPECT_EQ(m.Face().Width(), 297);
            }
        }
}

// A side or bottom rim far below zero reaches outward, off the face: it must
// not wrap round and cover the dial.
TEST(ExtremeSettings, NegativeRimsStayOffTheFace)
{
    for (int v : {kMin, kMin + 1}) {
        TMeter side;
        side.SetRimSide(v);
        EXPECT_NE(FacePixel(side, 148, 150), ColorToRGB(side.ColorCover())) << "side rim " << v;
        TMeter bottom;
        bottom.SetRimBottom(v);
        EXPECT_NE(FacePixel(bottom, 148, 150), ColorToRGB(bottom.ColorCover())) << "bottom rim " << v;
    }
}

// An anchor cap far larger than the face covers all of the dial, whichever
// its sign (a box's corners may come in either order).
TEST(ExtremeSettings, HugeAnchorCoversTheDial)
{
    for (int layout : {mlCirc90, mlCirc360})
        for (int v : {kMin, kMin + 1, kMax - 1, kMax}) {
            TMeter m;
            m.SetMeterLayout(TMeterLayout(layout));
            m.SetAnchorSize(v);
            EXPECT_EQ(FacePixel(m, 148, 150), ColorToRGB(m.ColorCover())) << "layout " << layout << ", anchor " << v;
        }
}

} // namespace
