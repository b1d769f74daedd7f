// The gauge's enumeration properties take their members only: a number
// that is none of them, written through the property system (as a form,
// Designer or a script may) or through the setter, leaves the property, the
// geometry and the face as they were.
#include "meter_test_support.h"

#include <QMetaEnum>
#include <QMetaProperty>
#include <gtest/gtest.h>

using namespace Kepler;

namespace {

struct EnumCase {
    const char* Property;
    int Member; // a member other than the default, accepted
    std::vector<int> NoMembers;
    std::function<void(TMeter&, int)> Set; // through the setter
};

void PrintTo(const EnumCase& c, std::ostream* os)
{
    *os << c.Property;
}

const EnumCase kEnumCases[] = {
    {"MeterLayout", mlCirc270, {99, 6, -1, 1 << 30},
     [](TMeter& m, int v) { m.SetMeterLayout(TMeterLayout(v)); }},
    {"FrameStyle", fsEngraved, {42, 6, -1}, [](TMeter& m, int v) { m.SetFrameStyle(TFrameStyle(v)); }},
    {"BkgndFillMode", bfTile, {7, 3, -1}, [](TMeter& m, int v) { m.SetBkgndFillMode(TBkgFill(v)); }},
    {"ColorScheme", csSystem, {5, 2, -1}, [](TMeter& m, int v) { m.SetColorScheme(TColorScheme(v)); }},
    {"Align", alClient, {9, 7, -1}, [](TMeter& m, int v) { m.SetAlign(TAlign(v)); }},
    {"DragKind", dkDock, {3, 2, -1}, [](TMeter& m, int v) { m.SetDragKind(TDragKind(v)); }},
    {"DragMode", dmAutomatic, {4, 2, -1}, [](TMeter& m, int v) { m.SetDragMode(TDragMode(v)); }},
};

class GaugeEnumPropertyTest : public ::testing::TestWithParam<EnumCase> {};

TEST_P(GaugeEnumPropertyTest, NumbersThatAreNoMemberAreRefused)
{
    const EnumCase& c = GetParam();
    TMeter m;
    m.SetMeterMaxValue(100);
    const int before = m.property(c.Property).toInt();
    const double radius = m.ScaleRadius();
    const int originY = m.OriginY();
    const int paints = PaintCount(m);
    for (int v : c.NoMembers) {
        SCOPED_TRACE(v);
        m.setProperty(c.Property, v);
        EXPECT_EQ(m.property(c.Property).toInt(), before);
        c.Set(m, v);
        EXPECT_EQ(m.property(c.Property).toInt(), before);
        // By name, a name that is no member is refused by Qt itself.
        EXPECT_FALSE(m.setProperty(c.Property, QStringLiteral("xxNoMember")));
    }
    EXPECT_EQ(m.ScaleRadius(), radius);
    EXPECT_EQ(m.OriginY(), originY);
    EXPECT_EQ(PaintCount(m), paints);

    // A member is taken, by number as by name.
    EXPECT_TRUE(m.setProperty(c.Property, c.Member));
    EXPECT_EQ(m.property(c.Property).toInt(), c.Member);
    const QMetaEnum e = m.metaObject()->property(m.metaObject()->indexOfProperty(c.Property)).enumerator();
    ASSERT_TRUE(e.isValid());
    EXPECT_TRUE(m.setProperty(c.Property, QString::fromLatin1(e.valueToKey(before))));
    EXPECT_EQ(m.property(c.Property).toInt(), before);
}

INSTANTIATE_TEST_SUITE_P(Enums, GaugeEnumPropertyTest, ::testing::ValuesIn(kEnumCases));

// The case the finding named: a sweep of 99 would have been computed with.
TEST(GaugeEnumPropertyTest, ASweepThatIsNoMemberLeavesTheGeometry)
{
    TMeter m;
    m.SetMeterLayout(mlCirc180);
    const double radius = m.ScaleRadius();
    m.setProperty("MeterLayout", 99);
    EXPECT_EQ(m.MeterLayout(), mlCirc180);
    EXPECT_EQ(m.MeterAngle(), 180);
    EXPECT_EQ(m.ScaleRadius(), radius);
}

} // namespace
