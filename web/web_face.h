#pragma once
#include "run_face.h"
#include "shown_pixels.h"

#include "KeplerControls/bitmap.h"
#include "KeplerControls/meter_face.h"
#include "meter_model.h"

#include <string>

// What the run engine draws and writes, shown on the page: the picture's
// own pixels, which the page puts 1:1 into its canvas (only the part that
// changed), the readouts as the page's fields hold them and the gauge: its
// value and its face, composed as the desktop's gauge composes it and put
// 1:1 into its canvas in the same way.
class TWebFace : public Kepler::TRunFace {
public:
    TWebFace();

    Kepler::TCanvas& PictureCanvas() override { return FPicture.Canvas(); }
    void PictureChanged() override;
    int DelayMs() const override;
    std::string DecimalSeparator() const override;
    void SetMeanText(const std::string& text) override;
    std::string MeanText() const override;
    void SetTrueText(const std::string& text) override;
    std::string TrueText() const override;
    void SetGaugeValue(double value) override;

    // Composes the gauge's face at the value it holds and shows it; needs
    // the page's text engine installed, for the scale's labels.
    void ShowGauge();

private:
    Kepler::TBitmap FPicture;
    TShownPixels FShownPicture;
    Kepler::TMeterModel FGaugeModel;
    Kepler::TMeterSettings FGaugeSettings;
    Kepler::TMeterFaceComposer FGaugeComposer;
    Kepler::TBitmap FGauge;
    TShownPixels FShownGauge;
};
