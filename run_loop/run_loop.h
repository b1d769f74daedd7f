#pragma once
#include <QString>

namespace Kepler { class TCanvas; }

// What the run loop needs from the main window: the picture it draws into,
// the delay regulator, the two readouts and the gauge. Tests supply their own.
class TRunLoopView {
public:
    virtual ~TRunLoopView() = default;

    // The picture's drawing surface; PictureChanged() asks for a repaint.
    virtual Kepler::TCanvas& PictureCanvas() = 0;
    virtual void PictureChanged() = 0;
    // The delay in milliseconds, read once per cycle.
    virtual int DelayMs() const = 0;
    virtual void SetMeanText(const QString& text) = 0;
    virtual QString MeanText() const = 0;
    virtual void SetTrueText(const QString& text) = 0;
    virtual QString TrueText() const = 0;
    virtual void SetGaugeValue(double value) = 0;
};

// Each Start pressed during a run nests one more run on the call stack; this
// bounds how deep that can go.
inline constexpr int MaxRunDepth = 16;

// The marks every run starts with: the blue horizontal and centre mark, the
// Sun and the letters "C" and "S".
void DrawFixedMarks(Kepler::TCanvas& c);

// Draws the fixed marks, then runs cycles until RunState is "E" at the end
// of one.
void RunSimulation(TRunLoopView& view);
// How many runs are active right now (0 when idle, more when nested).
int RunSimulationDepth();

// Returns once more than delayMs milliseconds have passed on the tick
// counter, handling window messages meanwhile.
void WaitWithMessages(int delayMs);

// Writes both readouts, ends the run on equal texts and sets the gauge.
void UpdateReadouts(TRunLoopView& view);

// An angle in degrees as the readouts show it: one decimal, halves away from
// zero, the locale's decimal separator, no sign on a zero, then " °".
QString FormatReadout(double degrees);
