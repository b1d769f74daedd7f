#include "meter_face_steps.h"
#include "meter_ticks.h"
#include "rounding.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace Kepler {

// The scale's ticks and labels: short ticks between the main ticks, then the
// main ticks, each with its label offered to the label handler first.

namespace {

constexpr int ShortTickLength = 4;
constexpr int MainTickLength = 8;
constexpr double LabelClearance = 15;
// No sane scale comes near this; it only bounds loops on absurd ranges.
constexpr int MaxTicksPerLoop = 20000;

double Radians(double degrees) { return degrees * std::numbers::pi / 180; }

// A tick of len pixels inward from the scale radius at v; the inner end
// point stays unpainted.
void DrawTick(TCanvas& canvas, const TMeterPaintValues& pv, double v, int len)
{
    const double a = Radians(pv.ScaleAngle(v));
    const double c = std::cos(a);
    const double s = std::sin(a);
    canvas.MoveTo(RoundHalfEven(pv.cx + pv.R * c), RoundHalfEven(pv.cy - pv.R * s));
    canvas.LineTo(RoundHalfEven(pv.cx + (pv.R - len) * c), RoundHalfEven(pv.cy - (pv.R - len) * s));
}

TPoint LabelCentre(const TMeterPaintValues& pv, double v, double dx, double dy)
{
    const double a = Radians(pv.ScaleAngle(v));
    return {RoundHalfEven(pv.cx + (pv.R - dx) * std::cos(a)), RoundHalfEven(pv.cy - (pv.R - dy) * std::sin(a))};
}

// Whether v lies on the grid of main ticks (within 1e-5 of a step above one).
bool OnMainTick(double v, const TTickSpacing& sp)
{
    const long double q = (v - sp.FirstTick) / sp.TickStep;
    return std::fabs(q - std::trunc(q)) <= 1e-5L;
}

// Raw bounds during loading may be equal or swapped: no ticks then.
bool HasTicks(const TMeterPaintValues& pv)
{
    return std::isfinite(pv.Min) && std::isfinite(pv.Max) && pv.Min < pv.Max;
}

} // namespace

void PaintShortTicks(const TFaceJob& j)
{
    const TMeterPaintValues& pv = j.pv;
    if (!j.S.FShortTicks || !HasTicks(pv))
        return;
    const double Min = pv.Min;
    const double Max = pv.Max;
    const TTickSpacing sp = CalcTickSpacing(j.S.FNrTicks, Max, Min);
    const double ss = static_cast<double>(sp.TickStep / sp.SubDivisions);
    const double start0 = static_cast<double>(sp.FirstTick - sp.TickStep);
    // A step lost below double precision would never advance.
    if (!(ss > 0 && std::isfinite(ss)))
        return;
    for (int i = 0; i < MaxTicksPerLoop; ++i) {
        const double v = i * ss + start0;
        if (!OnMainTick(v, sp) && !(v < Min))
            DrawTick(j.Canvas, pv, v, pv.Px(ShortTickLength));
        if (!((i + 1) * ss + start0 - Max <= 0.001 * ss))
            break;
    }
}

void PaintMainTicksAndLabels(const TFaceJob& j)
{
    TCanvas& Canvas = j.Canvas;
    const TMeterPaintValues& pv = j.pv;
    if (!HasTicks(pv))
        return;
    // Label handlers may change properties (and so repaint inside this
    // paint); this paint goes on with the settings it started with.
    const int decimals = j.S.FDecPlaces;
    const double Min = pv.Min;
    const double Max = pv.Max;
    const bool logarithmic = pv.Logarithmic && Min > 0;
    const TTickSpacing sp = CalcTickSpacing(j.S.FNrTicks, Max, Min);

    // The insets are measured on the widest likely label, in the font the
    // canvas has now; labels are then drawn in the control's font.
    const std::string widest = FormatTickLabel(Max, decimals);
    const double dx = Canvas.TextWidth(widest) / 2.0 + LabelClearance * pv.Ratio;
    const double dy = Canvas.TextHeight(widest) / 2.0 + LabelClearance * pv.Ratio;
    Canvas.SetFont(j.S.FFont);

    const auto label = [&](long double v) {
        const TPoint c = LabelCentre(pv, static_cast<double>(v), dx, dy);
        std::string s = FormatTickLabel(v, decimals);
        if (j.E.OnBeforeDrawScaleLabel) {
            // A copy: the handler may replace itself.
            const TFaceLabelEvent handler = j.E.OnBeforeDrawScaleLabel;
            handler(Canvas, s, SaturateToInt32(std::int64_t(c.X) - Canvas.TextWidth(s) / 2),
                    SaturateToInt32(std::int64_t(c.Y) - Canvas.TextHeight(s) / 2));
        }
        // As the handler left it, measured again.
        if (!s.empty())
            Canvas.TextOut(SaturateToInt32(std::int64_t(c.X) - Canvas.TextWidth(s) / 2),
                           SaturateToInt32(std::int64_t(c.Y) - Canvas.TextHeight(s) / 2), s);
    };

    // Less than one decade: Max / Min below 10, compared without a logarithm.
    if (!logarithmic || static_cast<long double>(Max) / Min < 10) {
        for (const long double v : LinearMainTicks(sp, Max)) {
            DrawTick(Canvas, pv, static_cast<double>(v), pv.Px(MainTickLength));
            label(v);
        }
        return;
    }

    // Several decades: every 1 to 9 times a power of ten, labels at 1, 2, 5.
    constexpr long double g = 0.999999999L;
    const long double ln10 = std::log(10.0L);
    const long double e = std::floor(std::log(g * Min) / ln10);
    // The decade's power of ten exactly, not through exp (Min is a double:
    // e lies within +-330).
    const long double J = PowerOfTen(static_cast<int>(e));
    long double K = 1;
    for (int decade = 0; decade < MaxTicksPerLoop; ++decade) {
        for (int w = 1; w <= 9; ++w) {
            const long double v = w * J * K;
            if (v / g > Min && w * g * J * K < Max) {
                DrawTick(Canvas, pv, static_cast<double>(v), pv.Px(MainTickLength));
                if (w == 1 || w == 2 || w == 5)
                    label(v);
            }
        }
        K = 10 * K;
        if (!(g * J * K <= Max))
            break;
    }
}

} // namespace Kepler
