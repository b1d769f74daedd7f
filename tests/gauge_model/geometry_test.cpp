// Dial geometry for every layout, and the mappings between values, angles
// and pixels.
#include "meter_test_support.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <limits>

using namespace Kepler;

namespace {

struct GeometryCase {
    TMeterLayout layout;
    int top, bottom, side;
    int sweep;
    double radius;
    int cx, cy;
};

// A failing case is named, not dumped as bytes.
void PrintTo(const GeometryCase& c, std::ostream* os)
{
    *os << "layout " << int(c.layout) << ", rims top " << c.top << " bottom " << c.bottom << " side "
           << c.side;
}

// 297 by 209, the size of a new gauge.
const GeometryCase kGeometryCases[] = {
    // Rims 0, as during construction.
    {mlCirc90, 0, 0, 0, 90, 193, 148, 201},
    {mlCirc120, 0, 0, 0, 120, 162.23535, 148, 201},
    {mlCirc180, 0, 0, 0, 180, 140, 148, 201},
    {mlCirc270, 0, 0, 0, 270, 113.05723156, 148, 121},
    {mlCirc300, 0, 0, 0, 300, 103.42979636, 148, 111},
    {mlCirc360, 0, 0, 0, 360, 96.5, 148, 104},
    // The default rims.
    {mlCirc90, 8, 10, 10, 90, 175, 148, 191},
    {mlCirc120, 8, 10, 10, 120, 150.68835, 148, 191},
    {mlCirc180, 8, 10, 10, 180, 130, 148, 191},
    {mlCirc270, 8, 10, 10, 270, 102.51303380, 148, 119},
    {mlCirc300, 8, 10, 10, 300, 93.78349411, 148, 110},
    {mlCirc360, 8, 10, 10, 360, 87.5, 148, 104},
    // 104.5 rounds to the even neighbour.
    {mlCirc360, 9, 9, 10, 360, 87.5, 148, 104},
};

class GeometryTest : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(GeometryTest, SetBoundsComputesSweepRadiusAndCentre)
{
    const GeometryCase& c = GetParam();
    TMeter m;
    m.SetRimTop(c.top);
    m.SetRimBottom(c.bottom);
    m.SetRimSide(c.side);
    m.SetMeterLayout(c.layout);
    m.SetBounds(10, 20, 297, 209);
    EXPECT_EQ(m.MeterAngle(), c.sweep);
    EXPECT_NEAR(m.ScaleRadius(), c.radius, 5e-9);
    EXPECT_EQ(m.OriginX(), c.cx);
    EXPECT_EQ(m.OriginY(), c.cy);
}

INSTANTIATE_TEST_SUITE_P(Layouts, GeometryTest, ::testing::ValuesIn(kGeometryCases));

TEST(GeometryTest, NewGaugeIsComputedWithRimsZero)
{
    TMeter m;
    EXPECT_EQ(m.MeterAngle(), 90);
    EXPECT_EQ(m.ScaleRadius(), 193);
    EXPECT_EQ(m.OriginX(), 148);
    EXPECT_EQ(m.OriginY(), 201);
}

TEST(GeometryTest, RimsApplyOnlyAtTheNextSetBoundsOrLayoutChange)
{
    TMeter m;
    m.SetBounds(0, 0, 297, 209);
    const int before = PaintCount(m);
    m.SetRimTop(20);
    EXPECT_EQ(PaintCount(m) - before, 1);
    EXPECT_EQ(m.ScaleRadius(), 175);

    m.SetMeterLayout(mlCirc360); // A = 163 now
    EXPECT_EQ(m.ScaleRadius(), 81.5);
    EXPECT_EQ(m.OriginY(), 110); // 109.5 to even

    m.SetRimTop(8);
    m.SetLeft(5); // a pure move recomputes too
    EXPECT_EQ(m.ScaleRadius(), 87.5);
    EXPECT_EQ(m.OriginY(), 104);
}

TEST(GeometryTest, TooSmallGaugeGetsNoDialAndPaintsNothing)
{
    TMeter m;
    m.SetBounds(0, 0, 40, 30);
    EXPECT_LE(m.ScaleRadius(), 0);
    int rendered = 0;
    m.OnMeterRendered = [&](QObject*, TCanvas&) { ++rendered; };
    m.SetCaption(QStringLiteral("x"));
    EXPECT_EQ(rendered, 0);
    EXPECT_TRUE(m.Face().Empty());
}

TEST(NeedleAngleTest, ClampsAndMapsLinearAndLogarithmicScales)
{
    TMeter m;
    m.SetMeterMinValue(-1);
    struct Case {
        double value, angle;
    };
    for (const Case& c : {Case{-1, 135}, Case{0, 180}, Case{1, 225}, Case{7, 225}, Case{-9, 135}, Case{0.5, 202.5}})
        EXPECT_DOUBLE_EQ(m.CalcNeedleAngle(c.value), c.angle) << c.value;

    m.SetMeterMaxValue(100);
    m.SetMeterMinValue(1);
    m.SetLogarithmic(true);
    m.SetMeterLayout(mlCirc270);
    for (const Case& c : {Case{1, 45}, Case{10, 180}, Case{100, 315}, Case{0.5, 45}})
        EXPECT_NEAR(m.CalcNeedleAngle(c.value), c.angle, 1e-12) << c.value;
}

TEST(PixelCoordsTest, MapsValuesToPointsAroundTheCentre)
{
    TMeter m; // R 193, centre (148, 201), 0..1 over 90 degrees
    struct Case {
        double value, pct;
        int x, y;
    };
    const Case cases[] = {
        {0, 100, 12, 65},    // R / sqrt 2 left of and above the centre
        {1, 100, 284, 65},   // the same to the right
        {0.5, 50, 148, 104}, // 104.5 rounds to even
        {0.3, 0, 148, 201},  // the centre
        {-5, 100, 12, 65},   // clamped to the minimum
        {0.5, 110, 148, -11},
    };
    for (const Case& c : cases) {
        int x = 0, y = 0;
        m.ConvertToPixelCoords(c.value, c.pct, x, y);
        EXPECT_EQ(x, c.x) << c.value << " at " << c.pct;
        EXPECT_EQ(y, c.y) << c.value << " at " << c.pct;
    }
}

struct PixelValueCase {
    const char* name;
    TMeterLayout layout;
    double min, max;
    bool logarithmic;
    int dx, dy; // from the centre
    bool within;
    double value;
};

// A failing case is named, not dumped as bytes.
void PrintTo(const PixelValueCase& c, std::ostream* os) { *os << c.name; }

const PixelValueCase kPixelValueCases[] = {
    {"centre is mid scale", mlCirc90, 0, 1, false, 0, 0, true, 0.5},
    {"straight above is mid scale", mlCirc90, -1, 1, false, 0, -50, true, 0},
    {"far outside the dial still counts", mlCirc90, -1, 1, false, 0, -5000, true, 0},
    {"level on the left lies outside 90", mlCirc90, 0, 1, false, -30, 0, false, 0},
    {"level on the right lies outside 90", mlCirc90, 0, 1, false, 30, 0, false, 0},
    {"level on the left is the minimum of 180", mlCirc180, 0, 1, false, -30, 0, true, 0},
    // Exactly on the end ray (d = 270 = 180 + 180 / 2): both ends are inside.
    {"level on the right is the maximum of 180", mlCirc180, 0, 1, false, 30, 0, true, 1},
    {"below the centre is the minimum of 360", mlCirc360, 2, 6, false, 0, 40, true, 2},
    {"left of the centre is a quarter of 360", mlCirc360, 2, 6, false, -40, 0, true, 3},
    {"below the centre is outside 300", mlCirc300, 0, 1, false, 0, 40, false, 0},
    {"logarithmic 1 to 100 mid scale is 10", mlCirc90, 1, 100, true, 0, -20, true, 10},
};

class PixelValueTest : public ::testing::TestWithParam<PixelValueCase> {};

TEST_P(PixelValueTest, MapsPointerPositionsToValues)
{
    const PixelValueCase& c = GetParam();
    TMeter m;
    m.SetMeterMaxValue(c.max);
    m.SetMeterMinValue(c.min);
    m.SetLogarithmic(c.logarithmic);
    m.SetMeterLayout(c.layout);
    double v = -123;
    EXPECT_EQ(m.ConvertPixelToValue(m.OriginX() + c.dx, m.OriginY() + c.dy, v), c.within);
    EXPECT_NEAR(v, c.value, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Points, PixelValueTest, ::testing::ValuesIn(kPixelValueCases),
                         [](const auto& info) { return CaseName(info.param.name); });

} // namespace

// Positions and sizes anywhere in the 32-bit range reach Qt within its
// widget limit (2^24 - 1), where its edge sums cannot overflow; the dial is
// computed for the size Qt then holds. Runs under the sanitizers too.
TEST(GeometryTest, SetBoundsAtThirtyTwoBitPositionsStaysWithinQtsLimits)
{
    constexpr int Max = std::numeric_limits<int>::max();
    constexpr int Min = std::numeric_limits<int>::min();
    constexpr int Limit = (1 << 24) - 1;
    struct Case {
        const char* Name;
        int Left, Top, Width, Height;
        bool Shown; // on a shown window (only sizes that can be painted)
        QRect Expected;
    };
    const Case cases[] = {
        {"largest position", Max, Max, 297, 209, true, {Limit, Limit, 297, 209}},
        {"smallest position", Min, Min, 297, 209, true, {-Limit, -Limit, 297, 209}},
        {"just past the limit", Limit + 1, -Limit - 1, 297, 209, true, {Limit, -Limit, 297, 209}},
        {"ordinary place", 12, -34, 297, 209, true, {12, -34, 297, 209}},
        {"largest size", Max, Max, Max, Max, false, {Limit, Limit, Limit, Limit}},
        {"smallest size", Min, Max, Min, Min, false, {-Limit, Limit, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        QWidget window;
        window.resize(400, 300);
        auto* m = new TMeter(&window);
        if (c.Shown) {
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        }
        m->SetBounds(c.Left, c.Top, c.Width, c.Height);
        EXPECT_EQ(m->geometry(), c.Expected);
        EXPECT_EQ(m->OriginX(), c.Expected.width() / 2);
        if (c.Shown) {
            m->SetLeft(c.Left); // a move through the other setters as well
            m->SetTop(c.Top);
            EXPECT_EQ(m->geometry(), c.Expected);
            m->repaint();
        }
    }
}
