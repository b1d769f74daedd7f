#include "KeplerControls/meter_face.h"

#include "meter_face_overlay.h"
#include "meter_face_scale.h"
#include "meter_face_steps.h"
#include "rounding.h"
#include "system_colors.h"

#include <cstring>
#include <numbers>
#include <utility>

namespace Kepler {

TMeterSettings::TMeterSettings()
{
    for (TNeedleStyle* layout : {&FNeedleLayout, &FNeedle2Layout}) {
        layout->SetColorBody(clSilver);
        layout->SetColorOutline(clBlack);
        layout->SetHeadSize(20);
        layout->SetThickness(0);
        layout->SetPercentNeedleLength(100);
        layout->SetHeadAngle(30);
        layout->SetHeadMidLeng(20);
        layout->SetShadowDx(0);
        layout->SetShadowDy(0);
        layout->SetShadowColor(clGray);
        layout->SetVisible(layout == &FNeedleLayout);
    }
    // A new gauge computes its geometry while the rims are still 0.
    const int top = FTRim, bottom = FBRim, side = FSRim;
    FTRim = FBRim = FSRim = 0;
    CalcMeterGeometry(*this, 297, 209);
    FTRim = top;
    FBRim = bottom;
    FSRim = side;
}

bool TMeterKeptLayerSettings::operator==(const TMeterKeptLayerSettings&) const = default;

TMeterPaintValues ComputePaintValues(int W, int H, const TMeterSettings& s, const TMeterValues& v)
{
    TMeterPaintValues pv;
    pv.W = W;
    pv.H = H;
    pv.S = s.FMeterAngle;
    pv.R = s.FMeterRadius;
    pv.cx = s.FMeterCenterX;
    pv.cy = s.FMeterCenterY;
    pv.Min = s.FMinValue;
    pv.Max = s.FMaxValue;
    pv.Logarithmic = s.FLogarithmic;
    pv.Ratio = s.FPixelRatio;

    constexpr double pi = std::numbers::pi;
    pv.NeedleAngle = pv.ScaleAngle(v.FValue);
    pv.NeedleAngleSec = pv.ScaleAngle(v.FValue2);
    pv.aMin = (pv.S / 2.0 + 90) * pi / 180;
    pv.aLow = pv.ScaleAngle(s.FLowThreshold) * pi / 180;
    pv.aHigh = pv.ScaleAngle(s.FHighThreshold) * pi / 180;
    pv.aMax = (90 - pv.S / 2.0) * pi / 180;
    pv.Rr = RoundHalfEven(pv.R);
    return pv;
}

// ---------------------------------------------------------------------------
// The kept layer and what it depends on

namespace {

// The settings of a fresh work canvas: black pen, solid white brush, the
// default font (at the face's pixel ratio), plain copy, pen at the origin.
void ResetCanvas(TCanvas& c, double ratio)
{
    c.Pen() = TPen();
    c.Brush() = TBrush();
    c.SetFont(ScaledFont(TFont(), ratio));
    c.SetCopyMode(cmSrcCopy);
    c.MoveTo(0, 0);
}

// Steps 4 to 8 of a paint: background, bands, scale line, ticks, labels and
// caption; without the main ticks, labels and caption when those are left
// for every composition.
void PaintStaticSteps(const TFaceJob& j, bool withLabels)
{
    PaintBackground(j);
    if (j.S.FScaleBkVis)
        PaintScaleBands(j);
    j.Canvas.Brush().SetStyle(bsClear);
    if (j.S.FScaleVis) {
        PaintScaleLine(j);
        PaintShortTicks(j);
        if (withLabels)
            PaintMainTicksAndLabels(j);
    }
    if (withLabels)
        PaintCaption(j);
}

} // namespace

// What the kept layer was composed from.
struct TMeterFaceComposer::TStaticKey {
    int W = 0, H = 0;
    bool WithLabels = false;
    TMeterKeptLayerSettings Settings;
    // The background picture in use, by its pixels' identity.
    std::uint64_t Picture = 0;
    // System colours on the face resolve through the registered source.
    std::uint64_t SystemColors = 0;

