// The face composer as the widget uses it: a default set of settings is a
// new gauge's. The composer's own rules are tested without Qt in
// tests/gauge_face.
#include "KeplerControls/meter.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

// A default set of settings is a new gauge's: it composes the new gauge's face.
TEST(FaceComposerTest, DefaultSettingsAreANewGauges)
{
    TMeter m;
    m.Paint();
    TMeterFaceComposer composer;
    TBitmap face;
    ASSERT_TRUE(composer.Compose(297, 209, TMeterSettings(), TMeterValues(), TMeterFaceEvents(), face));
    ASSERT_EQ(face.Width(), m.Face().Width());
    ASSERT_EQ(face.Height(), m.Face().Height());
    int differ = 0;
    for (int y = 0; y < face.Height(); ++y)
        for (int x = 0; x < face.Width(); ++x)
            differ += face.Pixel(x, y) != m.Face().Pixel(x, y);
    EXPECT_EQ(differ, 0);
}

} // namespace
