#include "meter1_settings.h"

#include "KeplerControls/meter.h"

using namespace Kepler;

namespace {

void ApplyNeedle(TNeedleLayout& n, int headSize, int headAngle, int headMidLeng, bool visible)
{
    n.SetHeadSize(headSize);
    n.SetHeadAngle(headAngle);
    n.SetHeadMidLeng(headMidLeng);
    n.SetThickness(1);
    n.SetColorBody(clSilver);
    n.SetColorOutline(clBlack);
    n.SetPercentNeedleLength(100);
    n.SetShadowDx(0);
    n.SetShadowDy(0);
    n.SetShadowColor(clGray);
    n.SetVisible(visible);
}

} // namespace

void ApplyMeter1Settings(TMeter& m)
{
    m.BeginLoading();
    m.SetBounds(494, 128, 105, 87);
    // Margins without alignment and the custom hint window have no effect
    // on this gauge, so they are not modelled.
    m.SetParentShowHint(false);
    m.SetShowHint(false);
    m.SetAnchorSize(8);
    m.SetAnchorCovered(true);
    m.SetBkgndFillMode(bfSimple);
    m.SetCaption(QString());
    m.SetColorBakG(clWhite);
    m.SetColorCover(clBtnFace);
    m.SetColorScale(clNavy);
    m.SetColorScheme(csBWG);
    m.SetColorSclBkLow(clLime);
    m.SetColorSclBkNorm(clOrange);
    m.SetColorSclBkHigh(clBlue);
    m.SetFrameStyle(fsRaised);
    m.SetLimWatchHighOn(false);
    m.SetLimWatchLowOn(false);
    m.SetLimWatchActColor(clRed);
    m.SetLimWatchPsvColor(clGray);
    m.SetLogarithmic(false);
    m.SetThresholdLow(-1);
    m.SetThresholdHigh(1);
    m.SetMeterMinValue(-1);
    m.SetMeterMaxValue(1);
    m.SetMeterDecPlaces(1);
    m.SetMeterNrTicks(2);
    m.SetMeterLayout(mlCirc90);
    m.SetMeterShortTicks(false);
    m.SetMeterScaleLine(true);
    m.SetRimTop(3);
    m.SetRimBottom(3);
    m.SetRimSide(3);
    m.SetScaleBkVisible(true);
    m.SetScaleVisible(true);
    m.SetStyleElements({seFont});

    m.SetParentFont(false);
    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-11);
    font.SetColor(clWindowText);
    font.SetStyle(0);
    font.SetCharset(DEFAULT_CHARSET);
    m.SetFont(font);
    font.SetHeight(0);
    m.SetFontCaption(font);

    ApplyNeedle(m.NeedleLayout(), 6, 6, 6, true);
    ApplyNeedle(m.NeedleLayoutSec(), 5, 30, 20, false);
    m.Loaded();
}
