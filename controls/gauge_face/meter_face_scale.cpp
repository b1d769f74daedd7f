#include "meter_face_scale.h"

#include "KeplerControls/canvas.h"
#include "rounding.h"
#include "saturating.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

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
    // The outline stays one device pixel wide, so what scales is the body
    // between the outlines: a needle of width 1, all outline at ratio 1,
    // stays all outline instead of showing its fill between two hairlines.
    const int t = needle.Thickness();
    n.SetThickness(t > 0   ? SaturatingAdd(ScaledLength(t - 1, ratio), 1)
                   : t < 0 ? SaturatingSub(ScaledLength(t + 1, ratio), 1)
                           : 0);
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

namespace {

// One source pixel under a target pixel and how much of it lies there, in
// units that make a source pixel `to` long and a target pixel `from`.
struct TTap {
    int Index;
    std::int64_t Overlap;
};

// For each of `to` pixels along one axis, the `from` pixels under it; the
// overlaps of one target pixel add up to `from`. Whole numbers throughout,
// so an edge halfway between two pixels is an exact half.
std::vector<std::vector<TTap>> AreaTaps(int from, int to)
{
    std::vector<std::vector<TTap>> taps(static_cast<std::size_t>(to));
    for (std::int64_t i = 0; i < to; ++i) {
        const std::int64_t a = i * from, b = (i + 1) * from;
        for (std::int64_t s = a / to; s < from && s * to < b; ++s) {
            const std::int64_t overlap = std::min(b, (s + 1) * to) - std::max(a, s * to);
            if (overlap > 0)
                taps[std::size_t(i)].push_back({int(s), overlap});
        }
    }
    return taps;
}

} // namespace

void SmoothScalePicture(const TBitmap& picture, double ratio, TBitmap& scaled)
{
    const int w = ScaledLength(picture.Width(), ratio);
    const int h = ScaledLength(picture.Height(), ratio);
    scaled.SetSize(w, h);
    if (scaled.Empty() || picture.Empty())
        return;
    const std::vector<std::vector<TTap>> xs = AreaTaps(picture.Width(), w);
    const std::vector<std::vector<TTap>> ys = AreaTaps(picture.Height(), h);
    const std::int64_t whole = std::int64_t(picture.Width()) * picture.Height();
    const std::uint32_t* src = picture.Bits();
    std::uint32_t* dst = scaled.Bits();
    const std::size_t sw = std::size_t(picture.Width());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::int64_t sum[3] = {0, 0, 0};
            for (const TTap& ty : ys[std::size_t(y)])
                for (const TTap& tx : xs[std::size_t(x)]) {
                    const std::uint32_t p = src[std::size_t(ty.Index) * sw + std::size_t(tx.Index)];
                    const std::int64_t share = ty.Overlap * tx.Overlap;
                    for (int c = 0; c < 3; ++c)
                        sum[c] += share * std::int64_t((p >> (8 * c)) & 0xFF);
                }
            // Halves round up.
            std::uint32_t q = 0xFF000000u;
            for (int c = 0; c < 3; ++c)
                q |= std::uint32_t((sum[c] + whole / 2) / whole) << (8 * c);
            dst[std::size_t(y) * std::size_t(w) + std::size_t(x)] = q;
        }
}

const TBitmap* TScaledFaceComposer::TScaledPicture::Of(const TBitmap* source, double ratio,
                                                       void (*scale)(const TBitmap&, double, TBitmap&))
{
    if (!source)
        return nullptr;
    if (Source != source->ContentKey() || Ratio != ratio) {
        // Forgotten first: a scaling cut short must not pass for done.
        Source = 0;
        scale(*source, ratio, Bitmap);
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
        scaled.BackGroundPicture = FBackground.Of(s.BackGroundPicture, ratio, SmoothScalePicture);
    scaled.AnchorPicture = FCover.Of(s.AnchorPicture, ratio);
    scaled.AnchorMask = FMask.Of(s.AnchorMask, ratio);
    return FComposer.Compose(ScaledLength(W, ratio), ScaledLength(H, ratio), scaled, v, e, face);
}

} // namespace Kepler
