#include "meter_ticks.h"

#include "meter.h"

#include "decimal_text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <numbers>
#include <string>

// ---------------------------------------------------------------------------
// Tick spacing and label text

TTickSpacing CalcTickSpacing(int NrTicks, long double Max, long double Min)
{
    TTickSpacing s;
    if (NrTicks < 1 || !std::isfinite(Min) || !std::isfinite(Max) || !(Min < Max))
        return s;

    const long double ln10 = std::log(10.0L);
    long double t = std::log((Max - Min) / NrTicks) / ln10;
    long double h = t - std::trunc(t);
    // A quotient a hair off a power of ten counts as that power.
    if (std::fabs(h) < 1e-10L || std::fabs(h) > 0.9999999999L) {
        h = 0;
        t = RoundHalfEven(t);
    }
    if (t < 0 && h != 0)
        t = t - 1;
    if (h < 0)
        h = h + 1;
    // Now trunc(t) is the decimal exponent and h the log of the mantissa.

    constexpr long double L2 = 0.30102999566398119520L; // log10(2)
    constexpr long double L5 = 0.69897000433601880480L; // log10(5)
    long double e;
    if (h < L2 + 1e-10L) {
        e = std::trunc(t);
        s.SubDivisions = 5;
    } else if (h < L5 + 1e-10L) {
        e = std::trunc(t) + L2;
        s.SubDivisions = 4;
    } else {
        e = std::trunc(t) + L5;
        s.SubDivisions = 5;
    }
    s.TickStep = std::exp(e * ln10);

    // Step up by repeated addition, as a multiple would round differently.
    long double first = (std::trunc(Min / s.TickStep) - 1) * s.TickStep;
    while (Min - first > 0.001L * s.TickStep) {
        const long double next = first + s.TickStep;
        if (next == first) // the step is lost in the magnitude
            break;
        first = next;
    }
    s.FirstTick = first;
    return s;
}

namespace {

// The mantissa with the decimals and a power of ten: "1.5E+36".
std::string Scientific(const TDecimalDigits& digits, int decimals)
{
    const TDecimalDigits d = RoundDecimalDigits(digits, decimals + 1);
    std::string s(1, d.Digits[0]);
    if (decimals > 0)
        s.append(1, '.').append(d.Digits, 1);
    char exponent[8];
    const auto r = std::to_chars(exponent, exponent + sizeof exponent, std::abs(d.Exponent));
    s.append(1, 'E').append(1, d.Exponent < 0 ? '-' : '+');
    if (r.ptr - exponent < 2)
        s.append(1, '0');
    return s.append(exponent, r.ptr);
}

} // namespace

QString FormatTickLabel(long double v, int Decimals)
{
    if (std::isnan(v))
        return QStringLiteral("NAN");
    if (std::isinf(v))
        return v < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    const int decimals = std::clamp(Decimals, 0, 18);
    const long double magnitude = std::fabs(v);
    const TDecimalDigits d = SignificantDecimalDigits(magnitude, 18);
    // Beyond this the fixed form would be dozens of zeros long.
    const std::string body = magnitude > 6.6e35L ? Scientific(d, decimals) : FixedDecimalText(d, decimals);
    return (v < 0 ? QStringLiteral("-") : QString()) + QString::fromLatin1(body);
}

// ---------------------------------------------------------------------------
// Drawing the ticks and labels

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

} // namespace

void TMeter::PaintTicksAndLabels(TCanvas& Canvas, const TMeterPaintValues& pv)
{
    // Label handlers may change properties (and so repaint inside this
    // paint); this paint goes on with the settings it started with.
    const int decimals = FDecPlaces;
    const bool shortTicks = FShortTicks;
    const double Min = pv.Min;
    const double Max = pv.Max;
    // Raw bounds during loading may be equal or swapped: no ticks then.
    if (!std::isfinite(Min) || !std::isfinite(Max) || !(Min < Max))
        return;
    const bool logarithmic = pv.Logarithmic && Min > 0;
    const TTickSpacing sp = CalcTickSpacing(FNrTicks, Max, Min);

    if (shortTicks) {
        const double ss = static_cast<double>(sp.TickStep / sp.SubDivisions);
        const double start0 = static_cast<double>(sp.FirstTick - sp.TickStep);
        // A step lost below double precision would never advance.
        if (ss > 0 && std::isfinite(ss)) {
            for (int i = 0; i < MaxTicksPerLoop; ++i) {
                const double v = i * ss + start0;
                if (!OnMainTick(v, sp) && !(v < Min))
                    DrawTick(Canvas, pv, v, ShortTickLength);
                if (!((i + 1) * ss + start0 - Max <= 0.001 * ss))
                    break;
            }
        }
    }

    // The insets are measured on the widest likely label, in the font the
    // canvas has now; labels are then drawn in the control's font.
    const QString widest = FormatTickLabel(Max, decimals);
    const double dx = Canvas.TextWidth(widest) / 2.0 + LabelClearance;
    const double dy = Canvas.TextHeight(widest) / 2.0 + LabelClearance;
    Canvas.SetFont(FFont);

    const auto label = [&](long double v) {
        const TPoint c = LabelCentre(pv, static_cast<double>(v), dx, dy);
        QString s = FormatTickLabel(v, decimals);
        if (OnBeforeDrawScaleLabel) {
            // A copy: the handler may replace itself.
            const TmtBeforeDrawScaleLabelEvent handler = OnBeforeDrawScaleLabel;
            handler(this, Canvas, s, SaturateToInt32(std::int64_t(c.X) - Canvas.TextWidth(s) / 2),
                    SaturateToInt32(std::int64_t(c.Y) - Canvas.TextHeight(s) / 2));
        }
        if (!s.isEmpty())
            Canvas.TextOut(SaturateToInt32(std::int64_t(c.X) - Canvas.TextWidth(s) / 2),
                           SaturateToInt32(std::int64_t(c.Y) - Canvas.TextHeight(s) / 2), s);
    };

    const long double decades = std::log(static_cast<long double>(Max) / Min) / std::log(10.0L);
    if (!logarithmic || std::fabs(decades) < 1) {
        for (int i = 0; i < MaxTicksPerLoop; ++i) {
            long double v = i * sp.TickStep + sp.FirstTick;
            // A step a hair off its round value can leave the zero tick just
            // below zero, which would read "-0.0".
            if (std::fabs(v) < 1e-9L * sp.TickStep)
                v = 0;
            DrawTick(Canvas, pv, static_cast<double>(v), MainTickLength);
            label(v);
            if (!((i + 1) * sp.TickStep + sp.FirstTick - Max <= 0.001L * sp.TickStep))
                break;
        }
        return;
    }

    // Several decades: every 1 to 9 times a power of ten, labels at 1, 2, 5.
    constexpr long double g = 0.999999999L;
    const long double ln10 = std::log(10.0L);
    const long double e = std::floor(std::log(g * Min) / ln10);
    const long double J = std::exp(e * ln10);
    long double K = 1;
    for (int decade = 0; decade < MaxTicksPerLoop; ++decade) {
        for (int w = 1; w <= 9; ++w) {
            const long double v = w * J * K;
            if (v / g > Min && w * g * J * K < Max) {
                DrawTick(Canvas, pv, static_cast<double>(v), MainTickLength);
                if (w == 1 || w == 2 || w == 5)
                    label(v);
            }
        }
        K = 10 * K;
        if (!(g * J * K <= Max))
            break;
    }
}
