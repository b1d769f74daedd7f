#include "form_controls.h"
#include "form1.h"
#include "info_text.h"
#include "injected_platform.h"
#include "picture_box.h"
#include "window_zoom.h"
#include "zoom_note.h"

#include "KeplerControls/meter.h"
#include "KeplerControls/spin_edit.h"
#include "qt_announcement.h"
#include "qt_font.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

using namespace Kepler;

namespace {

class WindowTest : public ::testing::Test {
protected:
    InjectedPlatform Platform;
    TForm1 Form;
    TForm1Controls Controls{Form};
};

TEST_F(WindowTest, TitleAndFixedClientArea)
{
    EXPECT_EQ(Form.windowTitle(), QStringLiteral("Simulation Keplerprobleme"));
    EXPECT_EQ(Controls.Client->size(), QSize(618, 576));
    Form.show();
    EXPECT_EQ(Form.minimumSize(), Form.maximumSize());
    EXPECT_EQ(Form.centralWidget()->geometry().top(), Form.menuBar()->geometry().bottom() + 1);
    EXPECT_EQ(Controls.Client->palette().color(QPalette::Window), QColor(0xFF, 0xFB, 0xF0));
}

TEST_F(WindowTest, ControlsStandWhereDesigned)
{
    struct Place {
        QWidget* Control;
        QRect Rect;
    };
    const Place places[] = {
        {Controls.ImgCanvas, QRect(33, 64, 433, 433)},
        {Controls.EdtmA, QRect(155, 530, 86, 21)},
        {Controls.EdtwA, QRect(281, 530, 81, 21)},
        {Controls.BtnStart, QRect(504, 364, 81, 25)},
        {Controls.BtnStop, QRect(504, 459, 81, 25)},
        {Controls.ScrollBarV, QRect(488, 418, 111, 22)},
        {Controls.SpinEdit1, QRect(504, 525, 61, 22)},
        {Controls.EdtStart, QRect(494, 245, 105, 22)},
        {Controls.Meter1, QRect(494, 128, 105, 87)},
    };
    for (const Place& p : places)
        EXPECT_EQ(p.Control->geometry(), p.Rect) << p.Control->metaObject()->className();
}

TEST_F(WindowTest, LabelsTextsFontsAndColours)
{
    struct LabelCase {
        QLabel* Label;
        QPoint At;
        const char* Text;
        int PixelSize;
        bool Bold;
    };
    const LabelCase labels[] = {
        {Controls.LblThema, {33, 24}, " Visualisierung:  wahre und mittlere Anomalie", 21, false},
        {Controls.LbtmA, {152, 511}, "mittlere Anomalie", 11, true},
        {Controls.LblwA, {278, 511}, "wahre Anomalie", 11, true},
        {Controls.LblVerz, {515, 399}, "Verzögerung", 11, false},
        {Controls.Label1, {489, 503}, "Zeitschritte in Tagen", 11, false},
        {Controls.Label2LblStartdatum, {494, 224}, "Startdatum", 11, false},
        {Controls.LblDifftendenz, {502, 77}, "m. < w. Anomalie (-1)", 11, false},
        {Controls.LblAbwAno, {504, 96}, "m. > w. Anomalie (1)", 11, false},
    };
    for (const LabelCase& c : labels) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(c.Label->text(), QString::fromUtf8(c.Text));
        EXPECT_EQ(c.Label->pos(), c.At);
        EXPECT_EQ(c.Label->font().pixelSize(), c.PixelSize);
        EXPECT_EQ(c.Label->font().bold(), c.Bold);
        EXPECT_EQ(c.Label->font().family(), ResolveFontFamily(QStringLiteral("Tahoma")));
        // Sized to the text, not to the designed width.
        EXPECT_EQ(c.Label->size(), c.Label->sizeHint());
    }
    EXPECT_EQ(Controls.LblThema->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(Controls.LbtmA->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(Controls.LblwA->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

// Labels are as high as the classic metrics of their font say (13 for the
// 11 pixel Tahoma, 25 for the 21 pixel title), as the window was designed,
// with the baseline at the classic ascent; their widths are Qt's.
TEST_F(WindowTest, LabelsHaveTheDesignedLineHeight)
{
    QLabel plain(Controls.LblThema->text());
    plain.setFont(Controls.LblThema->font());
    plain.adjustSize();
    EXPECT_EQ(Controls.LblThema->size(), QSize(plain.width(), 25));
    for (QLabel* l : {Controls.LbtmA, Controls.LblwA, Controls.LblVerz, Controls.Label1, Controls.Label2LblStartdatum,
                      Controls.LblDifftendenz, Controls.LblAbwAno})
        EXPECT_EQ(l->height(), 13) << l->text().toStdString();

    // "mittlere Anomalie" has no descender: its lowest ink row is the one
    // above the baseline, row 11 - 1.
    Form.show();
    const QImage shown = Controls.LbtmA->grab().toImage();
    const QRgb background = shown.pixel(0, 0);
    int lowest = -1;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != background)
                lowest = y;
    EXPECT_EQ(lowest, 10);
}

TEST_F(WindowTest, EditsStartCentredWithTheirTexts)
{
    struct EditCase {
        QLineEdit* Edit;
        const char* Text;
        int PixelSize;
        QColor Colour;
    };
    const EditCase edits[] = {
        {Controls.EdtmA, "0°", 11, QColor(0, 128, 0)},
        {Controls.EdtwA, "0°", 11, QColor(255, 0, 0)},
        {Controls.EdtStart, "Startdatum", 12, Form.palette().color(QPalette::WindowText)},
    };
    for (const EditCase& c : edits) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(c.Edit->text(), QString::fromUtf8(c.Text));
        EXPECT_EQ(c.Edit->alignment(), Qt::AlignCenter);
        EXPECT_EQ(c.Edit->font().pixelSize(), c.PixelSize);
        EXPECT_TRUE(c.Edit->font().bold());
        EXPECT_EQ(c.Edit->palette().color(QPalette::Text), c.Colour);
    }
}

TEST_F(WindowTest, RegulatorsButtonsAndTabOrder)
{
    EXPECT_EQ(Controls.ScrollBarV->minimum(), 0);
    EXPECT_EQ(Controls.ScrollBarV->maximum(), 500);
    EXPECT_EQ(Controls.ScrollBarV->value(), 0);
    EXPECT_EQ(Controls.ScrollBarV->singleStep(), 1);
    EXPECT_EQ(Controls.ScrollBarV->pageStep(), 1);
    EXPECT_EQ(Controls.SpinEdit1->MinValue(), 1);
    EXPECT_EQ(Controls.SpinEdit1->MaxValue(), 30);
    EXPECT_EQ(Controls.SpinEdit1->Value(), 1);
    for (QPushButton* b : {Controls.BtnStart, Controls.BtnStop}) {
        EXPECT_FALSE(b->isDefault());
        EXPECT_FALSE(b->autoDefault());
    }
    EXPECT_EQ(Controls.BtnStart->text(), QStringLiteral("Start"));
    EXPECT_EQ(Controls.BtnStop->text(), QStringLiteral("Stop"));

    const QWidget* order[] = {Controls.EdtmA, Controls.EdtwA, Controls.ImgCanvas, Controls.BtnStart, Controls.BtnStop,
                              Controls.ScrollBarV, Controls.SpinEdit1, Controls.EdtStart};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget* next = order[i - 1]->nextInFocusChain();
        while (next && !(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, order[i]) << "after " << i - 1;
    }
    EXPECT_EQ(Form.focusWidget(), Controls.EdtmA);
}

TEST_F(WindowTest, GaugeKeepsTheGeometryOfItsLoadingOrder)
{
    EXPECT_NEAR(Controls.Meter1->ScaleRadius(), 48.783, 5e-4);
    EXPECT_EQ(Controls.Meter1->OriginX(), 52);
    EXPECT_EQ(Controls.Meter1->OriginY(), 69);
    EXPECT_EQ(Controls.Meter1->RimTop(), 3);
    EXPECT_EQ(Controls.Meter1->MeterMinValue(), -1.0);
    EXPECT_EQ(Controls.Meter1->MeterMaxValue(), 1.0);
    EXPECT_EQ(Controls.Meter1->MeterLayout(), mlCirc90);
    EXPECT_TRUE(Controls.Meter1->NeedleLayout().Visible());
    EXPECT_FALSE(Controls.Meter1->NeedleLayoutSec().Visible());
    EXPECT_FALSE(Controls.Meter1->Loading());
}

TEST_F(WindowTest, PictureStartsWithTheDiagram)
{
    const TBitmap& pic = Controls.ImgCanvas->Picture();
    ASSERT_EQ(pic.Width(), 433);
    ASSERT_EQ(pic.Height(), 433);
    EXPECT_EQ(pic.Pixel(0, 0), clBlack);
    EXPECT_EQ(pic.Pixel(100, 100), clWhite);
    EXPECT_EQ(pic.Pixel(150, 270), clBlack); // the base line
    EXPECT_EQ(pic.Pixel(283, 137), clRed);   // the planet
    EXPECT_EQ(pic.Pixel(283, 93), clGreen);  // Q
}

TEST_F(WindowTest, StepBoxWritesTheStep)
{
    Controls.SpinEdit1->SetValue(7);
    EXPECT_EQ(Simulation().StepDays, 7.0);
}

TEST(InfoTextTest, ThirteenLinesEachEndedByCrLf)
{
    const QString text = InfoBoxText();
    EXPECT_EQ(text.size(), 737);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 14);
    EXPECT_TRUE(lines[13].isEmpty());
    EXPECT_TRUE(lines[9].isEmpty());
    EXPECT_EQ(lines[0], QStringLiteral("Dieses Programm simuliert den Unterschied zwischen wahrer und "));
    EXPECT_EQ(lines[11], QStringLiteral("Der Verzögrungsregler dient dem besseren verfolgen der Körper."));
}

TEST_F(WindowTest, OpeningInfosShowsTheModalBox)
{
    EXPECT_EQ(Controls.Optiions1->title(), QStringLiteral("Infos"));
    ASSERT_EQ(Controls.Optiions1->actions().size(), 1);
    EXPECT_EQ(Controls.Infos1->text(), QStringLiteral("Hilfe"));

    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    int buttons = 0;
    bool modal = false;
    // Opening the drop-down list is what shows the box, once the list is up.
    emit Controls.Optiions1->aboutToShow();
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = int(box->buttons().size());
        modal = box->isModal() && box->parentWidget() == &Form;
        box->button(QMessageBox::Ok)->click();
    });
    QCoreApplication::processEvents();

    EXPECT_EQ(caption, QStringLiteral("Information zum Programm"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("Dieses Programm simuliert")));
    EXPECT_EQ(text.count(QLatin1Char('\n')), 12);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttons, 1);
    EXPECT_TRUE(modal);
}

