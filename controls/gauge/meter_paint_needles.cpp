#include "meter.h"
#include "cover_mask.h"
#include "needle_outline.h"
#include "saturating.h"

#include <cstdint>
#include <vector>

// Over the finished scale: the needles, the cover rims, the anchor with its
// bevel line, the limit lamps, and the end-of-render event. The bevel, the
// anchor shading and the lamps use fixed colours, whatever the colour scheme.

namespace {

// The shadow goes first, so the needle covers it where they overlap.
void DrawNeedle(TCanvas& c, const TNeedleLayout& n, double alphaDeg, const TMeterPaintValues& pv)
{
    std::vector<TPoint> outline = NeedleOutline(n, alphaDeg, pv);
    if (n.ShadowDx() != 0 || n.ShadowDy() != 0) {
        std::vector<TPoint> shadow = outline;
        for (TPoint& p : shadow) {
            p.X = SaturatingSub(p.X, n.ShadowDx());
            p.Y = SaturatingSub(p.Y, n.ShadowDy());
        }
        c.Pen().SetColor(n.ShadowColor());
        c.Brush().SetColor(n.ShadowColor());
        c.Polygon(shadow);
    }
    c.Pen().SetColor(n.ColorOutline());
    c.Brush().SetColor(n.ColorBody());
    c.Polygon(outline);
}

void LineColor(TCanvas& c, TColor color) { c.Pen().SetColor(color); }

// A 10 by 10 lamp with its top-left pixel at (L0, T0), bevelled like a button.
void DrawLamp(TCanvas& c, std::int64_t L0, std::int64_t T0, TColor fill)
{
    // Rims accept any integer: the corners are formed wide and saturated.
    const auto L = [L0](int d) { return SaturateToInt32(L0 + d); };
    const auto T = [T0](int d) { return SaturateToInt32(T0 + d); };
    c.Brush().SetColor(fill);
    LineColor(c, clBlack);
    c.Rectangle(L(0), T(10), L(10), T(0));
    LineColor(c, clWhite);
    c.MoveTo(L(1), T(9));
    c.LineTo(L(9), T(9));
    c.LineTo(L(9), T(0));
    LineColor(c, clSilver);
    c.MoveTo(L(2), T(8));
    c.LineTo(L(8), T(8));
    c.LineTo(L(8), T(1));
    LineColor(c, clGray);
    c.MoveTo(L(1), T(8));
    c.LineTo(L(1), T(1));
    c.LineTo(L(9), T(1));
}

// White along the bottom and the right, gray along the top and the left:
// the dial opening looks recessed. Runs from the pen's position on the
// bottom rim to the bottom right corner and round to the bottom left one.
// The sizes are widened: the rims accept any integer.
void BevelAroundOpening(TCanvas& c, std::int64_t W, std::int64_t H, std::int64_t SR, std::int64_t TR, std::int64_t BR)
{
    LineColor(c, clWhite);
    c.LineTo(SaturateToInt32(W - SR), SaturateToInt32(H - BR));
    c.LineTo(SaturateToInt32(W - SR), SaturateToInt32(TR));
    LineColor(c, clGray);
    c.LineTo(SaturateToInt32(SR - 1), SaturateToInt32(TR));
    c.LineTo(SaturateToInt32(SR - 1), SaturateToInt32(H - BR));
}

void PaintBevelLine(TCanvas& c, std::int64_t W, std::int64_t H, std::int64_t SR, std::int64_t TR, std::int64_t BR)
{
    c.MoveTo(SaturateToInt32(SR - 1), SaturateToInt32(H - BR));
    BevelAroundOpening(c, W, H, SR, TR, BR);
}

} // namespace

void TMeter::PaintNeedles(TCanvas& Canvas, const TMeterPaintValues& pv)
{
    bool NeedleDrawn = false;
    if (OnBeforeDrawNeedle)
        OnBeforeDrawNeedle(this, Canvas, NeedleDrawn);
    if (NeedleDrawn)
        return;
    Canvas.Brush().SetStyle(bsSolid);
    if (FNeedle2Layout.Visible())
        DrawNeedle(Canvas, FNeedle2Layout, pv.NeedleAngleSec, pv);
    // The main needle always shows; its Visible only gates range events.
    DrawNeedle(Canvas, FNeedleLayout, pv.NeedleAngle, pv);
}

