#include "meter_model.h"

#include <cmath>
#include <initializer_list>
#include <limits>

namespace Kepler {

namespace {

// Logarithmic mode refuses bounds and thresholds below this floor. It is an
// extended-precision constant, so a double is compared with it exactly.
constexpr long double LogFloor = 1e-100L;

bool BelowLogFloor(double v)
{
    return static_cast<long double>(v) < LogFloor;
}

bool AtOrBelowLogFloor(double v)
{
    return static_cast<long double>(v) <= LogFloor;
}

// NaN falls to the minimum, as any value not at or above it does.
double ClampIntoScale(double v, double min, double max)
{
    if (v > max)
        return max;
    if (v >= min)
        return v;
    return min;
}

// The two ends of the scale follow the same rules, mirrored: "beyond" is
// below for the lower end and above for the upper one.
bool Beyond(bool upper, double a, double b)
{
    return upper ? a > b : a < b;
}

bool Same(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

TMeterModelChanges ChangesBetween(const TMeterModelState& before, const TMeterModelState& after)
{
    TMeterModelChanges c;
    c.Value = !Same(before.Value, after.Value);
    c.ValueSec = !Same(before.ValueSec, after.ValueSec);
    c.Min = !Same(before.Min, after.Min);
    c.Max = !Same(before.Max, after.Max);
    c.Low = !Same(before.Low, after.Low);
    c.High = !Same(before.High, after.High);
    c.Logarithmic = before.Logarithmic != after.Logarithmic;
    return c;
}

TMeterModelState TMeterModel::State() const
{
    return {FValue, FValue2, FMinValue, FMaxValue, FLowThreshold, FHighThreshold, FLogarithmic};
}

// Sets the limit flags for a value and names the one matching range.
// With equal thresholds a value equal to them counts as overflow.
TMeterRange TMeterModel::Classify(double v)
{
    if (v >= FHighThreshold) {
        FOFL = true;
        return TMeterRange::OverFlow;
    }
    if (v > FLowThreshold)
        return TMeterRange::NormalRange;
    FUFL = true;
    return TMeterRange::UnderFlow;
}

TMeterStep TMeterModel::SetValue(double v, bool needleVisible)
{
    if (FLoading) {
        FValue = v;
        return {};
    }
    // The unclamped value is compared, so an out-of-range value set twice
    // classifies and repaints both times.
    if (v == FValue)
        return {};
    FValue = ClampIntoScale(v, FMinValue, FMaxValue);
    FOFL = false;
    FUFL = false;
    TMeterStep step;
    if (needleVisible)
        step.Range = Classify(FValue);
    // A hidden primary needle still repaints: the flags it cleared show.
    step.Repaint = true;
    return step;
}

TMeterStep TMeterModel::SetValueSec(double v, bool needleVisible)
{
    if (FLoading) {
        FValue2 = v;
        return {};
    }
    if (v == FValue2)
        return {};
    FValue2 = ClampIntoScale(v, FMinValue, FMaxValue);
    FOFL = false;
    FUFL = false;
    // A hidden secondary needle shows nothing, so nothing to repaint.
    if (!needleVisible)
        return {};
    return {Classify(FValue2), true};
}

TMeterStep TMeterModel::SetBound(TScaleEnd end, double v)
{
    // A NaN or infinite bound would break every later comparison or fraction.
    if (!std::isfinite(v))
        return {};
    if (FLogarithmic && BelowLogFloor(v))
        return {};
    const bool upper = end == TScaleEnd::Upper;
    double& bound = upper ? FMaxValue : FMinValue;
    double& opposite = upper ? FMinValue : FMaxValue;
    if (FLoading) {
        bound = v;
        return {};
    }
    if (v == bound)
        return {};
    // The opposite bound is moved one unit out of the way when the new one
    // reaches it; on a logarithmic scale a minimum that would not be
    // positive becomes a tenth of the maximum instead. Where one unit
    // changes nothing, the next number; beyond the largest finite number
    // there is none, and the call is refused.
    double other = opposite;
    if (!Beyond(upper, v, other)) {
        other = upper ? v - 1 : v + 1;
        if (FLogarithmic && other <= 0)
            other = v / 10;
        if (!Beyond(upper, v, other))
            other = std::nextafter(v, (upper ? -1 : 1) * std::numeric_limits<double>::infinity());
        if (!std::isfinite(other))
            return {};
    }
    bound = v;
    opposite = other;
    for (double* d : {&FValue, &FValue2, &FLowThreshold, &FHighThreshold})
        if (Beyond(upper, *d, bound))
            *d = bound;
    // No range event, and the flags keep their state.
    return {TMeterRange::None, true};
}

TMeterStep TMeterModel::SetThreshold(TScaleEnd end, double v)
{
    if (std::isnan(v))
        return {};
    if (FLogarithmic && BelowLogFloor(v))
        return {};
    const bool upper = end == TScaleEnd::Upper;
    double& threshold = upper ? FHighThreshold : FLowThreshold;
    double& opposite = upper ? FLowThreshold : FHighThreshold;
    if (FLoading) {
        threshold = v;
        return {};
    }
    if (v == threshold)
        return {};
    threshold = v;
    if (threshold < FMinValue)
        threshold = FMinValue;
    if (threshold > FMaxValue)
        threshold = FMaxValue;
    // The opposite threshold is pushed along, never crossed.
    if (Beyond(upper, opposite, threshold))
        opposite = threshold;
    // Only the primary value is tested, whatever the needles' visibility;
    // the other end's flag keeps its state.
    bool& flag = upper ? FOFL : FUFL;
    flag = false;
    TMeterStep step;
    step.Repaint = true;
    if (upper ? FValue >= threshold : FValue <= threshold) {
        flag = true;
        step.Range = upper ? TMeterRange::OverFlow : TMeterRange::UnderFlow;
    }
    return step;
}

TMeterStep TMeterModel::SetLogarithmic(bool v)
{
    if (FLoading) {
        FLogarithmic = v;
        return {};
    }
    if (v == FLogarithmic)
        return {};
    // Switching on with a bound at or below the floor is refused silently,
    // and the face repaints all the same.
    if (AtOrBelowLogFloor(FMinValue) || AtOrBelowLogFloor(FMaxValue))
        FLogarithmic = false;
    else
        FLogarithmic = v;
    return {TMeterRange::None, true};
}

void TMeterModel::Loaded()
{
    FLoading = false;
    // Only the primary value is brought into the scale. A stored value that
    // is not a number falls to the minimum, as it does when set at run time.
    if (FValue > FMaxValue)
        FValue = FMaxValue;
    else if (!(FValue >= FMinValue))
        FValue = FMinValue;
}

} // namespace Kepler
