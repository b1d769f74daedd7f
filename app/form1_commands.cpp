// The window's commands and the window as the runs see it.
#include "form1.h"
#include "desktop_run.h"

#include "info_text.h"
#include "picture_box.h"
#include "platform.h"

#include "KeplerControls/canvas.h"
#include "KeplerControls/meter.h"
#include "simulation_state.h"
#include "KeplerControls/spin_edit.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>

using namespace Kepler;

void TForm1::BtnStartClick()
{
    const SimulationState& s = Simulation();
    EdtStart->setText(QStringLiteral("%1.%2.%3").arg(s.StartDay).arg(s.StartMonth).arg(s.StartYear));
    FRun->Start();
}

void TForm1::BtnStopClick()
{
    FRun->Stop();
}

void TForm1::SpinEdit1Change()
{
    FRun->ChangeStep(double(SpinEdit1->Value()));
}

void TForm1::Optiions1Click()
{
    // Shown and answered by the window's event loop; the runs wait for it.
    auto* box = new QMessageBox(this);
    box->setWindowTitle(InfoBoxCaption());
    box->setIcon(QMessageBox::NoIcon);
    box->setTextFormat(Qt::PlainText);
    // Qt breaks lines at LF alone; a CR would show as a stray glyph.
    box->setText(InfoBoxText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")).trimmed());
    box->setStandardButtons(QMessageBox::Ok);
    box->setWindowModality(Qt::ApplicationModal);
    FRun->Hold();
    connect(box, &QDialog::finished, this, [this, box] {
        box->deleteLater();
        if (FInfoBox == box)
            FInfoBox = nullptr;
        FRun->Release();
    });
    FInfoBox = box;
    box->show();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // Closing ends every run at the end of its cycle.
    if (FRun->Depth() > 0)
        FRun->Stop();
    event->accept();
}

TCanvas& TForm1::PictureCanvas()
{
    return ImgCanvas->Picture().Canvas();
}

void TForm1::PictureChanged()
{
    ImgCanvas->update();
}

int TForm1::DelayMs() const
{
    return ScrollBarV->value();
}

std::string TForm1::DecimalSeparator() const
{
    return Platform().DecimalSeparator();
}

void TForm1::SetMeanText(const std::string& text)
{
    EdtmA->setText(QString::fromStdString(text));
}

std::string TForm1::MeanText() const
{
    return EdtmA->text().toStdString();
}

void TForm1::SetTrueText(const std::string& text)
{
    EdtwA->setText(QString::fromStdString(text));
}

std::string TForm1::TrueText() const
{
    return EdtwA->text().toStdString();
}

void TForm1::SetGaugeValue(double value)
{
    Meter1->SetValue(value);
}
