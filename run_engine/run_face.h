#pragma once
#include <string>

namespace Kepler {

class TCanvas;

// What a run needs from the face that shows it: the picture it draws into,
// the delay regulator, the two readouts and the gauge. Texts are UTF-8.
class TRunFace {
public:
    virtual ~TRunFace() = default;

    // The picture's drawing surface; PictureChanged() asks for it to be shown.
    virtual TCanvas& PictureCanvas() = 0;
    virtual void PictureChanged() = 0;
    // The delay in milliseconds, read once per cycle, as the cycle begins.
    virtual int DelayMs() const = 0;
    // The user's decimal separator, read each time a readout is written.
    virtual std::string DecimalSeparator() const = 0;
    // The readouts are written and then read back: what the fields show is
    // what the run compares.
    virtual void SetMeanText(const std::string& text) = 0;
    virtual std::string MeanText() const = 0;
    virtual void SetTrueText(const std::string& text) = 0;
    virtual std::string TrueText() const = 0;
    virtual void SetGaugeValue(double value) = 0;
};

} // namespace Kepler
