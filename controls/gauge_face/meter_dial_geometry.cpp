#include "KeplerControls/meter_face.h"
#include "rounding.h"
#include "saturating.h"

#include <cstdint>

namespace Kepler {

void CalcMeterGeometry(TMeterSettings& s, int width, int height)
{
    const std::int64_t W = width;
    const std::int64_t H = height;
    const std::int64_t T = s.FTRim;
    const std::int64_t B = s.FBRim;
    const std::int64_t Sd = s.FSRim;
    const std::int64_t A = H - B - T - 16; // height available for the dial

    double R = double(A);
    int& FMeterAngle = s.FMeterAngle;
    int& FMeterCenterX = s.FMeterCenterX;
    int& FMeterCenterY = s.FMeterCenterY;
    // Rims accept any integer, so the sums are formed wide and saturated.
    FMeterCenterX = SaturateToInt32(W / 2);
    FMeterCenterY = SaturateToInt32(H - B - 8);
    FMeterAngle = 90;

    // Narrow sweeps sit 8 pixels above the bottom rim and are limited by the
    // width through the chord factor; wide ones hang 8 pixels below the top
    // rim and are limited by the height.
    const double halfWidthInside = W / 2.0 - double(Sd) - 8;
    const double intHalfWidthInside = double(W / 2 - Sd - 8);
    auto hangFromTop = [&] { FMeterCenterY = RoundHalfEven(double(T) + 8 + R); };
    switch (s.FMeterLayout) {
    case mlCirc90:
        FMeterAngle = 90;
        if (halfWidthInside * 1.414 < R)
            R = halfWidthInside * 1.414;
        break;
    case mlCirc120:
        FMeterAngle = 120;
        if (halfWidthInside * 1.1547 < R)
            R = halfWidthInside * 1.1547;
        break;
    case mlCirc180:
        FMeterAngle = 180;
        R = intHalfWidthInside;
        if (double(A) < R)
            R = double(A);
        break;
    case mlCirc270:
        FMeterAngle = 270;
        R = intHalfWidthInside;
        if (A / 1.7071 < R)
            R = A / 1.7071;
        hangFromTop();
        break;
    case mlCirc300:
        FMeterAngle = 300;
        R = intHalfWidthInside;
        if (A / 1.866 < R)
            R = A / 1.866;
        hangFromTop();
        break;
    case mlCirc360:
        FMeterAngle = 360;
        R = intHalfWidthInside;
        if (A / 2.0 < R)
            R = A / 2.0;
        hangFromTop();
        break;
    }
    s.FMeterRadius = R;
}

} // namespace Kepler
