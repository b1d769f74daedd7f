// The other published properties: which repaint on an equal value, which do
// nothing, how numbers are clamped, and what the owned objects copy.
#include "meter_test_support.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Kepler;

namespace {

struct RepaintCase {
    const char* name;
    std::function<void(TMeter&)> setStored; // the value a new gauge holds
    std::function<void(TMeter&)> setOther;
    bool repaintsWhenUnchanged;
};

// A failing case is named, not dumped as bytes.
void PrintTo(const RepaintCase& c, std::ostream* os) { *os << c.name; }

const RepaintCase kRepaintCases[] = {
    {"AnchorSize", [](TMeter& m) { m.SetAnchorSize(24); }, [](TMeter& m) { m.SetAnchorSize(8); }, false},
    {"AnchorCovered", [](TMeter& m) { m.SetAnchorCovered(true); }, [](TMeter& m) { m.SetAnchorCovered(false); }, false},
    {"ColorBakG", [](TMeter& m) { m.SetColorBakG(clWhite); }, [](TMeter& m) { m.SetColorBakG(clRed); }, false},
    {"ColorCover", [](TMeter& m) { m.SetColorCover(clBtnFace); }, [](TMeter& m) { m.SetColorCover(clRed); }, false},
    {"ColorScale", [](TMeter& m) { m.SetColorScale(clNavy); }, [](TMeter& m) { m.SetColorScale(clRed); }, false},
    {"ColorScheme", [](TMeter& m) { m.SetColorScheme(csBWG); }, [](TMeter& m) { m.SetColorScheme(csSystem); }, false},
    {"ColorSclBkLow", [](TMeter& m) { m.SetColorSclBkLow(clLime); }, [](TMeter& m) { m.SetColorSclBkLow(clRed); }, false},
    {"ColorSclBkNorm", [](TMeter& m) { m.SetColorSclBkNorm(clOrange); }, [](TMeter& m) { m.SetColorSclBkNorm(clRed); }, false},
    {"ColorSclBkHigh", [](TMeter& m) { m.SetColorSclBkHigh(clRed); }, [](TMeter& m) { m.SetColorSclBkHigh(clBlue); }, false},
    {"FrameStyle", [](TMeter& m) { m.SetFrameStyle(fsRaised); }, [](TMeter& m) { m.SetFrameStyle(fsNone); }, false},
    {"LimWatchHighOn", [](TMeter& m) { m.SetLimWatchHighOn(true); }, [](TMeter& m) { m.SetLimWatchHighOn(false); }, false},
    {"LimWatchLowOn", [](TMeter& m) { m.SetLimWatchLowOn(true); }, [](TMeter& m) { m.SetLimWatchLowOn(false); }, false},
    {"LimWatchActColor", [](TMeter& m) { m.SetLimWatchActColor(clRed); }, [](TMeter& m) { m.SetLimWatchActColor(clBlue); }, false},
    {"LimWatchPsvColor", [](TMeter& m) { m.SetLimWatchPsvColor(clGray); }, [](TMeter& m) { m.SetLimWatchPsvColor(clBlue); }, false},
    {"MeterDecPlaces", [](TMeter& m) { m.SetMeterDecPlaces(1); }, [](TMeter& m) { m.SetMeterDecPlaces(2); }, false},
    {"MeterNrTicks", [](TMeter& m) { m.SetMeterNrTicks(3); }, [](TMeter& m) { m.SetMeterNrTicks(5); }, false},
    {"MeterLayout", [](TMeter& m) { m.SetMeterLayout(mlCirc90); }, [](TMeter& m) { m.SetMeterLayout(mlCirc180); }, false},
    {"MeterShortTicks", [](TMeter& m) { m.SetMeterShortTicks(true); }, [](TMeter& m) { m.SetMeterShortTicks(false); }, false},
    {"MeterScaleLine", [](TMeter& m) { m.SetMeterScaleLine(true); }, [](TMeter& m) { m.SetMeterScaleLine(false); }, false},
    {"RimBottom", [](TMeter& m) { m.SetRimBottom(10); }, [](TMeter& m) { m.SetRimBottom(3); }, false},
    {"RimTop", [](TMeter& m) { m.SetRimTop(8); }, [](TMeter& m) { m.SetRimTop(20); }, false},
    {"RimSide", [](TMeter& m) { m.SetRimSide(10); }, [](TMeter& m) { m.SetRimSide(3); }, false},
    {"HeadSize", [](TMeter& m) { m.NeedleLayout().SetHeadSize(20); }, [](TMeter& m) { m.NeedleLayout().SetHeadSize(6); }, false},
    {"SecondaryVisible", [](TMeter& m) { m.NeedleLayoutSec().SetVisible(false); }, [](TMeter& m) { m.NeedleLayoutSec().SetVisible(true); }, false},
    {"BkgndFillMode", [](TMeter& m) { m.SetBkgndFillMode(bfSimple); }, [](TMeter& m) { m.SetBkgndFillMode(bfTile); }, true},
    {"Caption", [](TMeter& m) { m.SetCaption(QString()); }, [](TMeter& m) { m.SetCaption(QStringLiteral("Ü")); }, true},
    {"ScaleBkWidth", [](TMeter& m) { m.SetScaleBkWidth(0); }, [](TMeter& m) { m.SetScaleBkWidth(20); }, true},
    {"ScaleBkVisible", [](TMeter& m) { m.SetScaleBkVisible(false); }, [](TMeter& m) { m.SetScaleBkVisible(true); }, true},
    {"ScaleVisible", [](TMeter& m) { m.SetScaleVisible(true); }, [](TMeter& m) { m.SetScaleVisible(false); }, true},
    {"FontCaption", [](TMeter& m) { m.SetFontCaption(TFont()); },
     [](TMeter& m) { TFont f; f.SetHeight(-20); m.SetFontCaption(f); }, true},
    {"NeedleLayout", [](TMeter& m) { const TNeedleLayout same(m.NeedleLayout()); m.SetNeedleLayout(&same); },
     [](TMeter& m) { TNeedleLayout other(m.NeedleLayout()); other.SetThickness(3); m.SetNeedleLayout(&other); }, true},
};

class RepaintRuleTest : public ::testing::TestWithParam<RepaintCase> {};

TEST_P(RepaintRuleTest, EqualValueRepaintsOnlyWhereRequired)
{
    const RepaintCase& c = GetParam();
    TMeter m;
    int before = PaintCount(m);
    c.setStored(m);
    EXPECT_EQ(PaintCount(m) - before, c.repaintsWhenUnchanged ? 1 : 0);
    before = PaintCount(m);
    c.setOther(m);
    EXPECT_EQ(PaintCount(m) - before, 1);
}

INSTANTIATE_TEST_SUITE_P(Properties, RepaintRuleTest, ::testing::ValuesIn(kRepaintCases),
                         [](const auto& info) { return CaseName(info.param.name); });

struct ClampCase {
    const char* name;
    std::function<void(TMeter&)> action;
    std::function<double(const TMeter&)> read;
    double expected;
    int repaints;
};

// A failing case is named, not dumped as bytes.
void PrintTo(const ClampCase& c, std::ostream* os) { *os << c.name; }

const ClampCase kClampCases[] = {
    {"ticks 1 gives 2", [](TMeter& m) { m.SetMeterNrTicks(1); }, [](const TMeter& m) { return m.MeterNrTicks(); }, 2, 1},
    {"ticks 50 gives 21", [](TMeter& m) { m.SetMeterNrTicks(50); }, [](const TMeter& m) { return m.MeterNrTicks(); }, 21, 1},
    {"decimals -1 gives 0", [](TMeter& m) { m.SetMeterDecPlaces(-1); }, [](const TMeter& m) { return m.MeterDecPlaces(); }, 0, 1},
    {"decimals compare before clamping", [](TMeter& m) { m.SetMeterDecPlaces(4); m.SetMeterDecPlaces(9); },
     [](const TMeter& m) { return m.MeterDecPlaces(); }, 4, 2},
    {"head angle 200 gives 180", [](TMeter& m) { m.NeedleLayout().SetHeadAngle(200); },
     [](const TMeter& m) { return m.NeedleLayout().HeadAngle(); }, 180, 1},
    {"head angle compares after clamping", [](TMeter& m) { m.NeedleLayout().SetHeadAngle(180); m.NeedleLayout().SetHeadAngle(200); },
     [](const TMeter& m) { return m.NeedleLayout().HeadAngle(); }, 180, 1},
    {"needle length -5 gives 0", [](TMeter& m) { m.NeedleLayoutSec().SetPercentNeedleLength(-5); },
     [](const TMeter& m) { return m.NeedleLayoutSec().PercentNeedleLength(); }, 0, 1},
    {"band width 150 gives 100", [](TMeter& m) { m.SetScaleBkWidth(150); }, [](const TMeter& m) { return m.ScaleBkWidth(); }, 100, 1},
    {"band width -3 gives 0", [](TMeter& m) { m.SetScaleBkWidth(-3); }, [](const TMeter& m) { return m.ScaleBkWidth(); }, 0, 1},
    {"anchor size takes any integer", [](TMeter& m) { m.SetAnchorSize(-7); }, [](const TMeter& m) { return m.AnchorSize(); }, -7, 1},
};

class ClampRuleTest : public ::testing::TestWithParam<ClampCase> {};

TEST_P(ClampRuleTest, StoresTheClampedNumber)
{
    const ClampCase& c = GetParam();
    TMeter m;
    const int before = PaintCount(m);
    c.action(m);
    EXPECT_EQ(c.read(m), c.expected);
    EXPECT_EQ(PaintCount(m) - before, c.repaints);
}

INSTANTIATE_TEST_SUITE_P(Numbers, ClampRuleTest, ::testing::ValuesIn(kClampCases),
                         [](const auto& info) { return CaseName(info.param.name); });

TEST(ColorSchemeTest, SelectsTheFrameLineColours)
{
    TMeter m;
    EXPECT_EQ(m.FaceSettings().FColGrayLine, clGray);
    EXPECT_EQ(m.FaceSettings().FColWhiteLine, clWhite);
    m.SetColorScheme(csSystem);
    EXPECT_EQ(m.FaceSettings().FColGrayLine, clBtnShadow);
    EXPECT_EQ(m.FaceSettings().FColWhiteLine, clBtnHighlight);
    m.SetColorScheme(csBWG);
    EXPECT_EQ(m.FaceSettings().FColGrayLine, clGray);
    EXPECT_EQ(m.FaceSettings().FColWhiteLine, clWhite);
}

TEST(NeedleLayoutTest, NewLayoutIsBlankAndGaugeGivesDefaults)
{
    const TNeedleLayout blank;
    EXPECT_EQ(blank.HeadSize() + blank.HeadAngle() + blank.HeadMidLeng() + blank.Thickness()
                  + blank.PercentNeedleLength() + blank.ShadowDx() + blank.ShadowDy(),
              0);
    EXPECT_EQ(blank.ColorBody() | blank.ColorOutline() | blank.ShadowColor(), 0u);
    EXPECT_FALSE(blank.Visible());

    TMeter m;
    for (const TNeedleLayout* l : {&m.NeedleLayout(), &m.NeedleLayoutSec()}) {
        EXPECT_EQ(l->ColorBody(), clSilver);
        EXPECT_EQ(l->ColorOutline(), clBlack);
        EXPECT_EQ(l->HeadSize(), 20);
        EXPECT_EQ(l->Thickness(), 0);
        EXPECT_EQ(l->PercentNeedleLength(), 100);
        EXPECT_EQ(l->HeadAngle(), 30);
        EXPECT_EQ(l->HeadMidLeng(), 20);
        EXPECT_EQ(l->ShadowColor(), clGray);
    }
    EXPECT_TRUE(m.NeedleLayout().Visible());
    EXPECT_FALSE(m.NeedleLayoutSec().Visible());
}

TEST(NeedleLayoutTest, AssigningCopiesElevenSettingsAndKeepsTheGaugesLink)
{
    TMeter m;
    TNeedleLayout other;
    other.SetHeadSize(6);
    other.SetHeadAngle(7);
    other.SetHeadMidLeng(8);
    other.SetThickness(2);
    other.SetColorBody(clRed);
    other.SetColorOutline(clBlue);
    other.SetPercentNeedleLength(90);
    other.SetShadowDx(3);
    other.SetShadowDy(4);
    other.SetShadowColor(clYellow);
    other.SetVisible(true);
    int otherChanges = 0;
    other.OnChange = [&](TNeedleLayout*) { ++otherChanges; };

    int before = PaintCount(m);
    m.SetNeedleLayoutSec(&other);
    EXPECT_EQ(PaintCount(m) - before, 1);
    const TNeedleLayout& own = m.NeedleLayoutSec();
    EXPECT_EQ(own.HeadSize(), 6);
    EXPECT_EQ(own.HeadAngle(), 7);
    EXPECT_EQ(own.HeadMidLeng(), 8);
    EXPECT_EQ(own.Thickness(), 2);
    EXPECT_EQ(own.ColorBody(), clRed);
    EXPECT_EQ(own.ColorOutline(), clBlue);
    EXPECT_EQ(own.PercentNeedleLength(), 90);
    EXPECT_EQ(own.ShadowDx(), 3);
    EXPECT_EQ(own.ShadowDy(), 4);
    EXPECT_EQ(own.ShadowColor(), clYellow);
    EXPECT_TRUE(own.Visible());

    // The other layout stays separate; the gauge's own one still repaints.
    before = PaintCount(m);
    other.SetHeadSize(40);
    EXPECT_EQ(own.HeadSize(), 6);
    EXPECT_EQ(PaintCount(m), before);
    m.NeedleLayoutSec().SetHeadSize(9);
    EXPECT_EQ(PaintCount(m) - before, 1);
    EXPECT_EQ(otherChanges, 1);

    // No layout at all changes nothing.
    before = PaintCount(m);
    m.SetNeedleLayoutSec(nullptr);
    EXPECT_EQ(own.HeadSize(), 9);
    EXPECT_EQ(PaintCount(m), before);
}

TEST(FontTest, CaptionFontEditedInPlaceWaitsForTheNextRepaint)
{
    TMeter m;
    EXPECT_TRUE(m.FontCaption().SameAs(m.Font()));
    const int before = PaintCount(m);
    m.FontCaption().SetHeight(-20);
    EXPECT_EQ(PaintCount(m), before);
    TFont big;
    big.SetHeight(-30);
    m.SetFontCaption(big);
    EXPECT_EQ(PaintCount(m) - before, 1);
    EXPECT_EQ(m.FontCaption().Height(), -30);
    EXPECT_NE(&m.FontCaption(), &big);
}

} // namespace