// The zoom shows for a moment where it hides nothing: not the picture, not
// a control, not a label; assistive technology reads it as a value and
// hears each change.
TEST_F(WindowTest, ZoomNoteShowsTheZoomClearOfEverything)
{
    auto* note = Form.findChild<TZoomNote*>(QStringLiteral("ZoomNote"));
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->parentWidget(), Controls.Client);
    EXPECT_EQ(note->geometry(), TZoomNote::Place);
    for (QWidget* w : Controls.Client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w == note)
            continue;
        EXPECT_FALSE(w->geometry().intersects(note->geometry())) << w->objectName().toStdString();
    }
    EXPECT_TRUE(note->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(note->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(note->Opacity(), 0.0);

    std::vector<int> heard;
    Platform.OnAnnounce = [&](const TAnnouncement& a) {
        const std::unique_ptr<QAccessibleEvent> e = QtAccessibleEvent(a);
        if (e && e->type() == QAccessible::ValueChanged && e->object() == note)
            heard.push_back(static_cast<QAccessibleValueChangeEvent&>(*e).value().toInt());
    };
    note->ShowZoom(150, 300);
    EXPECT_EQ(note->Opacity(), 1.0);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(note);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::StatusBar);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Zoom"));
    EXPECT_EQ(a->text(QAccessible::Value), QStringLiteral("150\u00a0%"));
    ASSERT_NE(a->valueInterface(), nullptr);
    EXPECT_EQ(a->valueInterface()->currentValue().toInt(), 150);
    EXPECT_EQ(a->valueInterface()->minimumValue().toInt(), 100);
    EXPECT_EQ(a->valueInterface()->maximumValue().toInt(), 300);
    note->ShowZoom(150, 300); // the same zoom again: shown, not heard twice
    EXPECT_EQ(heard, std::vector<int>{150});
    // It fades out by itself.
    QTest::qWait(2200);
    EXPECT_EQ(note->Opacity(), 0.0);
}

TEST_F(WindowTest, HilfeDoesNothing)
{
    Controls.Infos1->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(Simulation().RunState, 0);
}

} // namespace