    TStaticKey(int w, int h, const TMeterSettings& s, bool withLabels, std::uint64_t systemColors)
        : W(w), H(h), WithLabels(withLabels), Settings(s),
          Picture(s.BackGroundPicture ? s.BackGroundPicture->ContentKey() : 0), SystemColors(systemColors)
    {
        // A copied font carries the gauge's change handler along; the key
        // only compares.
        Settings.FFont.OnChange = nullptr;
        Settings.FFontCaption.OnChange = nullptr;
    }

    // Compared where the settings stand, without a copy of them.
    bool Describes(int w, int h, const TMeterSettings& s, bool withLabels, std::uint64_t systemColors) const
    {
        return W == w && H == h && WithLabels == withLabels && SystemColors == systemColors
               && Picture == (s.BackGroundPicture ? s.BackGroundPicture->ContentKey() : 0)
               && Settings == static_cast<const TMeterKeptLayerSettings&>(s);
    }
};

TMeterFaceComposer::TMeterFaceComposer() : FOverlay(std::make_unique<TFaceOverlay>()) {}
TMeterFaceComposer::~TMeterFaceComposer() = default;

void TMeterFaceComposer::SetCaching(bool on)
{
    FCaching = on;
    FStaticKey.reset();
    FOverlay->Forget();
    FFaceKey = 0;
}

bool TMeterFaceComposer::KeepStaticLayer(int W, int H, const TMeterSettings& s, const TMeterValues& v,
                                         const TMeterFaceEvents& e, const TMeterPaintValues& pv, bool withLabels)
{
    const std::uint64_t systemColors = SystemColorsVersion();
    if (FStaticKey && FStaticKey->Describes(W, H, s, withLabels, systemColors))
        return false;
    // Forgotten first: a layer left half drawn by an error must not be
    // taken for the one its old key describes.
    FStaticKey.reset();
    ++FStaticGeneration;
    FStatic.SetSize(W, H);
    TCanvas& canvas = FStatic.Canvas();
    ResetCanvas(canvas, s.FPixelRatio);
    PaintStaticSteps({canvas, s, v, e, pv}, withLabels);
    FStaticState = {canvas.Pen(), canvas.Brush(), canvas.Font(), canvas.PenPos(), canvas.CopyMode()};
    FStaticKey = std::make_unique<TStaticKey>(W, H, s, withLabels, systemColors);
    ++FStaticCompositions;
    return true;
}

// ---------------------------------------------------------------------------
// One composition

// Without event handlers nothing but the settings and the values decides a
// pixel, and the face is the kept layer, then the needles, then the overlay.
// A face composed whole is drawn so. Into the face composed last, only the
// boxes of its needles and, where the lamps switched, their squares are put
// back as the kept layer with the overlay over it, the new needles drawn and
// the overlay laid over their boxes. A handler may draw anywhere and change
// anything, so with one assigned the face is composed step by step.
void TMeterFaceComposer::ComposeOverKeptLayers(int W, int H, const TMeterSettings& s, const TMeterValues& v,
                                               const TMeterPaintValues& pv, TBitmap& face)
{
    const TMeterFaceEvents none;
    KeepStaticLayer(W, H, s, v, none, pv, true);
    const std::uint64_t systemColors = SystemColorsVersion();
    if (!FOverlay->Current(s, pv, systemColors))
        FOverlay->Describe(s, pv, systemColors);
    const int lighting = TFaceOverlay::Lighting(s, v);

    const bool sameFace = FFaceKey != 0 && face.ContentKey() == FFaceKey && face.Width() == W
                          && face.Height() == H && FFaceStatic == FStaticGeneration
                          && FFaceOverlay == FOverlay->Generation();
    FFaceKey = 0;
    TNeedleBoxes drawn;
    if (!sameFace) {
        face.CopyPixels(FStatic);
        TCanvas canvas(face);
        const TFaceJob job{canvas, s, v, none, pv};
        PaintNeedles(job, &drawn);
        PaintCoverRims(job);
        PaintAnchor(job);
        PaintLimitLamps(job);
        PaintFrame(job);
    } else {
        FOverlay->Prepare(s, v, pv);
        for (int i = 0; i < FNeedleBoxCount; ++i)
            FOverlay->LayOver(FStatic, face, FNeedleBoxes[i]);
        if (lighting != FFaceLighting) {
            TRect lamps[2];
            const int n = LampSquares(s, pv, lamps);
            for (int i = 0; i < n; ++i)
                FOverlay->LayOver(FStatic, face, lamps[i]);
        }
        TCanvas canvas(face);
        PaintNeedles({canvas, s, v, none, pv}, &drawn);
        for (int i = 0; i < drawn.Count; ++i)
            FOverlay->Lay(face, drawn.Boxes[i]);
    }
    for (int i = 0; i < drawn.Count; ++i)
        FNeedleBoxes[i] = drawn.Boxes[i];
    FNeedleBoxCount = drawn.Count;
    FFaceKey = face.ContentKey();
    FFaceStatic = FStaticGeneration;
    FFaceOverlay = FOverlay->Generation();
    FFaceLighting = lighting;
}

bool TMeterFaceComposer::Compose(int W, int H, const TMeterSettings& s, const TMeterValues& v,
                                 const TMeterFaceEvents& e, TBitmap& face)
{
    const TMeterPaintValues pv = ComputePaintValues(W, H, s, v);
    // No dial fits: draw nothing and raise nothing.
    if (!(pv.R > 0) || W <= 0 || H <= 0)
        return false;

    const bool handlers = e.OnBeforeDrawScaleLabel || e.OnBeforeDrawNeedle || e.OnMeterRendered;
    if (FCaching && !handlers && FDepth == 0) {
        ComposeOverKeptLayers(W, H, s, v, pv, face);
        return true;
    }

    // A composition entered from an event handler of another one draws on
    // a work bitmap of its own.
    TBitmap nested;
    TBitmap& work = FDepth == 0 ? FWork : nested;
    struct Depth {
        int& d;
        explicit Depth(int& depth) : d(depth) { ++d; }
        ~Depth() { --d; }
    } depth(FDepth);

    // A label handler may change the labels, and what it draws lies under
    // the ticks and the caption that follow: from the main ticks on, the
    // scale is composed every time then.
    const bool labelsEachTime = static_cast<bool>(e.OnBeforeDrawScaleLabel);
    if (FCaching) {
        KeepStaticLayer(W, H, s, v, e, pv, !labelsEachTime);
        work.CopyPixels(FStatic);
        TCanvas& canvas = work.Canvas();
        canvas.Pen() = FStaticState.Pen;
        canvas.Brush() = FStaticState.Brush;
        canvas.SetFont(FStaticState.Font);
        canvas.MoveTo(FStaticState.PenPos.X, FStaticState.PenPos.Y);
        canvas.SetCopyMode(FStaticState.CopyMode);
    } else {
        work.SetSize(W, H);
        ResetCanvas(work.Canvas(), s.FPixelRatio);
        PaintStaticSteps({work.Canvas(), s, v, e, pv}, !labelsEachTime);
    }

    const TFaceJob job{work.Canvas(), s, v, e, pv};
    if (labelsEachTime) {
        if (s.FScaleVis)
            PaintMainTicksAndLabels(job);
        PaintCaption(job);
    }
    PaintNeedles(job);
    PaintCoverRims(job);
    PaintAnchor(job);
    PaintLimitLamps(job);
    NotifyMeterRendered(job);
    PaintFrame(job);
    work.Swap(face);
    // The face is no longer the one composed over the kept layers.
    FFaceKey = 0;
    return true;
}

} // namespace Kepler
