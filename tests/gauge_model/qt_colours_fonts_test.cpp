// The gauge's colours and fonts as Qt's types: QColor and QFont properties,
// style sheets, QWidget::setFont and the parent's font.
#include "meter_test_support.h"
#include "paint_test_support.h"
#include "gauge_on_window.h"
#include "qt_bitmap.h"
#include "qt_font.h"

#include <QApplication>
#include <QMetaProperty>
#include <QPalette>
#include <QWidget>
#include <gtest/gtest.h>

using namespace Kepler;

namespace {

struct ColourCase {
    const char* name;
    TColor (TMeter::*read)() const;
    void (TMeter::*write)(TColor);
};

void PrintTo(const ColourCase& c, std::ostream* os)
{
    *os << c.name;
}

const ColourCase kColourCases[] = {
    {"ColorBakG", &TMeter::ColorBakG, &TMeter::SetColorBakG},
    {"ColorCover", &TMeter::ColorCover, &TMeter::SetColorCover},
    {"ColorScale", &TMeter::ColorScale, &TMeter::SetColorScale},
    {"ColorSclBkLow", &TMeter::ColorSclBkLow, &TMeter::SetColorSclBkLow},
    {"ColorSclBkNorm", &TMeter::ColorSclBkNorm, &TMeter::SetColorSclBkNorm},
    {"ColorSclBkHigh", &TMeter::ColorSclBkHigh, &TMeter::SetColorSclBkHigh},
    {"LimWatchActColor", &TMeter::LimWatchActColor, &TMeter::SetLimWatchActColor},
    {"LimWatchPsvColor", &TMeter::LimWatchPsvColor, &TMeter::SetLimWatchPsvColor},
};

class GaugeQColorTest : public ::testing::TestWithParam<ColourCase> {};

TEST_P(GaugeQColorTest, PropertyIsAQColorOverTheColourNumber)
{
    const ColourCase& c = GetParam();
    TMeter m;
    const int index = m.metaObject()->indexOfProperty(c.name);
    ASSERT_GE(index, 0);
    EXPECT_EQ(m.metaObject()->property(index).metaType(), QMetaType::fromType<QColor>());

    // A QColor written is stored as the plain colour number, red low.
    ASSERT_TRUE(m.setProperty(c.name, QColor(255, 128, 0)));
    EXPECT_EQ((m.*c.read)(), clOrange);
    EXPECT_EQ(m.property(c.name).value<QColor>(), QColor(255, 128, 0));
    // Its alpha is dropped; an invalid colour changes nothing.
    m.setProperty(c.name, QColor(0, 0, 255, 10));
    EXPECT_EQ((m.*c.read)(), clBlue);
    m.setProperty(c.name, QColor());
    EXPECT_EQ((m.*c.read)(), clBlue);
    // A system colour set by the program reads as what it resolves to.
    (m.*c.write)(clBtnFace);
    EXPECT_EQ(m.property(c.name).value<QColor>(), QApplication::palette().color(QPalette::Active, QPalette::Button));
    EXPECT_EQ((m.*c.read)(), clBtnFace);
}

TEST_P(GaugeQColorTest, StyleSheetSetsTheColour)
{
    const ColourCase& c = GetParam();
    QWidget window;
    auto* m = new TMeter(&window);
    m->setObjectName("gauge");
    window.setStyleSheet(QStringLiteral("#gauge { qproperty-%1: #ff8000; }").arg(QLatin1String(c.name)));
    m->ensurePolished();
    EXPECT_EQ((m->*c.read)(), clOrange);
}

INSTANTIATE_TEST_SUITE_P(Colours, GaugeQColorTest, ::testing::ValuesIn(kColourCases));

TEST(GaugeQColorTest, StyleSheetColourShowsOnTheFace)
{
    QWidget window;
    auto* m = new TMeter(&window);
    m->Paint();
    EXPECT_EQ(CountPixels(*m, clOrange), 0);
    m->setStyleSheet(QStringLiteral("Kepler--TMeter { qproperty-ColorBakG: #ff8000; }"));
    m->ensurePolished();
    m->Paint();
    EXPECT_GT(CountPixels(*m, clOrange), 10000);
}

// System colours on the face resolve through the application's palette. A
// new palette reaches the gauge with the palette change Qt sends it, and
// shows on its face then, also while the gauge is hidden and gets no paint
// events.
TEST(GaugeQColorTest, ANewApplicationPaletteReachesTheFace)
{
    for (const bool shown : {true, false}) {
        SCOPED_TRACE(shown ? "shown" : "hidden");
        QWidget window;
        auto* m = new TMeter(&window);
        if (shown)
            window.show();
        QApplication::processEvents();
        const QPalette old = QApplication::palette();
        const TColor magenta = RGB(255, 0, 255);
        ASSERT_EQ(CountPixels(*m, magenta), 0);
        QPalette p = old;
        p.setColor(QPalette::Button, QColor(255, 0, 255)); // clBtnFace, the rims' colour
        QApplication::setPalette(p);
        QApplication::processEvents();
        const int rims = CountPixels(*m, magenta);
        QApplication::setPalette(old);
        QApplication::processEvents();
        EXPECT_GT(rims, 3000);
        EXPECT_EQ(CountPixels(*m, magenta), 0);
    }
}

// The face of a gauge at the given label font, composed at once.
QImage FaceWithFont(TMeter& m, const QFont& f)
{
    m.setFont(f);
    m.Paint();
    return QtImage(m.Face()).copy();
}

TEST(GaugeQFontTest, SetFontChangesTheLabelsOnTheFace)
{
    TMeter m;
    m.SetMeterMaxValue(100);
    const QImage small = FaceWithFont(m, QFont(QStringLiteral("DejaVu Sans"), 6));
    const QImage large = FaceWithFont(m, QFont(QStringLiteral("DejaVu Sans"), 12));
    QFont boldFont(QStringLiteral("DejaVu Serif"), 9);
    boldFont.setBold(true);
    const QImage bold = FaceWithFont(m, boldFont);
    EXPECT_NE(small, large);
    EXPECT_NE(small, bold);
    EXPECT_NE(large, bold);
    // The font given the Qt way is the gauge's own now.
    EXPECT_FALSE(m.ParentFont());
    EXPECT_EQ(m.Font().Name(), "DejaVu Serif");
    EXPECT_EQ(m.Font().Height(), -12); // 9 points at 96 pixels per inch
    EXPECT_EQ(m.Font().Style(), fsBold);
}

TEST(GaugeQFontTest, FontPropertyIsTheLabelFont)
{
    TMeter m;
    const int index = m.metaObject()->indexOfProperty("Font");
    ASSERT_GE(index, 0);
    EXPECT_EQ(m.metaObject()->property(index).metaType(), QMetaType::fromType<QFont>());
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(17);
    f.setItalic(true);
    ASSERT_TRUE(m.setProperty("Font", f));
    EXPECT_EQ(m.Font().Height(), -17);
    EXPECT_EQ(m.Font().Style(), fsItalic);
    EXPECT_EQ(m.property("Font").value<QFont>().pixelSize(), 17);
    // Set through the font description, it reads back as Qt's font.
    TFont t;
    t.SetName("DejaVu Serif");
    t.SetHeight(-9);
    m.SetFont(t);
    EXPECT_EQ(m.property("Font").value<QFont>().family(), "DejaVu Serif");
    EXPECT_EQ(m.property("Font").value<QFont>().pixelSize(), 9);
}

TEST(GaugeQFontTest, CaptionFontIsItsOwnQFontProperty)
{
    TMeter m;
    m.SetCaption(QStringLiteral("km/h"));
    m.Paint();
    const QImage before = QtImage(m.Face()).copy();
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(24);
    f.setBold(true);
    ASSERT_TRUE(m.setProperty("FontCaption", f));
    EXPECT_EQ(m.FontCaption().Height(), -24);
    EXPECT_EQ(m.FontCaption().Style(), fsBold);
    EXPECT_EQ(m.property("FontCaption").value<QFont>().pixelSize(), 24);
    EXPECT_NE(before, QtImage(m.Face()));
    // The label font stays as it was.
    EXPECT_EQ(m.Font().Height(), TFont::DefaultHeight);
}

// A font reads back in the unit it was given: points stay points (forms
// keep sizes only in points), pixels stay pixels; once the font was changed
// another way, it reads as the font description says, in pixels.
TEST(GaugeQFontTest, FontsKeepTheUnitTheyWereGiven)
{
    QFont points(QStringLiteral("DejaVu Sans"));
    points.setPointSizeF(10.5);
    points.setBold(true);
    QFont pixels(QStringLiteral("DejaVu Serif"));
    pixels.setPixelSize(17);
    for (const char* name : {"FontCaption", "Font"}) {
        SCOPED_TRACE(name);
        TMeter m;
        ASSERT_TRUE(m.setProperty(name, points));
        QFont read = m.property(name).value<QFont>();
        EXPECT_EQ(read.pointSizeF(), 10.5);
        EXPECT_EQ(read.pixelSize(), -1);
        EXPECT_TRUE(read.bold());
        const TFont& described = std::string(name) == "Font" ? m.Font() : m.FontCaption();
        EXPECT_EQ(described.Height(), -14); // 10.5 points at 96 pixels per inch

        ASSERT_TRUE(m.setProperty(name, pixels));
        read = m.property(name).value<QFont>();
        EXPECT_EQ(read.pixelSize(), 17);
        EXPECT_EQ(read.pointSize(), -1);
    }
    // Changed through the font description, the font reads in pixels.
    TMeter m;
    m.setProperty("FontCaption", points);
    m.FontCaption().SetHeight(-20);
    EXPECT_EQ(m.property("FontCaption").value<QFont>().pixelSize(), 20);
    m.setFont(points);
    TFont t;
    t.SetHeight(-9);
    m.SetFont(t);
    EXPECT_EQ(m.property("Font").value<QFont>().pixelSize(), 9);
}

TEST(GaugeQFontTest, ParentFontAndStyleSheetFontReachTheLabels)
{
    QWidget window;
    auto* m = new TMeter(&window);
    ASSERT_TRUE(m->ParentFont());
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(15);
    window.setFont(f);
    EXPECT_EQ(m->Font().Height(), -15);
    EXPECT_TRUE(m->ParentFont());

    window.setStyleSheet(QStringLiteral("Kepler--TMeter { font: bold 19px \"DejaVu Serif\"; }"));
    m->ensurePolished();
    EXPECT_EQ(m->Font().Height(), -19);
    EXPECT_EQ(m->Font().Name(), "DejaVu Serif");
    EXPECT_EQ(m->Font().Style(), fsBold);
}

// A font that reaches a shown gauge from its parent shows on its face at
// once, pixel for pixel as the same font given to the gauge itself.
TEST(GaugeQFontTest, AParentsFontReachesTheFaceAtOnce)
{
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(17);
    f.setBold(true);
    GaugeOnWindow inherited, given;
    for (TMeter* m : {inherited.gauge, given.gauge}) {
        m->SetMeterMaxValue(100);
        m->SetCaption(QStringLiteral("km/h"));
    }
    const QImage before = QtImage(inherited.gauge->Face()).copy();

    inherited.window.setFont(f);
    given.gauge->setFont(f);
    given.gauge->Paint();
    EXPECT_TRUE(inherited.gauge->ParentFont());
    EXPECT_EQ(inherited.gauge->Font().Height(), -17);
    EXPECT_NE(QtImage(inherited.gauge->Face()), before);
    EXPECT_EQ(QtImage(inherited.gauge->Face()), QtImage(given.gauge->Face()));
    // And on the screen.
    QApplication::processEvents();
    EXPECT_EQ(inherited.gauge->grab().toImage(), given.gauge->grab().toImage());

    // The parent's font in points, and back to the application's font.
    QFont points(QStringLiteral("DejaVu Sans"), 14);
    inherited.window.setFont(points);
    given.gauge->setFont(points);
    given.gauge->Paint();
    EXPECT_EQ(QtImage(inherited.gauge->Face()), QtImage(given.gauge->Face()));
    inherited.window.setFont(QFont());
    EXPECT_EQ(inherited.gauge->Font().Height(), FontFromQFont(QApplication::font()).Height());
    EXPECT_NE(QtImage(inherited.gauge->Face()), QtImage(given.gauge->Face()));
}

TEST(GaugeQFontTest, AFontOfItsOwnNoLongerFollowsTheParent)
{
    QWidget window;
    auto* m = new TMeter(&window);
    QFont own(QStringLiteral("DejaVu Sans"));
    own.setPixelSize(13);
    m->setFont(own);
    QFont parentFont(QStringLiteral("DejaVu Serif"));
    parentFont.setPixelSize(21);
    window.setFont(parentFont);
    EXPECT_EQ(m->Font().Height(), -13);
    // ParentFont set again takes the parent's.
    m->SetParentFont(true);
    EXPECT_EQ(m->Font().Height(), -21);
}

} // namespace
