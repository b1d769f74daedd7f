#include "web_face.h"
#include "main_gauge_settings.h"

#include "KeplerControls/canvas.h"
#include "KeplerControls/colors.h"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <memory>

namespace {

// The page's side: its fields and canvas, by their ids (page.html).

// The canvases take their bytes straight from the shown pixels' memory,
// only the rectangle (left, top, w, h) that changed.
EM_JS(void, ShowPicture, (const std::uint8_t* bytes, int width, int height, int left, int top, int w, int h), {
    KeplerPage.showPicture(bytes, width, height, left, top, w, h);
});

EM_JS(int, ReadDelay, (), { return KeplerPage.delayMs(); });

EM_JS(char*, ReadDecimalSeparator, (), { return allocateUTF8(KeplerPage.decimalSeparator()); });

EM_JS(void, WriteField, (const char* id, const char* text), {
    document.getElementById(UTF8ToString(id)).value = UTF8ToString(text);
});

EM_JS(char*, ReadField, (const char* id), {
    return allocateUTF8(document.getElementById(UTF8ToString(id)).value);
});

EM_JS(void, ShowGaugeFace, (const std::uint8_t* bytes, int width, int height, int left, int top, int w, int h), {
    KeplerPage.showGaugeFace(bytes, width, height, left, top, w, h);
});

EM_JS(void, ShowGaugeValue, (double value), { KeplerPage.showGaugeValue(value); });

std::string TakeText(char* text)
{
    const std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
    return owned ? std::string(owned.get()) : std::string();
}

} // namespace

TWebFace::TWebFace()
    : FPicture(433, 433), FGaugeSettings(MainGaugeSettings())
{
    // The gauge's bounds and thresholds, given as the window gives them
    // while its gauge is loading.
    FGaugeModel.SetLoading(true);
    FGaugeModel.SetThresholdLow(FGaugeSettings.FLowThreshold);
    FGaugeModel.SetThresholdHigh(FGaugeSettings.FHighThreshold);
    FGaugeModel.SetMeterMinValue(FGaugeSettings.FMinValue);
    FGaugeModel.SetMeterMaxValue(FGaugeSettings.FMaxValue);
    FGaugeModel.Loaded();
    FGaugeModel.SetLoading(false);

    // Until the first Start the page shows the diagram itself; Start wipes
    // all but the outermost pixels, which are the diagram's black frame.
    Kepler::TCanvas& c = FPicture.Canvas();
    c.Pen().SetColor(Kepler::clBlack);
    c.Rectangle(0, 0, 433, 433);
}

void TWebFace::PictureChanged()
{
    const TShownPixels::TRect r = FShownPicture.Take(FPicture);
    if (!r.Empty())
        ShowPicture(FShownPicture.Bytes(), FShownPicture.Width(), FShownPicture.Height(), r.Left, r.Top, r.Width,
                    r.Height);
}

int TWebFace::DelayMs() const { return ReadDelay(); }

std::string TWebFace::DecimalSeparator() const { return TakeText(ReadDecimalSeparator()); }

void TWebFace::SetMeanText(const std::string& text) { WriteField("mean-anomaly", text.c_str()); }

std::string TWebFace::MeanText() const { return TakeText(ReadField("mean-anomaly")); }

void TWebFace::SetTrueText(const std::string& text) { WriteField("true-anomaly", text.c_str()); }

std::string TWebFace::TrueText() const { return TakeText(ReadField("true-anomaly")); }

void TWebFace::SetGaugeValue(double value)
{
    const Kepler::TMeterStep step = FGaugeModel.SetValue(value, FGaugeSettings.FNeedleLayout.Visible());
    ShowGaugeValue(FGaugeModel.Value());
    // As on the desktop, the face is composed again only when it changes.
    if (step.Repaint)
        ShowGauge();
}

void TWebFace::ShowGauge()
{
    Kepler::TMeterValues values;
    values.FValue = FGaugeModel.Value();
    values.FValue2 = FGaugeModel.ValueSec();
    values.FOFL = FGaugeModel.OverFlow();
    values.FUFL = FGaugeModel.UnderFlow();
    if (!FGaugeComposer.Compose(MainGaugeWidth, MainGaugeHeight, FGaugeSettings, values, {}, FGauge))
        return;
    const TShownPixels::TRect r = FShownGauge.Take(FGauge);
    if (!r.Empty())
        ShowGaugeFace(FShownGauge.Bytes(), FShownGauge.Width(), FShownGauge.Height(), r.Left, r.Top, r.Width, r.Height);
}
