// A form loaded at run time with QUiLoader sets colours, fonts, an enum and
// numbers on both controls, and the gauge shows them on its face.
#include "KeplerControls/meter.h"
#include "KeplerControls/spin_edit.h"
#include "qt_bitmap.h"

#include <QFile>
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