void TMeter::PaintCoverRims(TCanvas& Canvas, const TMeterPaintValues& pv)
{
    Canvas.Pen().SetColor(FColorCover);
    Canvas.Brush().SetColor(FColorCover);
    Canvas.Rectangle(0, 0, SaturatingSub(FSRim, 1), pv.H);
    Canvas.Rectangle(0, 0, pv.W, FTRim);
    Canvas.Rectangle(SaturatingSub(pv.W, FSRim), 0, pv.W, pv.H);
    Canvas.Rectangle(0, SaturatingSub(pv.H, FBRim), pv.W, pv.H);
}

void TMeter::PaintAnchor(TCanvas& Canvas, const TMeterPaintValues& pv)
{
    // Widened: AnchorSize and the rims accept any integer.
    const std::int64_t W = pv.W, H = pv.H, SR = FSRim, TR = FTRim, BR = FBRim;
    const std::int64_t cx = pv.cx, cy = pv.cy, AS = BoxHalfSize(FSizeAnchor);
    const auto S = [](std::int64_t v) { return SaturateToInt32(v); };
    if (!FAnchorCovrd) {
        PaintBevelLine(Canvas, W, H, SR, TR, BR);
        return;
    }
    if (!FACoverFName.isEmpty()) {
        PaintBevelLine(Canvas, W, H, SR, TR, BR);
        DrawCover(Canvas, pv.cx, pv.cy, AuxACBmp, AuxACMaskBmp);
        return;
    }
    const int l = S(cx - AS), t = S(cy - AS), r = S(cx + AS), b = S(cy + AS);
    if (FMeterLayout == mlCirc270 || FMeterLayout == mlCirc300 || FMeterLayout == mlCirc360) {
        // Round cap: the centre lies inside the dial.
        Canvas.Ellipse(l, t, r, b);
        PaintBevelLine(Canvas, W, H, SR, TR, BR);
        LineColor(Canvas, clWhite);
        Canvas.Arc(l, t, r, b, r, t, l, b);
        LineColor(Canvas, clGray);
        Canvas.Arc(l, t, r, b, l, b, r, t);
        return;
    }
    // Half cap on a foot: the centre lies near the bottom rim, and the bevel
    // path runs around the foot.
    const int w = S(W), y = S(cy);
    Canvas.Pie(l, t, r, b, w, y, 0, y);
    Canvas.Rectangle(l, S(H - BR), r, y);
    LineColor(Canvas, clGray);
    Canvas.MoveTo(S(cx + AS - 1), y);
    Canvas.LineTo(S(cx + AS - 1), S(H - BR));
    BevelAroundOpening(Canvas, W, H, SR, TR, BR);
    LineColor(Canvas, clWhite);
    Canvas.LineTo(l, S(H - BR));
    Canvas.LineTo(l, S(cy - 1));
    Canvas.Arc(l, t, r, b, w, y, 0, y);
    LineColor(Canvas, clGray);
    Canvas.Arc(l, t, r, b, r, y, r, t);
}

void TMeter::PaintLimitLamps(TCanvas& Canvas, const TMeterPaintValues& pv)
{
    const std::int64_t T = std::int64_t(FTRim) + 8;
    if (FLimWatHighOn)
        DrawLamp(Canvas, std::int64_t(pv.W) - FSRim - 18, T, FOFL ? FLimWatActCol : FLimWatPsvCol);
    if (FLimWatLowOn)
        DrawLamp(Canvas, std::int64_t(FSRim) + 8, T, FUFL ? FLimWatActCol : FLimWatPsvCol);
}

void TMeter::NotifyMeterRendered(TCanvas& Canvas, const TMeterPaintValues&)
{
    if (OnMeterRendered)
        OnMeterRendered(this, Canvas);
}
