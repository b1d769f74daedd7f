#include "run_loop.h"
#include "orbit_step.h"
#include "simulation_state.h"

#include "canvas.h"
#include "colors.h"
#include "messages.h"
#include "tick_counter.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <string>

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

void DrawFixedMarks(TCanvas& c)
{
    c.Pen().SetColor(clBlue);
    c.Ellipse(212, 214, 216, 218);
    c.MoveTo(10, 216);
    c.LineTo(422, 216);
    c.TextOut(215, 222, QStringLiteral("C"));
    c.Pen().SetColor(clYellow);
    c.Ellipse(300, 210, 308, 218);
    c.TextOut(298, 222, QStringLiteral("S"));
}

// Fixed-point text of |value| with at most `precision` significant digits
// and exactly `digits` decimals, rounded half away from zero on the exact
// binary value. Returns the digits without sign and the decimal point
// position; sets isZero when every digit came out 0.
std::string FixedDigits(double magnitude, int precision, int digits, bool& isZero)
{
    // glibc prints the exact expansion; 60 decimals reach far past where a
    // double below 10^4 could still sit on a rounding boundary.
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.60f", magnitude);
    std::string s(buf);
    const std::size_t point = s.find('.');
    std::string intPart = s.substr(0, point);
    std::string frac = s.substr(point + 1);
    const int intDigits = intPart == "0" ? 0 : int(intPart.size());
    // The angles shown stay far below 10^4, where the precision never
    // cuts into the integer part.
    const int keep = std::clamp(precision - intDigits, 0, digits);

    std::string kept = intPart + frac.substr(0, std::size_t(keep));
    if (frac[std::size_t(keep)] >= '5') {
        int i = int(kept.size()) - 1;
        while (i >= 0 && kept[std::size_t(i)] == '9')
            kept[std::size_t(i--)] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[std::size_t(i)];
    }
    isZero = kept.find_first_not_of('0') == std::string::npos;
    // Split back into integer and decimals, then pad to the requested count.
    std::string whole = kept.substr(0, kept.size() - std::size_t(keep));
    std::string decimals = kept.substr(kept.size() - std::size_t(keep));
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    decimals.resize(std::size_t(digits), '0');
    return whole + (digits > 0 ? "." + decimals : std::string());
}

} // namespace

QString FormatReadout(double degrees)
{
    const QLocale locale;
    QString text;
    if (std::isnan(degrees)) {
        text = QStringLiteral("NAN");
    } else if (std::isinf(degrees)) {
        text = degrees < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    } else {
        bool isZero = false;
        const std::string body = FixedDigits(std::fabs(degrees), 4, 1, isZero);
        text = QString::fromStdString(body).replace(QLatin1Char('.'), locale.decimalPoint());
        if (degrees < 0 && !isZero)
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
        c.Ellipse(s.MeanX, s.MeanY, s.MeanX + 4, s.MeanY + 4);
        ComputePlanetPixel();
        c.Pen().SetColor(clRed);
        c.Ellipse(s.TrueX, s.TrueY, s.TrueX + 4, s.TrueY + 4);
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
