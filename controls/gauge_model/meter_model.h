#pragma once

namespace Kepler {

// The value-like properties of a gauge, as its change signals report them.
struct TMeterModelState {
    double Value = 0, ValueSec = 0, Min = 0, Max = 1, Low = 0, High = 1;
    bool Logarithmic = false;
};

// Which value-like properties differ between two states. A NaN stays the
// same NaN, so it is no change.
struct TMeterModelChanges {
    bool Value = false, ValueSec = false, Min = false, Max = false, Low = false, High = false,
         Logarithmic = false;
};
TMeterModelChanges ChangesBetween(const TMeterModelState& before, const TMeterModelState& after);

// The range event a setter raises, if any.
enum class TMeterRange { None, OverFlow, NormalRange, UnderFlow };

// What a setter did that its face has to show: the range event to raise
// (after the values and flags are stored) and whether to repaint.
struct TMeterStep {
    TMeterRange Range = TMeterRange::None;
    bool Repaint = false;
};

// The gauge's values, bounds and thresholds and the setters' rules: clamping
// into the scale, repairing contradictory bounds, the logarithmic scale's
// floor, classifying a value against the thresholds (the limit flags) and
// storing raw values while loading, brought into the scale when loading
// ends. It knows nothing of painting or events; each setter says what its
// face has to do.
class TMeterModel {
public:
    // The values of a new gauge: scale 0 to 1, thresholds 0 and 1, values 0.
    TMeterModel() = default;

    double Value() const { return FValue; }
    double ValueSec() const { return FValue2; }
    double MeterMinValue() const { return FMinValue; }
    double MeterMaxValue() const { return FMaxValue; }
    double ThresholdLow() const { return FLowThreshold; }
    double ThresholdHigh() const { return FHighThreshold; }
    bool Logarithmic() const { return FLogarithmic; }
    // Overflow: the last value classified is at or above the high threshold.
    bool OverFlow() const { return FOFL; }
    // Underflow: the last value classified is at or below the low threshold.
    bool UnderFlow() const { return FUFL; }
    TMeterModelState State() const;

    // While loading, the setters store raw values; Loaded() ends it.
    bool Loading() const { return FLoading; }
    void SetLoading(bool v) { FLoading = v; }

    // The primary value, clamped into the scale; classified only when its
    // needle is visible.
    TMeterStep SetValue(double v, bool needleVisible);
    // The secondary value; a hidden needle is neither classified nor repainted.
    TMeterStep SetValueSec(double v, bool needleVisible);
    TMeterStep SetMeterMinValue(double v) { return SetBound(TScaleEnd::Lower, v); }
    TMeterStep SetMeterMaxValue(double v) { return SetBound(TScaleEnd::Upper, v); }
    TMeterStep SetThresholdLow(double v) { return SetThreshold(TScaleEnd::Lower, v); }
    TMeterStep SetThresholdHigh(double v) { return SetThreshold(TScaleEnd::Upper, v); }
    TMeterStep SetLogarithmic(bool v);
    // End of loading: the primary value is brought into the scale; no
    // event, no flags.
    void Loaded();

private:
    // A bound or a threshold, lower or upper: each pair is set by one rule.
    enum class TScaleEnd { Lower, Upper };
    TMeterStep SetBound(TScaleEnd end, double v);
    TMeterStep SetThreshold(TScaleEnd end, double v);
    TMeterRange Classify(double v);

    double FValue = 0;
    double FValue2 = 0;
    double FMinValue = 0;
    double FMaxValue = 1;
    double FLowThreshold = 0;
    double FHighThreshold = 1;
    bool FLogarithmic = false;
    bool FOFL = false;
    bool FUFL = false;
    bool FLoading = false;
};

} // namespace Kepler
