#include "run_loop.h"
#include "orbit_step.h"
#include "simulation_state.h"

#include "KeplerControls/canvas.h"
#include "KeplerControls/colors.h"
#include "decimal_text.h"
#include "messages.h"
#include "saturating.h"
#include "tick_counter.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>

using namespace Kepler;

namespace {

int RunDepth = 0;

// Keeps the nesting count right however a run is left.
class TRunDepthGuard {
public:
    TRunDepthGuard() { ++RunDepth; }
    ~TRunDepthGuard() { --RunDepth; }
    TRunDepthGuard(const TRunDepthGuard&) = delete;
    TRunDepthGuard& operator=(const TRunDepthGuard&) = delete;
};

// A circle 4 pixels across at (x, y). Far off the picture the coordinate
// stands at the 32-bit end, where the box's far edge stays there too.
void DrawCircle(TCanvas& c, std::int32_t x, std::int32_t y)
{
    c.Ellipse(x, y, SaturatingAdd(x, 4), SaturatingAdd(y, 4));
}

} // namespace

void DrawFixedMarks(TCanvas& c)
{
    c.Pen().SetColor(clBlue);
    c.Ellipse(212, 214, 216, 218);
    c.MoveTo(10, 216);
    c.LineTo(422, 216);
    c.TextOut(215, 222, "C");
    c.Pen().SetColor(clYellow);
    c.Ellipse(300, 210, 308, 218);
    c.TextOut(298, 222, "S");
}

QString FormatReadout(double degrees)
{
    QString text;
    if (std::isnan(degrees)) {
        text = QStringLiteral("NAN");
    } else if (std::isinf(degrees)) {
        text = degrees < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    } else {
        // At most 4 significant digits and one decimal, rounded on the
        // exact binary value.
        const std::string body = FixedDecimalText(ExactDecimalDigits(std::fabs(degrees)), 1, 4);
        text = QString::fromLatin1(body).replace(QLatin1Char('.'), QLocale().decimalPoint());
        if (degrees < 0 && !IsZeroDecimalText(body))
            text.prepend(QLatin1Char('-'));
    }
    return text + QStringLiteral(" \u00B0");
}

void WaitWithMessages(int delayMs)
{
    const std::uint32_t start = GetTickCount();
    for (;;) {
        ProcessMessages();
        const std::uint32_t elapsed = GetTickCount() - start; // wraps correctly
        if (std::int64_t(elapsed) > std::int64_t(delayMs))
            return;
        // Sleep until the next message or the moment the delay is exceeded,
        // instead of spinning on the counter.
        const std::int64_t remaining = std::int64_t(delayMs) - std::int64_t(elapsed) + 1;
        WaitForMessages(int(std::min<std::int64_t>(remaining, 1000)));
    }
}

void UpdateReadouts(TRunLoopView& view)
{
    SimulationState& s = Simulation();
    view.SetMeanText(FormatReadout(s.MeanAnomaly * 180 / std::numbers::pi + 90));
    view.SetTrueText(FormatReadout(s.TrueAnomaly * 180 / std::numbers::pi + 90));
    if (view.MeanText() == view.TrueText())
        s.RunState = RunStateStopped;
    if (s.MeanAnomaly < s.TrueAnomaly)
        view.SetGaugeValue(-1);
    else if (s.MeanAnomaly > s.TrueAnomaly)
        view.SetGaugeValue(1);
}

void RunSimulation(TRunLoopView& view)
{
    const TRunDepthGuard depth;
    SimulationState& s = Simulation();
    TCanvas& c = view.PictureCanvas();
    DrawFixedMarks(c);
    view.PictureChanged();
    for (;;) {
        ComputeOrbitStep();
        WaitWithMessages(view.DelayMs());
        c.Pen().SetColor(clGreen);
        DrawCircle(c, s.MeanX, s.MeanY);
        ComputePlanetPixel();
        c.Pen().SetColor(clRed);
        DrawCircle(c, s.TrueX, s.TrueY);
        view.PictureChanged();
        ProcessMessages();
        UpdateReadouts(view);
        s.DayNumber = s.DayNumber + s.StepDays;
        if (s.RunState == RunStateStopped)
            return;
    }
}

int RunSimulationDepth()
{
    return RunDepth;
}
