#include "main_gauge_settings.h"

using namespace Kepler;

namespace {

TNeedleStyle Needle(int headSize, int headAngle, int headMidLeng, bool visible)
{
    TNeedleStyle n;
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
    return n;
}

} // namespace

TMeterSettings MainGaugeSettings()
{
    TMeterSettings s;
    // The window places its gauge before it sets the rims, so the dial is
    // laid out with a new gauge's rims, as on the desktop.
    CalcMeterGeometry(s, MainGaugeWidth, MainGaugeHeight);
    s.FTRim = 3;
    s.FBRim = 3;
    s.FSRim = 3;

    s.FSizeAnchor = 8;
    s.FAnchorCovrd = true;
    s.FBGFillMode = bfSimple;
    s.FCaption.clear();
    s.FColorBakG = clWhite;
    s.FColorCover = clBtnFace;
    s.FColorScale = clNavy;
    s.FColorScheme = csBWG;
    s.FColGrayLine = clGray;
    s.FColWhiteLine = clWhite;
    s.FColorBakGLow = clLime;
    s.FColorBakGNorm = clOrange;
    s.FColorBakGHigh = clBlue;
    s.FFrameStyle = fsRaised;
    s.FLimWatHighOn = false;
    s.FLimWatLowOn = false;
    s.FLimWatActCol = clRed;
    s.FLimWatPsvCol = clGray;
    s.FLogarithmic = false;
    s.FLowThreshold = -1;
    s.FHighThreshold = 1;
    s.FMinValue = -1;
    s.FMaxValue = 1;
    s.FDecPlaces = 1;
    s.FNrTicks = 2;
    s.FMeterLayout = mlCirc90;
    s.FShortTicks = false;
    s.FScaleLine = true;
    s.FScaleBkVis = true;
    s.FScaleVis = true;

    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-11);
    font.SetColor(clWindowText);
    font.SetStyle(0);
    font.SetCharset(DEFAULT_CHARSET);
    s.FFont.Assign(font);
    font.SetHeight(0);
    s.FFontCaption.Assign(font);

    s.FNeedleLayout = Needle(6, 6, 6, true);
    s.FNeedle2Layout = Needle(5, 30, 20, false);
    return s;
}
