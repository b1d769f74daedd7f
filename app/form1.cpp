#include "form1.h"
#include "desktop_run.h"
#include "qt_font.h"
#include "qt_bitmap.h"

#include "menu_bar_style.h"
#include "meter1_settings.h"
#include "picture_box.h"
#include "scroll_bar.h"
#include "window_zoom.h"

#include "qt_colors.h"
#include "KeplerControls/font.h"
#include "image_file.h"
#include "show_exception.h"
#include "KeplerControls/meter.h"
#include "KeplerControls/spin_edit.h"

#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>

#include <QEvent>
#include <algorithm>
#include <utility>

using namespace Kepler;

namespace {

// "Tahoma" at a character height in pixels.
QFont TahomaFont(int height, bool bold)
{
    TFont f;
    f.SetHeight(-height);
    f.SetStyle(bold ? fsBold : 0);
    return ToQFont(f);
}

void SetTextColor(QWidget* w, TColor c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, ToQColor(c));
    pal.setColor(QPalette::Text, ToQColor(c));
    w->setPalette(pal);
}

// A label that sizes itself to its text as the window was designed: Qt's
// width, the classic line height, the baseline at the classic ascent.
class TAutoSizeLabel : public QLabel {
public:
    TAutoSizeLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
    {
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        PlaceBaseline();
    }

