// The gauge in Qt layouts, and sizes given to a hidden gauge through QWidget.
#include "meter_test_support.h"

#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

using namespace Kepler;

namespace {

TEST(QtLayoutTest, GaugeOffersItsDesignedSize)
{
    TMeter m;
    EXPECT_EQ(m.sizeHint(), QSize(297, 209));
    EXPECT_TRUE(m.minimumSizeHint().isValid());
    EXPECT_LE(m.minimumSizeHint().width(), 297);
    EXPECT_LE(m.minimumSizeHint().height(), 209);
    // A dial still fits at the least size a layout may give.
    m.resize(m.minimumSizeHint());
    EXPECT_GT(m.ScaleRadius(), 0);
}

TEST(QtLayoutTest, GaugeInAVerticalLayoutShowsAtOnceWithItsDial)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* m = new TMeter;
    layout->addWidget(m);
    window.show();

    EXPECT_GE(m->width(), m->minimumSizeHint().width());
    EXPECT_GE(m->height(), m->minimumSizeHint().height());
    // The dial is the one SetBounds gives for the size the layout chose.
    TMeter reference;
    reference.SetBounds(0, 0, m->width(), m->height());
    EXPECT_GT(m->ScaleRadius(), 0);
    EXPECT_DOUBLE_EQ(m->ScaleRadius(), reference.ScaleRadius());
    EXPECT_EQ(m->OriginX(), reference.OriginX());
    EXPECT_EQ(m->OriginY(), reference.OriginY());
}

struct HiddenResizeCase {
    TMeterLayout layout;
    int sweep;
    double radius;
    int cx, cy;
};

void PrintTo(const HiddenResizeCase& c, std::ostream* os)
{
    *os << "layout " << int(c.layout);
}

// 400 by 300 with the default rims (top 8, bottom 10, side 10).
const HiddenResizeCase kHiddenResizeCases[] = {
    {mlCirc90, 90, 257.348, 200, 282},
    {mlCirc180, 180, 182, 200, 282},
    {mlCirc360, 360, 133, 200, 149},
};

class HiddenResizeTest : public ::testing::TestWithParam<HiddenResizeCase> {};

TEST_P(HiddenResizeTest, QWidgetResizeOfAHiddenGaugeTakesEffectAtOnce)
{
    const HiddenResizeCase& c = GetParam();
    TMeter m;
    m.SetMeterLayout(c.layout);
    ASSERT_FALSE(m.isVisible());
    m.resize(400, 300);
    EXPECT_EQ(m.MeterAngle(), c.sweep);
    EXPECT_NEAR(m.ScaleRadius(), c.radius, 1e-9);
    EXPECT_EQ(m.OriginX(), c.cx);
    EXPECT_EQ(m.OriginY(), c.cy);
    // The face a setter composes in between has the new size too.
    m.SetValue(0.5);
    EXPECT_EQ(m.Face().Width(), 400);
    EXPECT_EQ(m.Face().Height(), 300);
    // Showing later keeps that geometry.
    m.show();
    EXPECT_NEAR(m.ScaleRadius(), c.radius, 1e-9);
    EXPECT_EQ(m.OriginY(), c.cy);
}

INSTANTIATE_TEST_SUITE_P(Layouts, HiddenResizeTest, ::testing::ValuesIn(kHiddenResizeCases));

TEST(QtLayoutTest, RimsSetAfterAHiddenResizeDoNotMoveTheDial)
{
    // As with SetBounds: the size is laid out with the rims of its moment.
    TMeter m;
    m.resize(400, 300);
    m.SetRimTop(40);
    EXPECT_NEAR(m.ScaleRadius(), 257.348, 1e-9);
    EXPECT_EQ(m.OriginY(), 282);
}

TEST(QtLayoutTest, PixelMappingsUseAHiddenResize)
{
    TMeter m;
    m.resize(400, 300);
    int x = 0, y = 0;
    m.ConvertToPixelCoords(m.MeterMinValue(), 0, x, y);
    EXPECT_EQ(x, 200);
    EXPECT_EQ(y, 282);
}

} // namespace
