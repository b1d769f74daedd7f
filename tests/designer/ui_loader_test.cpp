// A form loaded at run time with QUiLoader sets colours, fonts, an enum and
// numbers on both controls, and the gauge shows them on its face.
#include "KeplerControls/meter.h"
#include "KeplerControls/spin_edit.h"
#include "qt_bitmap.h"

#include <QBuffer>
#include <QFile>
#include <QFormBuilder>
#include <QUiLoader>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace Kepler;

namespace {

// A program that links the controls makes them itself; QUiLoader asks here
// for the classes it does not know.
class ControlsLoader : public QUiLoader {
public:
    QWidget* createWidget(const QString& className, QWidget* parent, const QString& name) override
    {
        QWidget* w = nullptr;
        if (className == QLatin1String("Kepler::TMeter"))
            w = new TMeter(parent);
        else if (className == QLatin1String("Kepler::TSpinEdit"))
            w = new TSpinEdit(parent);
        else
            return QUiLoader::createWidget(className, parent, name);
        w->setObjectName(name);
        return w;
    }
};

int CountPixels(const TBitmap& face, TColor c)
{
    int n = 0;
    for (int y = 0; y < face.Height(); ++y)
        for (int x = 0; x < face.Width(); ++x)
            n += face.Pixel(x, y) == c;
    return n;
}

class UiLoaderForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile file(QStringLiteral(KEPLER_STYLED_FORM));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        ControlsLoader loader;
        Form.reset(loader.load(&file));
        ASSERT_NE(Form, nullptr) << loader.errorString().toStdString();
        Gauge = Form->findChild<TMeter*>(QStringLiteral("gauge"));
        Spin = Form->findChild<TSpinEdit*>(QStringLiteral("step"));
        ASSERT_NE(Gauge, nullptr);
        ASSERT_NE(Spin, nullptr);
    }

    std::unique_ptr<QWidget> Form;
    TMeter* Gauge = nullptr;
    TSpinEdit* Spin = nullptr;
};

} // namespace

TEST_F(UiLoaderForm, GaugeTakesColoursFontsEnumAndNumbers)
{
    EXPECT_EQ(Gauge->MeterLayout(), mlCirc180);
    EXPECT_EQ(Gauge->MeterMaxValue(), 250.0);
    EXPECT_EQ(Gauge->Value(), 120.0);
    EXPECT_EQ(Gauge->Caption(), "km/h");
    EXPECT_EQ(Gauge->ColorBakG(), clOrange);
    EXPECT_EQ(Gauge->ColorScale(), clNavy);
    EXPECT_EQ(Gauge->Font().Name(), "DejaVu Serif");
    EXPECT_EQ(Gauge->Font().Height(), -16); // 12 points at 96 pixels per inch
    EXPECT_EQ(Gauge->Font().Style(), fsItalic);
    EXPECT_FALSE(Gauge->ParentFont());
    EXPECT_EQ(Gauge->FontCaption().Name(), "DejaVu Sans");
    EXPECT_EQ(Gauge->FontCaption().Height(), -20);
    EXPECT_EQ(Gauge->FontCaption().Style(), fsBold);
}

TEST_F(UiLoaderForm, GaugeShowsThemOnItsFace)
{
    Form->show();
    Gauge->Paint();
    EXPECT_GT(CountPixels(Gauge->Face(), clOrange), 10000);
    EXPECT_GT(CountPixels(Gauge->Face(), clNavy), 100);
    const QImage loaded = QtImage(Gauge->Face()).copy();
    // The same gauge with the default fonts draws other labels and caption.
    Gauge->SetFont(TFont());
    Gauge->SetFontCaption(TFont());
    Gauge->Paint();
    EXPECT_NE(loaded, QtImage(Gauge->Face()));
}

TEST_F(UiLoaderForm, SpinBoxTakesColourFontAndNumbers)
{
    EXPECT_EQ(Spin->MaxValue(), 30);
    EXPECT_EQ(Spin->Value(), 7);
    EXPECT_EQ(Spin->Color(), clYellow);
    EXPECT_EQ(Spin->palette().color(Spin->backgroundRole()), QColor(255, 255, 0));
    EXPECT_EQ(Spin->font().family(), "DejaVu Sans");
    EXPECT_EQ(Spin->font().pointSize(), 14);
    EXPECT_FALSE(Spin->ParentFont());
}

namespace {

// A form whose caption font was set to 16 points in Designer.
const char kCaptionInPoints[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>CaptionForm</class>
 <widget class="QWidget" name="CaptionForm">
  <layout class="QVBoxLayout" name="column">
   <item>
    <widget class="Kepler::TMeter" name="gauge">
     <property name="Caption" stdset="0">
      <string>km/h</string>
     </property>
     <property name="FontCaption" stdset="0">
      <font><family>DejaVu Sans</family><pointsize>16</pointsize></font>
     </property>
    </widget>
   </item>
  </layout>
 </widget>
</ui>
)";

std::unique_ptr<QWidget> LoadForm(const QByteArray& ui)
{
    QBuffer buffer;
    buffer.setData(ui);
    buffer.open(QIODevice::ReadOnly);
    ControlsLoader loader;
    return std::unique_ptr<QWidget>(loader.load(&buffer));
}

} // namespace

// A caption font set in points keeps its points through Designer: read back
// (as Designer reads it to save the form) it is 16 points, not a pixel size,
// which a .ui file cannot hold and would store as point size -1. Loaded again
// from what was saved, the gauge has the same caption font.
TEST(UiLoaderFontUnits, ACaptionFontInPointsSurvivesSavingTheForm)
{
    const std::unique_ptr<QWidget> form = LoadForm(kCaptionInPoints);
    ASSERT_NE(form, nullptr);
    auto* gauge = form->findChild<TMeter*>(QStringLiteral("gauge"));
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->FontCaption().Height(), -21); // 16 points at 96 pixels per inch
    const QFont read = gauge->property("FontCaption").value<QFont>();
    EXPECT_EQ(read.pointSize(), 16);
    EXPECT_EQ(read.family(), "DejaVu Sans");

    // What Designer would save: the form written out by Qt's form builder.
    QBuffer saved;
    saved.open(QIODevice::WriteOnly);
    QFormBuilder builder;
    builder.save(&saved, form.get());
    const QByteArray ui = saved.data();
    const qsizetype at = ui.indexOf("name=\"FontCaption\"");
    ASSERT_GE(at, 0) << ui.toStdString();
    const QByteArray caption = ui.mid(at, ui.indexOf("</property>", at) - at);
    EXPECT_TRUE(caption.contains("<pointsize>16</pointsize>")) << caption.toStdString();

    const std::unique_ptr<QWidget> again = LoadForm(ui);
    ASSERT_NE(again, nullptr);
    auto* reloaded = again->findChild<TMeter*>(QStringLiteral("gauge"));
    ASSERT_NE(reloaded, nullptr);
    EXPECT_EQ(reloaded->FontCaption().Height(), -21);
    EXPECT_EQ(reloaded->property("FontCaption").value<QFont>().pointSize(), 16);
}
