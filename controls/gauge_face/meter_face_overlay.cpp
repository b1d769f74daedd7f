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

// The lamps as the flags light them: 1 the high one, 2 the low one.
int Lighting(const TMeterSettings& s, const TMeterValues& v)
{
    return (s.FLimWatHighOn && v.FOFL ? 1 : 0) | (s.FLimWatLowOn && v.FUFL ? 2 : 0);
}

} // namespace

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
    return FDrawn && FKey == KeyOf(s, pv, systemColors);
}

void TFaceOverlay::Compose(const TMeterSettings& s, const TMeterValues& v, const TMeterPaintValues& pv,
                           std::uint64_t systemColors)
{
    FDrawn = false;
    const TMeterFaceEvents none;
    for (TBitmap* probe : {&FAnd, &FOr}) {
        probe->SetSize(pv.W, pv.H);
        FillAll(*probe, probe == &FAnd ? 0xFFFFFFFFu : 0u);
        // The steps set pen, brush and copy mode before they use them, so a
        // fresh canvas draws what the work canvas of a whole face would.
        TCanvas canvas(*probe);
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
    FKey = KeyOf(s, pv, systemColors);
    FDrawn = true;
}

void TFaceOverlay::FindRuns()
{
    const int W = FAnd.Width(), H = FAnd.Height();
    const std::uint32_t* a = FAnd.Bits();
    const std::uint32_t* o = FOr.Bits();
    FRowRuns.assign(std::size_t(H) + 1, 0);
    FRuns.clear();
    for (int y = 0; y < H; ++y) {
        FRowRuns[std::size_t(y)] = int(FRuns.size());
        const std::size_t row = std::size_t(y) * std::size_t(W);
        int x = 0;
        while (x < W) {
            // Pixels it leaves as they are: all ones kept, nothing added.
            while (x < W && a[row + std::size_t(x)] == 0xFFFFFFFFu && o[row + std::size_t(x)] == 0)
                ++x;
            const int start = x;
            while (x < W && !(a[row + std::size_t(x)] == 0xFFFFFFFFu && o[row + std::size_t(x)] == 0))
                ++x;
            if (x > start)
                FRuns.emplace_back(start, x);
        }
    }
    FRowRuns[std::size_t(H)] = int(FRuns.size());
}

void TFaceOverlay::KeepLampSquares(int lighting)
{
    std::vector<std::uint32_t>& kept = FLampPixels[lighting];
    kept.clear();
    const int W = FAnd.Width();
    for (const TBitmap* probe : {&FAnd, &FOr})
        for (int i = 0; i < FLampCount; ++i) {
            const TRect& r = FLampSquares[i];
            for (int y = r.Top; y < r.Bottom; ++y) {
                const std::uint32_t* row = probe->Bits() + std::size_t(y) * std::size_t(W);
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
    if (size == 0 || kept.size() != 2 * size)
        return false;
    const int W = FAnd.Width();
    const std::uint32_t* from = kept.data();
    for (TBitmap* probe : {&FAnd, &FOr}) {
        std::uint32_t* bits = probe->Bits();
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
int TFaceOverlay::SwitchLamps(const TMeterSettings& s, const TMeterValues& v, const TMeterPaintValues& pv,
                              TRect changed[2])
{
    const int lighting = Lighting(s, v);
    if (lighting == FLighting)
        return 0;
    // Forgotten while drawn half: an error midway leaves it to be drawn anew.
    FDrawn = false;
    if (!RestoreLampSquares(lighting)) {
        const TMeterFaceEvents none;
        for (TBitmap* probe : {&FAnd, &FOr}) {
            TCanvas canvas(*probe);
            const TFaceJob job{canvas, s, v, none, pv};
            PaintLimitLamps(job);
            PaintFrame(job);
        }
        KeepLampSquares(lighting);
    }
    FLighting = lighting;
    FDrawn = true;
    for (int i = 0; i < FLampCount; ++i)
        changed[i] = FLampSquares[i];
    return FLampCount;
}

void TFaceOverlay::LayRow(const std::uint32_t* under, std::uint32_t* face, int y, int x0, int x1) const
{
    const std::size_t row = std::size_t(y) * std::size_t(FAnd.Width());
    const std::uint32_t* a = FAnd.Bits() + row;
    const std::uint32_t* o = FOr.Bits() + row;
    const std::uint32_t* u = under + row;
    std::uint32_t* f = face + row;
    const int first = FRowRuns[std::size_t(y)], last = FRowRuns[std::size_t(y) + 1];
    for (int k = first; k < last; ++k) {
        const int from = std::max(FRuns[std::size_t(k)].first, x0);
        const int to = std::min(FRuns[std::size_t(k)].second, x1);
        for (int x = from; x < to; ++x)
            f[x] = (u[x] & a[x]) | o[x];
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

void TFaceOverlay::LayOver(const TBitmap& under, TBitmap& face) const
{
    face.CopyPixels(under);
    Lay(face, {0, 0, face.Width(), face.Height()});
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
