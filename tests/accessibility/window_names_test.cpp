// Every control of the window has a German name and the role it looks like.
#include "form_controls.h"
#include "form1.h"
#include "injected_platform.h"
#include "picture_box.h"

#include "KeplerControls/meter.h"
#include "KeplerControls/spin_edit.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

using namespace Kepler;

namespace {

class WindowNamesTest : public ::testing::Test {
protected:
    InjectedPlatform Platform;
    TForm1 Form;
    TForm1Controls Controls{Form};
};

QAccessibleInterface* Accessible(QWidget* w)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    EXPECT_NE(iface, nullptr) << w->metaObject()->className();
    return iface;
}

TEST_F(WindowNamesTest, EveryControlHasAGermanNameAndItsRole)
{
    struct Case {
        QWidget* Control;
        const char* Name;
        QAccessible::Role Role;
    };
    const Case cases[] = {
        {Controls.EdtmA, "mittlere Anomalie", QAccessible::EditableText},
        {Controls.EdtwA, "wahre Anomalie", QAccessible::EditableText},
        {Controls.EdtStart, "Startdatum", QAccessible::EditableText},
        {Controls.BtnStart, "Start", QAccessible::Button},
        {Controls.BtnStop, "Stop", QAccessible::Button},
        {Controls.ScrollBarV, "Verzögerung", QAccessible::ScrollBar},
        {Controls.SpinEdit1, "Zeitschritte in Tagen", QAccessible::SpinBox},
        {Controls.ImgCanvas, "Bahnbild", QAccessible::Graphic},
        {Controls.Meter1, "Tendenz der Anomalien", QAccessible::Dial},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        QAccessibleInterface* iface = Accessible(c.Control);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->text(QAccessible::Name), QString::fromUtf8(c.Name));
        EXPECT_EQ(iface->role(), c.Role);
    }
}

TEST_F(WindowNamesTest, TitleIsReadWithoutItsLeadingSpace)
{
    EXPECT_EQ(Accessible(Controls.LblThema)->text(QAccessible::Name),
              QStringLiteral("Visualisierung:  wahre und mittlere Anomalie"));
    EXPECT_EQ(Controls.LblThema->text(), QStringLiteral(" Visualisierung:  wahre und mittlere Anomalie"));
}

TEST_F(WindowNamesTest, PictureAndGaugeSayWhatTheyShow)
{
    const QString picture = Accessible(Controls.ImgCanvas)->text(QAccessible::Description);
    for (const char* word : {"Planet", "rot", "Hilfskörper Q", "grün"})
        EXPECT_TRUE(picture.contains(QString::fromUtf8(word))) << word;
    const QString gauge = Accessible(Controls.Meter1)->text(QAccessible::Description);
    EXPECT_TRUE(gauge.contains(QStringLiteral("-1: mittlere Anomalie hinter der wahren")));
    EXPECT_TRUE(gauge.contains(QStringLiteral("+1: mittlere Anomalie vor der wahren")));
}

TEST_F(WindowNamesTest, DelayIsGivenInMilliseconds)
{
    QAccessibleInterface* iface = Accessible(Controls.ScrollBarV);
    EXPECT_EQ(iface->text(QAccessible::Description), QStringLiteral("0 ms"));
    Controls.ScrollBarV->setValue(250);
    EXPECT_EQ(iface->text(QAccessible::Description), QStringLiteral("250 ms"));
    auto* value = iface->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 250);
    EXPECT_EQ(value->minimumValue().toInt(), 0);
    EXPECT_EQ(value->maximumValue().toInt(), 500);
}

TEST_F(WindowNamesTest, LabelsNameTheControlsBesideThem)
{
    struct Pair {
        QLabel* Label;
        QWidget* Control;
    };
    const Pair pairs[] = {
        {Controls.LbtmA, Controls.EdtmA},           {Controls.LblwA, Controls.EdtwA},
        {Controls.Label2LblStartdatum, Controls.EdtStart}, {Controls.LblVerz, Controls.ScrollBarV},
        {Controls.Label1, Controls.SpinEdit1},
    };
    for (const Pair& p : pairs) {
        SCOPED_TRACE(p.Label->text().toStdString());
        bool found = false;
        for (const auto& [iface, relation] : Accessible(p.Control)->relations(QAccessible::Label))
            found = found || iface->object() == p.Label;
        EXPECT_TRUE(found);
    }
}

} // namespace
