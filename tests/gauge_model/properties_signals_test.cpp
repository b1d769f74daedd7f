// The gauge as Qt sees it: properties through the meta-object system, enum
// names, the needle layout as a gadget, change signals and the signals
// beside the On... events.
#include "KeplerControls/meter.h"

#include <QMetaEnum>
#include <QMetaProperty>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace Kepler;

namespace {

int PropertyIndex(const char* name)
{
    return TMeter::staticMetaObject.indexOfProperty(name);
}

// The colour number a getter returns, as the QColor its property shows.
QVariant ColourAsQColor(TColor c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

} // namespace

TEST(MeterProperties, ReachTheSetters)
{
    struct Case {
        const char* Name;
        QVariant Written;
        std::function<QVariant(const TMeter&)> Read;
    };
    const Case cases[] = {
        {"MeterMinValue", -10.0, [](const TMeter& m) { return QVariant(m.MeterMinValue()); }},
        {"MeterMaxValue", 10.0, [](const TMeter& m) { return QVariant(m.MeterMaxValue()); }},
        {"ThresholdLow", -5.0, [](const TMeter& m) { return QVariant(m.ThresholdLow()); }},
        {"ThresholdHigh", 5.0, [](const TMeter& m) { return QVariant(m.ThresholdHigh()); }},
        {"Value", 2.5, [](const TMeter& m) { return QVariant(m.Value()); }},
        {"ValueSec", -2.5, [](const TMeter& m) { return QVariant(m.ValueSec()); }},
        {"AnchorSize", 30, [](const TMeter& m) { return QVariant(m.AnchorSize()); }},
        {"AnchorCovered", false, [](const TMeter& m) { return QVariant(m.AnchorCovered()); }},
        {"Caption", QStringLiteral("km/h"), [](const TMeter& m) { return QVariant(m.Caption()); }},
        {"ColorBakG", QColor(0, 255, 0), [](const TMeter& m) { return ColourAsQColor(m.ColorBakG()); }},
        {"ColorCover", QColor(255, 0, 0), [](const TMeter& m) { return ColourAsQColor(m.ColorCover()); }},
        {"ColorScale", QColor(86, 52, 18), [](const TMeter& m) { return ColourAsQColor(m.ColorScale()); }},
        {"ColorSclBkLow", QColor(3, 2, 1), [](const TMeter& m) { return ColourAsQColor(m.ColorSclBkLow()); }},
        {"ColorSclBkNorm", QColor(6, 5, 4), [](const TMeter& m) { return ColourAsQColor(m.ColorSclBkNorm()); }},
        {"ColorSclBkHigh", QColor(9, 8, 7), [](const TMeter& m) { return ColourAsQColor(m.ColorSclBkHigh()); }},
        {"LimWatchHighOn", false, [](const TMeter& m) { return QVariant(m.LimWatchHighOn()); }},
        {"LimWatchLowOn", false, [](const TMeter& m) { return QVariant(m.LimWatchLowOn()); }},
        {"LimWatchActColor", QColor(12, 11, 10), [](const TMeter& m) { return ColourAsQColor(m.LimWatchActColor()); }},
        {"LimWatchPsvColor", QColor(15, 14, 13), [](const TMeter& m) { return ColourAsQColor(m.LimWatchPsvColor()); }},
        {"MeterDecPlaces", 3, [](const TMeter& m) { return QVariant(m.MeterDecPlaces()); }},
        {"MeterNrTicks", 7, [](const TMeter& m) { return QVariant(m.MeterNrTicks()); }},
        {"MeterShortTicks", false, [](const TMeter& m) { return QVariant(m.MeterShortTicks()); }},
        {"MeterScaleLine", false, [](const TMeter& m) { return QVariant(m.MeterScaleLine()); }},
        {"RimBottom", 4, [](const TMeter& m) { return QVariant(m.RimBottom()); }},
        {"RimTop", 5, [](const TMeter& m) { return QVariant(m.RimTop()); }},
        {"RimSide", 6, [](const TMeter& m) { return QVariant(m.RimSide()); }},
        {"ScaleBkWidth", 25.5, [](const TMeter& m) { return QVariant(m.ScaleBkWidth()); }},
        {"ScaleBkVisible", true, [](const TMeter& m) { return QVariant(m.ScaleBkVisible()); }},
        {"ScaleVisible", false, [](const TMeter& m) { return QVariant(m.ScaleVisible()); }},
    };
    TMeter m;
    for (const Case& c : cases) {
        ASSERT_GE(PropertyIndex(c.Name), 0) << c.Name;
        EXPECT_TRUE(m.setProperty(c.Name, c.Written)) << c.Name;
        EXPECT_EQ(c.Read(m), c.Written) << c.Name;
        EXPECT_EQ(m.property(c.Name), c.Written) << c.Name;
    }
    // Through a property, numbers are clamped as by the setter.
    m.setProperty("MeterNrTicks", 50);
    EXPECT_EQ(m.MeterNrTicks(), 21);
    m.setProperty("Value", 99.0);
    EXPECT_EQ(m.Value(), 10.0);
    EXPECT_STREQ(TMeter::staticMetaObject.userProperty().name(), "Value");
}

// Enumerations are known by their member names, as Designer and style
// sheets write them.
TEST(MeterProperties, EnumerationsByName)
{
    struct Case {
        const char* Name;
        const char* Member;
        std::function<int(const TMeter&)> Read;
        int Expected;
    };
    const Case cases[] = {
        {"MeterLayout", "mlCirc270", [](const TMeter& m) { return int(m.MeterLayout()); }, mlCirc270},
        {"BkgndFillMode", "bfTile", [](const TMeter& m) { return int(m.BkgndFillMode()); }, bfTile},
        {"ColorScheme", "csSystem", [](const TMeter& m) { return int(m.ColorScheme()); }, csSystem},
        {"FrameStyle", "fsEngraved", [](const TMeter& m) { return int(m.FrameStyle()); }, fsEngraved},
    };
    TMeter m;
    for (const Case& c : cases) {
        const QMetaProperty p = TMeter::staticMetaObject.property(PropertyIndex(c.Name));
        ASSERT_TRUE(p.isEnumType()) << c.Name;
        EXPECT_EQ(p.enumerator().keyToValue(c.Member), c.Expected) << c.Name;
        EXPECT_TRUE(m.setProperty(c.Name, QString::fromLatin1(c.Member))) << c.Name;
        EXPECT_EQ(c.Read(m), c.Expected) << c.Name;
        EXPECT_STREQ(p.enumerator().valueToKey(m.property(c.Name).toInt()), c.Member) << c.Name;
    }
    // Setting the colour scheme by name sets the frame colours with it.
    EXPECT_EQ(m.ColorScheme(), csSystem);
}

// moc lists each enumeration's members from a copy in meter_types.h: every
// member of the plain enumeration has its name, in order, and no more.
TEST(MeterProperties, EnumerationsKnowEveryMember)
{
    const auto names = [](const QMetaEnum& e) {
        std::vector<std::string> n;
        for (int i = 0; i < e.keyCount(); ++i)
            n.push_back(std::string(e.valueToKey(i) ? e.valueToKey(i) : "?") + "=" + std::to_string(e.value(i)));
        return n;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(names(QMetaEnum::fromType<TMeterLayout>()),
              (V{"mlCirc90=0", "mlCirc120=1", "mlCirc180=2", "mlCirc270=3", "mlCirc300=4", "mlCirc360=5"}));
    EXPECT_EQ(names(QMetaEnum::fromType<TBkgFill>()), (V{"bfSimple=0", "bfStretch=1", "bfTile=2"}));
    EXPECT_EQ(names(QMetaEnum::fromType<TColorScheme>()), (V{"csBWG=0", "csSystem=1"}));
    EXPECT_EQ(names(QMetaEnum::fromType<TFrameStyle>()),
              (V{"fsNone=0", "fsSimple=1", "fsLowered=2", "fsRaised=3", "fsEmbossed=4", "fsEngraved=5"}));
    static_assert(mlCirc360 == 5 && bfTile == 2 && csSystem == 1 && fsEngraved == 5,
                  "the lists above end with the last member");
}

// A form sets properties in declaration order: the bounds before the scale
// type, the thresholds and the values that are clamped into them.
TEST(MeterProperties, BoundsAreDeclaredBeforeWhatTheyClamp)
{
    for (const char* later : {"Logarithmic", "ThresholdLow", "ThresholdHigh", "Value", "ValueSec"}) {
        EXPECT_LT(PropertyIndex("MeterMinValue"), PropertyIndex(later)) << later;
        EXPECT_LT(PropertyIndex("MeterMaxValue"), PropertyIndex(later)) << later;
    }
    EXPECT_LT(PropertyIndex("Logarithmic"), PropertyIndex("ThresholdLow"));
    EXPECT_LT(PropertyIndex("ThresholdLow"), PropertyIndex("Value"));
    EXPECT_LT(PropertyIndex("ThresholdHigh"), PropertyIndex("Value"));
}

TEST(MeterProperties, GeometryIsReadOnly)
{
    TMeter m;
    for (const char* name : {"OriginX", "OriginY", "ScaleRadius"}) {
        const QMetaProperty p = TMeter::staticMetaObject.property(PropertyIndex(name));
        ASSERT_TRUE(p.isValid()) << name;
        EXPECT_FALSE(p.isWritable()) << name;
    }
    EXPECT_EQ(m.property("OriginX").toInt(), m.OriginX());
    EXPECT_EQ(m.property("OriginY").toInt(), m.OriginY());
    EXPECT_EQ(m.property("ScaleRadius").toDouble(), m.ScaleRadius());
}

// The needle layouts are gadgets: read as values, written by copying the
// settings into the gauge's own layout, which keeps its change link.
TEST(MeterProperties, NeedleLayoutsAsGadgets)
{
    TMeter m;
    const auto primary = m.property("NeedleLayout").value<TNeedleLayout>();
    EXPECT_EQ(primary, m.NeedleLayout());
    TNeedleLayout changed = primary;
    const QMetaObject& gadget = TNeedleLayout::staticMetaObject;
    gadget.property(gadget.indexOfProperty("HeadSize")).writeOnGadget(&changed, 17);
    gadget.property(gadget.indexOfProperty("ColorBody")).writeOnGadget(&changed, 0x00FF00u);
    gadget.property(gadget.indexOfProperty("HeadAngle")).writeOnGadget(&changed, 500);
    EXPECT_EQ(changed.HeadSize(), 17);
    EXPECT_EQ(changed.HeadAngle(), 180); // clamped by the setter
    EXPECT_TRUE(m.setProperty("NeedleLayoutSec", QVariant::fromValue(changed)));
    EXPECT_EQ(m.NeedleLayoutSec(), changed);
    EXPECT_EQ(m.NeedleLayoutSec().ColorBody(), 0x00FF00u);
    EXPECT_TRUE(m.NeedleLayoutSec().OnChange); // still tied to the gauge
    EXPECT_EQ(gadget.property(gadget.indexOfProperty("Visible")).readOnGadget(&primary).toBool(), true);
}

// A bound that moves the other bound, the values and the thresholds reports
// each of them once; an unchanged or refused setting reports nothing.
TEST(MeterSignals, ChangeSignalsFollowEverySideEffect)
{
    TMeter m;
    QSignalSpy min(&m, &TMeter::MeterMinValueChanged);
    QSignalSpy max(&m, &TMeter::MeterMaxValueChanged);
    QSignalSpy value(&m, &TMeter::ValueChanged);
    QSignalSpy valueSec(&m, &TMeter::ValueSecChanged);
    QSignalSpy low(&m, &TMeter::ThresholdLowChanged);
    QSignalSpy high(&m, &TMeter::ThresholdHighChanged);
    QSignalSpy log(&m, &TMeter::LogarithmicChanged);

    m.SetMeterMinValue(5); // maximum 6, values and thresholds raised to 5
    for (QSignalSpy* spy : {&min, &value, &valueSec, &low, &high})
        ASSERT_EQ(spy->count(), 1);
    ASSERT_EQ(max.count(), 1);
    EXPECT_EQ(min[0][0].toDouble(), 5.0);
    EXPECT_EQ(max[0][0].toDouble(), 6.0);
    EXPECT_EQ(value[0][0].toDouble(), 5.0);

    m.SetMeterMinValue(5);   // unchanged
    m.SetValue(5);           // unchanged
    m.SetLogarithmic(false); // unchanged
    EXPECT_EQ(min.count(), 1);
    EXPECT_EQ(value.count(), 1);
    EXPECT_EQ(log.count(), 0);

    m.SetLogarithmic(true);
    ASSERT_EQ(log.count(), 1);
    EXPECT_TRUE(log[0][0].toBool());
    m.SetMeterMinValue(0); // refused in logarithmic mode
    EXPECT_EQ(min.count(), 1);
    EXPECT_EQ(m.property("Logarithmic").toBool(), true);
}

TEST(MeterSignals, RefusedLogarithmicSwitchReportsNothing)
{
    TMeter m; // minimum 0
    QSignalSpy log(&m, &TMeter::LogarithmicChanged);
    m.SetLogarithmic(true);
    EXPECT_FALSE(m.Logarithmic());
    EXPECT_EQ(log.count(), 0);
}

// Each range event's handler runs first, then its signal.
TEST(MeterSignals, RangeSignalsFireBesideTheEvents)
{
    TMeter m;
    std::vector<std::string> log;
    m.OnOverFlow = [&](QObject*) { log.push_back("over"); };
    m.OnNormalRange = [&](QObject*) { log.push_back("normal"); };
    m.OnUnderFlow = [&](QObject*) { log.push_back("under"); };
    QObject::connect(&m, &TMeter::OverFlow, [&] { log.push_back("signal over"); });
    QObject::connect(&m, &TMeter::NormalRange, [&] { log.push_back("signal normal"); });
    QObject::connect(&m, &TMeter::UnderFlow, [&] { log.push_back("signal under"); });
    m.SetValue(0.5);
    m.SetValue(1);
    m.SetValue(-3);
    m.SetThresholdLow(0.5); // value 0 is at or below the new threshold
    m.SetThresholdHigh(0.5);
    const std::vector<std::string> expected = {"normal", "signal normal", "over",  "signal over",
                                               "under",  "signal under",  "under", "signal under"};
    EXPECT_EQ(log, expected);
}

// Painting events: the handler first, then the signal's receivers, which see
// and may change the same label and needle flag.
TEST(MeterSignals, PaintSignalsFireBesideTheEvents)
{
    TMeter m;
    int handlerLabels = 0;
    int signalLabels = 0;
    int rendered = 0;
    bool receiverSawDrawn = false;
    m.OnBeforeDrawScaleLabel = [&](QObject*, TCanvas&, QString& label, int, int) {
        ++handlerLabels;
        label = QStringLiteral("x");
    };
    QObject::connect(&m, &TMeter::BeforeDrawScaleLabel, [&](TCanvas&, QString& label, int, int) {
        ++signalLabels;
        EXPECT_EQ(label, "x");
    });
    m.OnBeforeDrawNeedle = [](QObject*, TCanvas&, bool& drawn) { drawn = true; };
    QObject::connect(&m, &TMeter::BeforeDrawNeedle, [&](TCanvas&, bool& drawn) { receiverSawDrawn = drawn; });
    QObject::connect(&m, &TMeter::MeterRendered, [&](TCanvas&) { ++rendered; });
    m.SetCaption(QStringLiteral("repaint"));
    EXPECT_GT(handlerLabels, 0);
    EXPECT_EQ(signalLabels, handlerLabels);
    EXPECT_TRUE(receiverSawDrawn);
    EXPECT_EQ(rendered, 1);
}

// A receiver alone, without a handler, takes part in the painting too.
TEST(MeterSignals, PaintSignalsWorkWithoutHandlers)
{
    TMeter m;
    int labels = 0;
    QObject::connect(&m, &TMeter::BeforeDrawScaleLabel, [&](TCanvas&, QString&, int, int) { ++labels; });
    m.SetCaption(QStringLiteral("repaint"));
    EXPECT_GT(labels, 0);
}
