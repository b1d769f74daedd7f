// The spin box's Color and Font as Qt's types.
#include "KeplerControls/spin_edit.h"
#include "spin_fixture.h"

#include <QApplication>
#include <QMetaProperty>
#include <QPalette>

using namespace Kepler;

TEST(SpinQtColourFont, ColorIsAQColorOverTheColourNumber)
{
    TSpinEdit spin;
    EXPECT_EQ(spin.metaObject()->property(spin.metaObject()->indexOfProperty("Color")).metaType(),
              QMetaType::fromType<QColor>());
    // The default system colour reads as the colour it resolves to.
    EXPECT_EQ(spin.Color(), clWindow);
    EXPECT_EQ(spin.property("Color").value<QColor>(), QApplication::palette().color(QPalette::Active, QPalette::Base));
    ASSERT_TRUE(spin.setProperty("Color", QColor(255, 255, 0)));
    EXPECT_EQ(spin.Color(), clYellow);
    EXPECT_EQ(spin.palette().color(spin.backgroundRole()), QColor(255, 255, 0));
}

TEST(SpinQtColourFont, StyleSheetSetsTheColour)
{
    QWidget window;
    auto* spin = new TSpinEdit(&window);
    window.setStyleSheet(QStringLiteral("Kepler--TSpinEdit { qproperty-Color: #ff8000; }"));
    spin->ensurePolished();
    EXPECT_EQ(spin->Color(), clOrange);
}

TEST(SpinQtColourFont, FontIsTheWidgetsFont)
{
    QWidget window;
    auto* spin = new TSpinEdit(&window);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(20);
    ASSERT_TRUE(spin->setProperty("Font", f));
    EXPECT_EQ(spin->font().pixelSize(), 20);
    EXPECT_FALSE(spin->ParentFont());
    EXPECT_EQ(spin->property("Font").value<QFont>().pixelSize(), 20);
    // A taller font makes a taller spin box.
    EXPECT_GE(spin->MinimumHeight(), 20);
}
