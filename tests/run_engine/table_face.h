#pragma once
// A face for the run engine that keeps what it is shown: the picture, the
// readouts as written, every value the gauge was set to.
#include "run_engine.h"

#include "KeplerControls/bitmap.h"

#include <string>
#include <vector>

class TTableFace : public Kepler::TRunFace {
public:
    Kepler::TCanvas& PictureCanvas() override { return Picture.Canvas(); }
    void PictureChanged() override { ++Repaints; }
    int DelayMs() const override { return Delay; }
    std::string DecimalSeparator() const override { return Separator; }
    void SetMeanText(const std::string& text) override { Mean = text; }
    std::string MeanText() const override { return Mean; }
    void SetTrueText(const std::string& text) override { True = text; }
    std::string TrueText() const override { return True; }
    void SetGaugeValue(double value) override
    {
        Gauge = value;
        GaugeValues.push_back(value);
    }

    Kepler::TBitmap Picture{433, 433};
    int Repaints = 0;
    int Delay = 0;
    std::string Separator = ",";
    // As the window shows them before the first run.
    std::string Mean = "0°";
    std::string True = "0°";
    double Gauge = 0;
    std::vector<double> GaugeValues;
};
