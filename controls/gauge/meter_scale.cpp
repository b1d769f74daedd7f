#include "meter_scale.h"

#include <cmath>

double ScaleFraction(double v, double min, double max, bool logarithmic)
{
    if (logarithmic && v > 0 && min > 0 && max > 0) {
        const double span = std::log(max) - std::log(min);
        return span == 0 ? 0.5 : (std::log(v) - std::log(min)) / span;
    }
    const double span = max - min;
    return span == 0 ? 0.5 : (v - min) / span;
}

double ScaleValueAt(double f, double min, double max, bool logarithmic)
{
    if (logarithmic && min > 0 && max > 0)
        return std::exp(std::log(min) + f * (std::log(max) - std::log(min)));
    return min + f * (max - min);
}
