// What screen readers and other assistive technology hear about the window:
// a German name for every control, what the picture and the gauge show, and
// which label belongs to which control.
#include "form1.h"

#include "KeplerControls/meter.h"
#include "picture_box.h"
#include "KeplerControls/spin_edit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace Kepler;

namespace {

QString DelayText(int ms)
{
    return QStringLiteral("%1 ms").arg(ms);
}

} // namespace

void TForm1::SetAccessibleTexts()
{
    // The zoom keys act on the whole window; no menu shows them.
    setAccessibleDescription(QStringLiteral(
        "Strg+Plus vergrößert das Fenster, Strg+Minus verkleinert es, Strg+0 stellt die "
        "Originalgröße wieder her (auch Strg mit dem Mausrad); F11 zeigt es bildschirmfüllend, "
        "F11 oder Escape beenden das."));
    ImgCanvas->setAccessibleName(QStringLiteral("Bahnbild"));
    ImgCanvas->setAccessibleDescription(QStringLiteral(
        "Bahn des Planeten um die Sonne mit Hilfskreis. Während eines Laufs zieht der Planet "
        "(rot) seine Spur auf der Ellipse, der Hilfskörper Q (grün) mit konstanter "
        "Winkelgeschwindigkeit auf dem Kreis."));

    Meter1->setAccessibleName(QStringLiteral("Tendenz der Anomalien"));
    Meter1->setAccessibleDescription(QStringLiteral(
        "-1: mittlere Anomalie hinter der wahren, +1: mittlere Anomalie vor der wahren, "
        "0: kein Lauf"));

    EdtmA->setAccessibleName(QStringLiteral("mittlere Anomalie"));
    EdtmA->setAccessibleDescription(QStringLiteral("in Grad"));
    EdtwA->setAccessibleName(QStringLiteral("wahre Anomalie"));
    EdtwA->setAccessibleDescription(QStringLiteral("in Grad"));
    EdtStart->setAccessibleName(QStringLiteral("Startdatum"));

    BtnStart->setAccessibleName(QStringLiteral("Start"));
    BtnStart->setAccessibleDescription(QStringLiteral("Bild leeren und Simulation starten"));
    BtnStop->setAccessibleName(QStringLiteral("Stop"));
    BtnStop->setAccessibleDescription(QStringLiteral("Simulation beenden"));

    // The scroll bar's bare number says nothing; the description gives the unit.
    ScrollBarV->setAccessibleName(QStringLiteral("Verzögerung"));
    ScrollBarV->setAccessibleDescription(DelayText(ScrollBarV->value()));
    connect(ScrollBarV, &QScrollBar::valueChanged, this,
            [this](int ms) { ScrollBarV->setAccessibleDescription(DelayText(ms)); });

    SpinEdit1->setAccessibleName(QStringLiteral("Zeitschritte in Tagen"));

    // The caption's leading space is for the look; a screen reader reads words.
    LblThema->setAccessibleName(LblThema->text().trimmed());

    // The labels name the controls beside them; no access keys are involved.
    LbtmA->setBuddy(EdtmA);
    LblwA->setBuddy(EdtwA);
    Label2LblStartdatum->setBuddy(EdtStart);
    LblVerz->setBuddy(ScrollBarV);
    Label1->setBuddy(SpinEdit1);
}
