#include "meter_face_scale.h"

#include "KeplerControls/canvas.h"
#include "rounding.h"

#include <cmath>

namespace Kepler {

int ScaledLength(int length, double ratio)
{
    if (ratio == 1)
        return length;
    return detail::SaturateToInt32(std::round(double(length) * ratio));
}

int ScaledPosition(int p, double ratio)
{
    if (ratio == 1)
        return p;
    return detail::SaturateToInt32(std::floor((double(p) + 0.5) * ratio));
}

TFont ScaledFont(const TFont& font, double ratio)
{
    TFont f;
    f.Assign(font);
    if (ratio != 1)
        f.SetHeight(ScaledLength(font.Height() == 0 ? TFont::DefaultHeight : font.Height(), ratio));
    return f;
}

TNeedleStyle ScaledNeedle(const TNeedleStyle& needle, double ratio)
{
    TNeedleStyle n(needle);
    n.SetHeadSize(ScaledLength(needle.HeadSize(), ratio));
    n.SetHeadMidLeng(ScaledLength(needle.HeadMidLeng(), ratio));
    n.SetThickness(ScaledLength(needle.Thickness(), ratio));
    n.SetShadowDx(ScaledLength(needle.ShadowDx(), ratio));
    n.SetShadowDy(ScaledLength(needle.ShadowDy(), ratio));
    return n;
}

TMeterSettings ScaledMeterSettings(const TMeterSettings& s, double ratio)
{
    TMeterSettings d(s);
    // The copies must not reach the gauge's own fonts' handlers.
    d.FFont = ScaledFont(s.FFont, ratio);
    d.FFontCaption = ScaledFont(s.FFontCaption, ratio);
    if (ratio == 1)
        return d;
    d.FPixelRatio = s.FPixelRatio * ratio;
    d.FTRim = ScaledLength(s.FTRim, ratio);
    d.FBRim = ScaledLength(s.FBRim, ratio);
    d.FSRim = ScaledLength(s.FSRim, ratio);
    d.FSizeAnchor = ScaledLength(s.FSizeAnchor, ratio);
    d.FNeedleLayout = ScaledNeedle(s.FNeedleLayout, ratio);
    d.FNeedle2Layout = ScaledNeedle(s.FNeedle2Layout, ratio);
    // The geometry of the last recomputation, scaled as it stands: the
    // dial is where it was, whatever rims it was computed with.
    d.FMeterRadius = s.FMeterRadius * ratio;
    d.FMeterCenterX = ScaledPosition(s.FMeterCenterX, ratio);
    d.FMeterCenterY = ScaledPosition(s.FMeterCenterY, ratio);
    return d;
}

void ScalePicture(const TBitmap& picture, double ratio, TBitmap& scaled)
{
    const int w = ScaledLength(picture.Width(), ratio);
    const int h = ScaledLength(picture.Height(), ratio);
    scaled.SetSize(w, h);
    if (scaled.Empty() || picture.Empty())
        return;
    TCanvas& canvas = scaled.Canvas();
    canvas.SetCopyMode(cmSrcCopy);
    canvas.StretchDraw({0, 0, w, h}, picture);
}

const TBitmap* TScaledFaceComposer::TScaledPicture::Of(const TBitmap* source, double ratio)
{
    if (!source)
        return nullptr;
    if (Source != source->ContentKey() || Ratio != ratio) {
        // Forgotten first: a scaling cut short must not pass for done.
        Source = 0;
        ScalePicture(*source, ratio, Bitmap);
        Source = source->ContentKey();
        Ratio = ratio;
    }
    return &Bitmap;
}

bool TScaledFaceComposer::Compose(int W, int H, double ratio, const TMeterSettings& s, const TMeterValues& v,
                                  const TMeterFaceEvents& e, TBitmap& face)
{
    TMeterSettings scaled = ScaledMeterSettings(s, ratio);
    // A stretched background is stretched from the picture itself: one
    // resampling, not two.
    if (s.BackGroundPicture && s.FBGFillMode != bfStretch)
        scaled.BackGroundPicture = FBackground.Of(s.BackGroundPicture, ratio);
    scaled.AnchorPicture = FCover.Of(s.AnchorPicture, ratio);
    scaled.AnchorMask = FMask.Of(s.AnchorMask, ratio);
    return FComposer.Compose(ScaledLength(W, ratio), ScaledLength(H, ratio), scaled, v, e, face);
}

} // namespace Kepler