    QSize sizeHint() const override
    {
        return {QLabel::sizeHint().width(), ClassicTextMetrics(font()).Height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void changeEvent(QEvent* e) override
    {
        if (e->type() == QEvent::FontChange)
            PlaceBaseline();
        QLabel::changeEvent(e);
    }

private:
    void PlaceBaseline()
    {
        const int below = ClassicTextMetrics(font()).Ascent - fontMetrics().ascent();
        setContentsMargins(0, std::max(below, 0), 0, 0);
    }
};

// With Tahoma the texts fit the window as designed. A machine without it
// draws them in a wider font, which could run a label past the window's
// edge: such a label's font is made smaller until the whole text fits.
void FitIntoParent(QLabel* l)
{
    QFont f = l->font();
    while (l->x() + l->sizeHint().width() > l->parentWidget()->width() && f.pixelSize() > 6) {
        f.setPixelSize(f.pixelSize() - 1);
        l->setFont(f);
    }
    l->adjustSize();
}

// A label sizes itself to its text; the designed width is only a start.
QLabel* MakeLabel(QWidget* parent, int left, int top, const QString& text)
{
    auto* l = new TAutoSizeLabel(text, parent);
    l->move(left, top);
    FitIntoParent(l);
    return l;
}

QLabel* MakeLabel(QWidget* parent, int left, int top, const QString& text, int height, bool bold,
                  TColor color)
{
    auto* l = new TAutoSizeLabel(text, parent);
    l->setFont(TahomaFont(height, bold));
    SetTextColor(l, color);
    l->move(left, top);
    FitIntoParent(l);
    return l;
}

QLineEdit* MakeEdit(QWidget* parent, const QRect& r, const QString& text, int height, TColor color)
{
    auto* e = new QLineEdit(text, parent);
    e->setGeometry(r);
    e->setAlignment(Qt::AlignCenter);
    e->setFont(TahomaFont(height, true));
    SetTextColor(e, color);
    return e;
}

QPushButton* MakeButton(QWidget* parent, const QRect& r, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setGeometry(r);
    // Enter must not press a button behind the user's back.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Simulation Keplerprobleme"));
    // Before the controls: the step box reports its value as it loads.
    FRun = new TDesktopRun(*this, this);
    CreateMenu();
    CreateControls();
    SetTabOrder();
    SetAccessibleTexts();
    // The client area is fixed; the window takes its size from it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    FZoom = new TWindowZoom(*this);
    EdtmA->setFocus();
}

TForm1::~TForm1() = default;

void TForm1::CreateMenu()
{
    MainMenu1 = menuBar();
    auto* style = new TMenuBarStyle;
    style->setParent(MainMenu1);
    MainMenu1->setStyle(style);
    Optiions1 = MainMenu1->addMenu(QStringLiteral("Infos"));
    Infos1 = Optiions1->addAction(QStringLiteral("Hilfe"));
    // The entry acts when its list is about to open. The box comes from a
    // queued call, once Qt has opened the list: a modal box inside Qt's own
    // handling of the key or click that opens the list would let the menu
    // bar reopen the list under the box, and Qt's menu handling would go on
    // with a menu that is no longer there.
    connect(Optiions1, &QMenu::aboutToShow, this, [this] {
        if (FInfosState != TInfosState::Idle)
            return; // the box is on its way or open, or the list is coming back
        FInfosState = TInfosState::BoxQueued;
        QMetaObject::invokeMethod(this, &TForm1::ShowInfosFromMenu, Qt::QueuedConnection);
    });
}

void TForm1::ShowInfosFromMenu()
{
    const bool listOpen = Optiions1->isVisible();
    FInfosState = TInfosState::BoxOpen;
    FInfoBox = nullptr;
    GuardEvent([this] {
        // An open list takes every key and click, so the box could not be
        // used; it closes for the box and comes back afterwards.
        Optiions1->hide();
        Optiions1Click();
    });
    if (!FInfoBox) {
        FInfosState = TInfosState::Idle;
        return;
    }
    connect(FInfoBox, &QDialog::finished, this, [this, listOpen] {
        GuardEvent([&] {
            if (listOpen && isVisible())
                MainMenu1->setActiveAction(Optiions1->menuAction());
        });
        FInfosState = TInfosState::Idle;
        // An open list holds the runs, as any modal interaction does.
        HoldRunWhileListOpen();
    });
}

void TForm1::HoldRunWhileListOpen()
{
    if (!Optiions1->isVisible())
        return;
    // The runs go on where they were once the list has closed, with or
    // without a choice.
    FRun->Hold();
    connect(Optiions1, &QMenu::aboutToHide, this, [this] { FRun->Release(); }, Qt::SingleShotConnection);
}

void TForm1::CreateControls()
{
    Client = new QWidget(this);
    Client->setFixedSize(ClientWidth, ClientHeight);
    QPalette pal = Client->palette();
    pal.setColor(QPalette::Window, ToQColor(clCream));
    pal.setColor(QPalette::WindowText, ToQColor(clWindowText));
    Client->setPalette(pal);
    Client->setAutoFillBackground(true);
    Client->setFont(TahomaFont(11, false));
    setCentralWidget(Client);

    ImgCanvas = new TPictureBox(433, 433, Client);
    ImgCanvas->move(33, 64);
    // Without its diagram the picture stays white: the run still draws.
    ReadImageFileInto(ImgCanvas->Picture(), QStringLiteral(":/diagram.png"), "png");

    LblThema = MakeLabel(Client, 33, 24, QStringLiteral(" Visualisierung:  wahre und mittlere Anomalie"),
                         21, false, clBlue);
    LbtmA = MakeLabel(Client, 152, 511, QStringLiteral("mittlere Anomalie"), 11, true, clGreen);
    LblwA = MakeLabel(Client, 278, 511, QStringLiteral("wahre Anomalie"), 11, true, clRed);
    LblVerz = MakeLabel(Client, 515, 399, QStringLiteral("Verzögerung"));
    Label1 = MakeLabel(Client, 489, 503, QStringLiteral("Zeitschritte in Tagen"));

    Meter1 = new TMeter(Client);
    ApplyMeter1Settings(*Meter1);

    Label2LblStartdatum = MakeLabel(Client, 494, 224, QStringLiteral("Startdatum"));
    LblDifftendenz = MakeLabel(Client, 502, 77, QStringLiteral("m. < w. Anomalie (-1)"));
    LblAbwAno = MakeLabel(Client, 504, 96, QStringLiteral("m. > w. Anomalie (1)"));

    EdtmA = MakeEdit(Client, QRect(155, 530, 86, 21), QStringLiteral("0°"), 11, clGreen);
    EdtwA = MakeEdit(Client, QRect(281, 530, 81, 21), QStringLiteral("0°"), 11, clRed);

    BtnStart = MakeButton(Client, QRect(504, 364, 81, 25), QStringLiteral("Start"));
    connect(BtnStart, &QPushButton::clicked, this, [this] { GuardEvent([this] { BtnStartClick(); }); });
    BtnStop = MakeButton(Client, QRect(504, 459, 81, 25), QStringLiteral("Stop"));
    connect(BtnStop, &QPushButton::clicked, this, [this] { GuardEvent([this] { BtnStopClick(); }); });

    ScrollBarV = new TScrollBar(Qt::Horizontal, Client);
    ScrollBarV->setGeometry(488, 418, 111, 22);
    ScrollBarV->setRange(0, 500);
    ScrollBarV->setSingleStep(1);
    ScrollBarV->setPageStep(1);
    ScrollBarV->setValue(0);

    SpinEdit1 = new TSpinEdit(Client);
    SpinEdit1->BeginLoading();
    SpinEdit1->SetBounds(504, 525, 61, 22);
    SpinEdit1->SetFont(TFont()); // the window's font
    SpinEdit1->SetMaxValue(30);
    SpinEdit1->SetMinValue(1);
    SpinEdit1->SetValue(1);
    SpinEdit1->OnChange = [this](auto&&...) { SpinEdit1Change(); };
    SpinEdit1->Loaded();

    EdtStart = MakeEdit(Client, QRect(494, 245, 105, 22), QStringLiteral("Startdatum"), 12, clWindowText);

    // Each control is found by its name from outside the window.
    const std::pair<QObject*, const char*> names[] = {
        {Client, "Client"},
        {ImgCanvas, "ImgCanvas"},
        {LblThema, "LblThema"},
        {LbtmA, "LbtmA"},
        {LblwA, "LblwA"},
        {LblVerz, "LblVerz"},
        {Label1, "Label1"},
        {Meter1, "Meter1"},
        {Label2LblStartdatum, "Label2LblStartdatum"},
        {LblDifftendenz, "LblDifftendenz"},
        {LblAbwAno, "LblAbwAno"},
        {EdtmA, "EdtmA"},
        {EdtwA, "EdtwA"},
        {BtnStart, "BtnStart"},
        {BtnStop, "BtnStop"},
        {ScrollBarV, "ScrollBarV"},
        {SpinEdit1, "SpinEdit1"},
        {EdtStart, "EdtStart"},
        {MainMenu1, "MainMenu1"},
        {Optiions1, "Optiions1"},
        {Infos1, "Infos1"},
    };
    for (const auto& [control, name] : names)
        control->setObjectName(QString::fromLatin1(name));
}

void TForm1::SetTabOrder()
{
    // The picture comes after the readouts: its menu copies and saves it.
    QWidget* order[] = {EdtmA, EdtwA, ImgCanvas, BtnStart, BtnStop, ScrollBarV, SpinEdit1, EdtStart};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
