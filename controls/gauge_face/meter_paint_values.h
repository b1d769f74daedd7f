#pragma once
#include "KeplerControls/canvas.h"
#include "KeplerControls/meter_face.h"
#include "meter_face_scale.h"
#include "meter_ticks.h"
#include "rounding.h"
#include "saturating.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace Kepler {

// Half sizes of boxes around the dial centre are limited to 2^30: a larger
// box covers every face the same way, and both corners stay inside the
// 32-bit range, so the box stays centred where its sums would saturate.
inline std::int64_t BoxHalfSize(std::int64_t v) { return std::clamp<std::int64_t>(v, -(1 << 30), 1 << 30); }

// What every paint computes before drawing anything. Angles follow the
// drawing convention: 0 points right, 90 up, counterclockwise on the screen.
struct TMeterPaintValues {
    int W = 0;    // control width
    int H = 0;    // control height
    int S = 0;    // sweep in degrees
    double R = 0; // scale radius
    int cx = 0;   // dial centre
    int cy = 0;
    double Min = 0;
    double Max = 1;
    bool Logarithmic = false;
    double Ratio = 1; // device pixels per control pixel

    double NeedleAngle = 0;    // A(Value), degrees
    double NeedleAngleSec = 0; // A(ValueSec), degrees
    double aMin = 0;           // radians
    double aLow = 0;
    double aHigh = 0;
    double aMax = 0;
    int Rr = 0; // Round(R)

    // A fixed length of the face (a tick, a lamp) in the face's pixels.
    int Px(int length) const { return ScaledLength(length, Ratio); }

    // f(v): 0 at Min, 1 at Max.
    double Fraction(double v) const { return ScaleFraction(v, Min, Max, Logarithmic); }
    // A(v) in degrees: Min at 90 + S/2, Max at 90 - S/2.
    double ScaleAngle(double v) const { return S / 2.0 + 90.0 - S * Fraction(v); }
    // Q(a): the point on the scale circle at a (radians); used as the start
    // or end point of a pie or arc.
    TPoint Q(double a) const
    {
        return {SaturateToInt32(std::int64_t(cx) + RoundHalfEven(R * std::cos(a))),
                SaturateToInt32(std::int64_t(cy) - RoundHalfEven(R * std::sin(a)))};
    }
};

// What a paint computes before drawing anything, for a face of W by H.
TMeterPaintValues ComputePaintValues(int W, int H, const TMeterSettings& s, const TMeterValues& v);

} // namespace Kepler
