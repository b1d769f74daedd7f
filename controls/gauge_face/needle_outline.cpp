#include "needle_outline.h"

#include "rounding.h"

#include <cmath>
#include <numbers>

namespace Kepler {

std::vector<TPoint> NeedleOutline(const TNeedleStyle& n, double alphaDeg, const TMeterPaintValues& pv)
{
    constexpr double pi = std::numbers::pi;
    const double a = alphaDeg * pi / 180;
    const double len = n.PercentNeedleLength() * (pv.R - 4 * pv.Ratio) * 0.01;
    const int tx = RoundHalfEven(pv.cx + len * std::cos(a));
    const int ty = RoundHalfEven(pv.cy - len * std::sin(a));
    const double h = n.HeadAngle() * pi / 180;
    const double ex = std::sin(a) * n.Thickness() / 2;
    const double ey = std::cos(a) * n.Thickness() / 2;
    const double hs = n.HeadSize();
    const double hm = n.HeadMidLeng();
    const auto P = [](double x, double y) { return TPoint{RoundHalfEven(x), RoundHalfEven(y)}; };
    return {
        P(tx - hs * std::cos(a + h / 2), ty + hs * std::sin(a + h / 2)),
        P(tx, ty),
        P(tx - hs * std::cos(a - h / 2), ty + hs * std::sin(a - h / 2)),
        P(tx - ex - hm * std::cos(a), ty - ey + hm * std::sin(a)),
        P(pv.cx - ex, pv.cy - ey),
        P(pv.cx + ex, pv.cy + ey),
        P(tx + ex - hm * std::cos(a), ty + ey + hm * std::sin(a)),
    };
}

} // namespace Kepler
