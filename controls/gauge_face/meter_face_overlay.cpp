#include "meter_face_overlay.h"

#include "meter_face_steps.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

namespace Kepler {

namespace {

// Every pixel of the bitmap set to v.
void FillAll(TBitmap& b, std::uint32_t v)
{
    std::uint32_t* bits = b.Bits();
    std::fill(bits, bits + std::size_t(b.Width()) * std::size_t(b.Height()), v);
}

} // namespace

int TFaceOverlay::Lighting(const TMeterSettings& s, const TMeterValues& v)
{
    return (s.FLimWatHighOn && v.FOFL ? 1 : 0) | (s.FLimWatLowOn && v.FUFL ? 2 : 0);
}

TFaceOverlay::TKey TFaceOverlay::KeyOf(const TMeterSettings& s, const TMeterPaintValues& pv,
                                       std::uint64_t systemColors)
{
    TKey k;
    k.W = pv.W;
    k.H = pv.H;
    k.cx = pv.cx;
    k.cy = pv.cy;
    k.SRim = s.FSRim;
    k.TRim = s.FTRim;
    k.BRim = s.FBRim;
    k.ColorCover = s.FColorCover;
    k.AnchorCovered = s.FAnchorCovrd;
    k.AnchorSize = s.FSizeAnchor;
    k.Cover = s.AnchorPicture ? s.AnchorPicture->ContentKey() : 0;
    k.Mask = s.AnchorMask ? s.AnchorMask->ContentKey() : 0;
    k.Layout = s.FMeterLayout;
    k.HighOn = s.FLimWatHighOn;
    k.LowOn = s.FLimWatLowOn;
    k.ActiveColor = s.FLimWatActCol;
    k.PassiveColor = s.FLimWatPsvCol;
    k.Frame = s.FFrameStyle;
    k.GrayLine = s.FColGrayLine;
    k.WhiteLine = s.FColWhiteLine;
    k.Background = s.FColorBakG; // the simple frame's colour
    k.SystemColors = systemColors;
    return k;
}

bool TFaceOverlay::Current(const TMeterSettings& s, const TMeterPaintValues& pv, std::uint64_t systemColors) const
{
    return FDescribed && FKey == KeyOf(s, pv, systemColors);
}

void TFaceOverlay::Describe(const TMeterSettings& s, const TMeterPaintValues& pv, std::uint64_t systemColors)
{
    FKey = KeyOf(s, pv, systemColors);
    FDescribed = true;
    FPrepared = false;
    ++FGeneration;
}

void TFaceOverlay::Prepare(const TMeterSettings& s, const TMeterValues& v, const TMeterPaintValues& pv)
{
    if (!FPrepared) {
        Draw(s, v, pv);
        FPrepared = true;
        return;
    }
    const int lighting = Lighting(s, v);
    if (lighting != FLighting) {
        // Forgotten while drawn half: an error midway has it drawn anew.
        FPrepared = false;
        SwitchLamps(s, v, pv, lighting);
        FPrepared = true;
    }
}

void TFaceOverlay::Draw(const TMeterSettings& s, const TMeterValues& v, const TMeterPaintValues& pv)
{
    // Only the cover picture is combined with what lies under it.
    FMasked = s.FAnchorCovrd && s.AnchorPicture && s.AnchorMask;
    if (!FMasked)
        FAnd.SetSize(0, 0);
    const TMeterFaceEvents none;
    for (int i = 0; i < Probes(); ++i) {
        TBitmap& probe = Probe(i);
        probe.SetSize(pv.W, pv.H);
        FillAll(probe, i == 0 ? 0u : 0xFFFFFFFFu);
        // The steps set pen, brush and copy mode before they use them, so a
        // fresh canvas draws what the work canvas of a whole face would.
        TCanvas canvas(probe);
        const TFaceJob job{canvas, s, v, none, pv};
        PaintCoverRims(job);
        PaintAnchor(job);
        PaintLimitLamps(job);
        PaintFrame(job);
    }
    FindRuns();
    FLampCount = LampSquares(s, pv, FLampSquares);
    for (std::vector<std::uint32_t>& kept : FLampPixels)
        kept.clear();
    FLighting = Lighting(s, v);
    KeepLampSquares(FLighting);
}

void TFaceOverlay::FindRuns()
{
    const int W = FOr.Width(), H = FOr.Height();
    const std::uint32_t* o = std::as_const(FOr).Bits();
    const std::uint32_t* a = FMasked ? std::as_const(FAnd).Bits() : nullptr;
    FRowRuns.assign(std::size_t(H) + 1, 0);
    FRuns.clear();
    // `changes` tells where the overlay changes the pixel; `clear` whether
    // none of the 16 pixels from an index on is changed, which lets the
    // open dial be passed over 16 pixels at a time.
    const auto find = [&](auto changes, auto clear) {
        constexpr int block = 16;
        for (int y = 0; y < H; ++y) {
            FRowRuns[std::size_t(y)] = int(FRuns.size());
            const std::size_t row = std::size_t(y) * std::size_t(W);
            int x = 0;
            while (x < W) {
                while (x + block <= W && clear(row + std::size_t(x)))
                    x += block;
                while (x < W && !changes(row + std::size_t(x)))
                    ++x;
                const int start = x;
                while (x < W && changes(row + std::size_t(x)))
                    ++x;
                if (x > start)
                    FRuns.emplace_back(start, x);
            }
        }
    };
    // It adds something, or (with the cover picture) clears some bits.
    if (a) {
        find([&](std::size_t i) { return (~a[i] | o[i]) != 0; }, [](std::size_t) { return false; });
    } else {
        find([&](std::size_t i) { return o[i] != 0; },
             [&](std::size_t i) {
                 // Two pixels a load.
                 std::uint64_t any = 0;
                 for (int k = 0; k < 16; k += 2) {
                     std::uint64_t pair;
                     std::memcpy(&pair, o + i + std::size_t(k), sizeof pair);
                     any |= pair;
                 }
                 return any == 0;
             });
    }
    FRowRuns[std::size_t(H)] = int(FRuns.size());
}

void TFaceOverlay::KeepLampSquares(int lighting)
{
    std::vector<std::uint32_t>& kept = FLampPixels[lighting];
    kept.clear();
    const int W = FOr.Width();
    for (int p = 0; p < Probes(); ++p)
        for (int i = 0; i < FLampCount; ++i) {
            const TRect& r = FLampSquares[i];
            for (int y = r.Top; y < r.Bottom; ++y) {
                const std::uint32_t* row = std::as_const(Probe(p)).Bits() + std::size_t(y) * std::size_t(W);
                kept.insert(kept.end(), row + r.Left, row + r.Right);
            }
        }
}

bool TFaceOverlay::RestoreLampSquares(int lighting)
{
    const std::vector<std::uint32_t>& kept = FLampPixels[lighting];
    std::size_t size = 0;
    for (int i = 0; i < FLampCount; ++i)
        size += std::size_t(FLampSquares[i].Width()) * std::size_t(FLampSquares[i].Height());
    // Kept, unless the squares are empty or that lighting was never drawn.
    if (size == 0 || kept.size() != std::size_t(Probes()) * size)
        return false;
    const int W = FOr.Width();
    const std::uint32_t* from = kept.data();
    for (int p = 0; p < Probes(); ++p) {
        std::uint32_t* bits = Probe(p).Bits();
        for (int i = 0; i < FLampCount; ++i) {
            const TRect& r = FLampSquares[i];
            for (int y = r.Top; y < r.Bottom; ++y) {
                std::memcpy(bits + std::size_t(y) * std::size_t(W) + std::size_t(r.Left), from,
                            std::size_t(r.Width()) * sizeof(std::uint32_t));
                from += r.Width();
            }
        }
    }
    return true;
}

// Each lamp covers its whole square, so drawing both again puts into their
// squares what drawing the whole overlay would; the frame, drawn last, is
// drawn again over them and sets the pixels it has set before elsewhere.
// A lighting seen before is put back from its kept squares instead. The
// squares are changed whatever the lamps show, so the runs stay as they are.
void TFaceOverlay::SwitchLamps(const TMeterSettings& s, const TMeterValues& v, const TMeterPaintValues& pv,
                               int lighting)
{
    if (!RestoreLampSquares(lighting)) {
        const TMeterFaceEvents none;
        for (int p = 0; p < Probes(); ++p) {
            TCanvas canvas(Probe(p));
            const TFaceJob job{canvas, s, v, none, pv};
            PaintLimitLamps(job);
            PaintFrame(job);
        }
        KeepLampSquares(lighting);
    }
    FLighting = lighting;
}

void TFaceOverlay::LayRow(const std::uint32_t* under, std::uint32_t* face, int y, int x0, int x1) const
{
    const std::size_t row = std::size_t(y) * std::size_t(FOr.Width());
    const std::uint32_t* o = FOr.Bits() + row;
    const std::uint32_t* a = FMasked ? FAnd.Bits() + row : nullptr;
    const std::uint32_t* u = under + row;
    std::uint32_t* f = face + row;
    const int first = FRowRuns[std::size_t(y)], last = FRowRuns[std::size_t(y) + 1];
    for (int k = first; k < last; ++k) {
        const int from = std::max(FRuns[std::size_t(k)].first, x0);
        const int to = std::min(FRuns[std::size_t(k)].second, x1);
        if (a) {
            for (int x = from; x < to; ++x)
                f[x] = (u[x] & a[x]) | o[x];
        } else {
            // Within a run every pixel is drawn, opaque.
            for (int x = from; x < to; ++x)
                f[x] = o[x];
        }
    }
}

void TFaceOverlay::Lay(TBitmap& face, const TRect& r) const
{
    const int x0 = std::max(r.Left, 0), x1 = std::min(r.Right, face.Width());
    const int y0 = std::max(r.Top, 0), y1 = std::min(r.Bottom, face.Height());
    if (x0 >= x1 || y0 >= y1)
        return;
    std::uint32_t* f = face.Bits();
    for (int y = y0; y < y1; ++y)
        LayRow(f, f, y, x0, x1);
}

void TFaceOverlay::LayOver(const TBitmap& under, TBitmap& face, const TRect& r) const
{
    const int W = face.Width();
    const std::uint32_t* u = under.Bits();
    std::uint32_t* f = face.Bits();
    for (int y = r.Top; y < r.Bottom; ++y) {
        const std::size_t i = std::size_t(y) * std::size_t(W) + std::size_t(r.Left);
        std::memcpy(f + i, u + i, std::size_t(r.Width()) * sizeof(std::uint32_t));
        LayRow(f, f, y, r.Left, r.Right);
    }
}

} // namespace Kepler
