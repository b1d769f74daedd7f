#include "meter.h"

#include "pixel_image.h"

#include <QPainter>
#include <numbers>

TMeterPaintValues TMeter::ComputePaintValues() const
{
    TMeterPaintValues pv;
    pv.W = width();
    pv.H = height();
    pv.S = FMeterAngle;
    pv.R = FMeterRadius;
    pv.cx = FMeterCenterX;
    pv.cy = FMeterCenterY;
    pv.Min = FMinValue;
    pv.Max = FMaxValue;
    pv.Logarithmic = FLogarithmic;

    constexpr double pi = std::numbers::pi;
    pv.NeedleAngle = pv.ScaleAngle(FValue);
    pv.NeedleAngleSec = pv.ScaleAngle(FValue2);
    pv.aMin = (pv.S / 2.0 + 90) * pi / 180;
    pv.aLow = pv.ScaleAngle(FLowThreshold) * pi / 180;
    pv.aHigh = pv.ScaleAngle(FHighThreshold) * pi / 180;
    pv.aMax = (90 - pv.S / 2.0) * pi / 180;
    pv.Rr = RoundHalfEven(pv.R);
    return pv;
}

// The whole face is composed off-screen and shown in one copy, so it never
// flickers. Later steps paint over earlier ones; the frame comes last.
void TMeter::Paint()
{
    ++FPaintCount;
    const TMeterPaintValues pv = ComputePaintValues();
    // No dial fits: draw nothing and raise nothing; the widget shows no face.
    if (!(pv.R > 0) || pv.W <= 0 || pv.H <= 0)
        return;

    TBitmap work(pv.W, pv.H);
    TCanvas& canvas = work.Canvas();
    PaintBackground(canvas, pv);
    if (FScaleBkVis)
        PaintScaleBands(canvas, pv);
    canvas.Brush().SetStyle(bsClear);
    if (FScaleVis) {
        PaintScaleLine(canvas, pv);
        PaintTicksAndLabels(canvas, pv);
    }
    PaintCaption(canvas, pv);
    PaintNeedles(canvas, pv);
    PaintCoverRims(canvas, pv);
    PaintAnchor(canvas, pv);
    PaintLimitLamps(canvas, pv);
    NotifyMeterRendered(canvas, pv);
    PaintFrame(canvas, pv);
    ShowFace(work);
}

void TMeter::ShowFace(const TBitmap& work)
{
    FFace.SetSize(work.Width(), work.Height());
    FFace.Canvas().Draw(0, 0, work);
    // Inside a paint event the new face is drawn right after; asking for
    // another paint event there would never end.
    if (FInPaintEvent)
        return;
    FFaceFresh = true;
    update();
}

// A paint the toolkit asks for composes again; one that only shows what a
// setter has just composed does not.
void TMeter::paintEvent(QPaintEvent*)
{
    FInPaintEvent = true;
    if (!FFaceFresh || FFace.Width() != width() || FFace.Height() != height())
        Paint();
    FInPaintEvent = false;
    FFaceFresh = false;
    // Without a dial nothing is drawn, so the parent shows through instead
    // of a face kept from an earlier size or geometry.
    if (FFace.Empty() || !(FMeterRadius > 0))
        return;
    QPainter painter(this);
    // One face pixel per logical pixel, sharp on dense screens too.
    DrawPixelImage(painter, FFace.Image(), FFace.Image().rect());
}
