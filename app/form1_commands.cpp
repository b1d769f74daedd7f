// The window's commands and the run loop's view of the window.
#include "form1.h"

#include "info_text.h"
#include "picture_box.h"

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
    SimulationState& s = Simulation();
    EdtStart->setText(QStringLiteral("%1.%2.%3").arg(s.StartDay).arg(s.StartMonth).arg(s.StartYear));
    // Each Start during a run nests a run on the call stack. At the bound a
    // press only restarts the picture, with its fixed marks, and the runs
    // already going carry on, so endless pressing cannot exhaust the stack.
    // It leaves the run state alone: a Stop handled just before it holds.
    const bool nests = RunSimulationDepth() < MaxRunDepth;
    if (nests)
        s.RunState = RunStateRunning;
    TCanvas& c = PictureCanvas();
    c.Pen().SetColor(clBlack);
    c.Rectangle(1, 1, 432, 432);
    if (!nests) {
        DrawFixedMarks(c);
        PictureChanged();
        return;
    }
    PictureChanged();
    RunSimulation(*this);
    if (s.RunState == RunStateStopped)
        Meter1->SetValue(0);
}

void TForm1::BtnStopClick()
{
    Simulation().RunState = RunStateStopped;
}

void TForm1::SpinEdit1Change()
{
    Simulation().StepDays = double(SpinEdit1->Value());
}

void TForm1::Optiions1Click()
{
    QMessageBox box(this);
    box.setWindowTitle(InfoBoxCaption());
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    // Qt breaks lines at LF alone; a CR would show as a stray glyph.
    box.setText(InfoBoxText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")).trimmed());
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // Closing ends every run; once they have unwound the application's
    // loop sees the quit that closing the last window requests.
    if (RunSimulationDepth() > 0)
        Simulation().RunState = RunStateStopped;
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

void TForm1::SetMeanText(const QString& text)
{
    EdtmA->setText(text);
}

QString TForm1::MeanText() const
{
    return EdtmA->text();
}

void TForm1::SetTrueText(const QString& text)
{
    EdtwA->setText(text);
}

QString TForm1::TrueText() const
{
    return EdtwA->text();
}

void TForm1::SetGaugeValue(double value)
{
    Meter1->SetValue(value);
}
