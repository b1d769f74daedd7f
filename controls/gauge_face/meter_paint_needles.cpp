#include "meter_face_steps.h"
#include "cover_draw.h"
#include "needle_outline.h"
#include "saturating.h"

#include <cstdint>
#include <vector>

namespace Kepler {

// Over the finished scale: the needles, the cover rims, the anchor with its
// bevel line, the limit lamps, and the end-of-render event. The bevel, the
// anchor shading and the lamps use fixed colours, whatever the colour scheme.

namespace {

// The shadow goes first, so the needle covers it where they overlap.
void DrawNeedle(TCanvas& c, const TNeedleStyle& n, double alphaDeg, const TMeterPaintValues& pv)
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

// A lamp of n by n pixels (10 in the control's own) with its top-left pixel
// at (L0, T0), bevelled like a button with lines one pixel in from its edge.
void DrawLamp(TCanvas& c, std::int64_t L0, std::int64_t T0, int n, TColor fill)
{
    // Rims accept any integer: the corners are formed wide and saturated.
    const auto L = [L0](std::int64_t d) { return SaturateToInt32(L0 + d); };
    const auto T = [T0](std::int64_t d) { return SaturateToInt32(T0 + d); };
    c.Brush().SetColor(fill);
    LineColor(c, clBlack);
    c.Rectangle(L(0), T(n), L(n), T(0));
    LineColor(c, clWhite);
    c.MoveTo(L(1), T(n - 1));
    c.LineTo(L(n - 1), T(n - 1));
    c.LineTo(L(n - 1), T(0));
    LineColor(c, clSilver);
    c.MoveTo(L(2), T(n - 2));
    c.LineTo(L(n - 2), T(n - 2));
    c.LineTo(L(n - 2), T(1));
    LineColor(c, clGray);
    c.MoveTo(L(1), T(n - 2));
    c.LineTo(L(1), T(1));
    c.LineTo(L(n - 1), T(1));
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

void PaintNeedles(const TFaceJob& j)
{
    TCanvas& Canvas = j.Canvas;
    bool NeedleDrawn = false;
    if (j.E.OnBeforeDrawNeedle)
        j.E.OnBeforeDrawNeedle(Canvas, NeedleDrawn);
    if (NeedleDrawn)
        return;
    Canvas.Brush().SetStyle(bsSolid);
    if (j.S.FNeedle2Layout.Visible())
        DrawNeedle(Canvas, j.S.FNeedle2Layout, j.pv.NeedleAngleSec, j.pv);
    // The main needle always shows; its Visible only gates range events.
    DrawNeedle(Canvas, j.S.FNeedleLayout, j.pv.NeedleAngle, j.pv);
}

void PaintCoverRims(const TFaceJob& j)
{
    TCanvas& Canvas = j.Canvas;
    const TMeterSettings& s = j.S;
    const int W = j.pv.W, H = j.pv.H;
    Canvas.Pen().SetColor(s.FColorCover);
    Canvas.Brush().SetColor(s.FColorCover);
    Canvas.Rectangle(0, 0, SaturatingSub(s.FSRim, 1), H);
    Canvas.Rectangle(0, 0, W, s.FTRim);
    Canvas.Rectangle(SaturatingSub(W, s.FSRim), 0, W, H);
    Canvas.Rectangle(0, SaturatingSub(H, s.FBRim), W, H);
}

void PaintAnchor(const TFaceJob& j)
{
    TCanvas& Canvas = j.Canvas;
    const TMeterSettings& s = j.S;
    // Widened: AnchorSize and the rims accept any integer.
    const std::int64_t W = j.pv.W, H = j.pv.H, SR = s.FSRim, TR = s.FTRim, BR = s.FBRim;
    const std::int64_t cx = j.pv.cx, cy = j.pv.cy, AS = BoxHalfSize(s.FSizeAnchor);
    const auto S = [](std::int64_t v) { return SaturateToInt32(v); };
    if (!s.FAnchorCovrd) {
        PaintBevelLine(Canvas, W, H, SR, TR, BR);
        return;
    }
    if (s.AnchorPicture) {
        PaintBevelLine(Canvas, W, H, SR, TR, BR);
        if (s.AnchorMask)
            DrawCover(Canvas, j.pv.cx, j.pv.cy, *s.AnchorPicture, *s.AnchorMask);
        return;
    }
    const int l = S(cx - AS), t = S(cy - AS), r = S(cx + AS), b = S(cy + AS);
    if (s.FMeterLayout == mlCirc270 || s.FMeterLayout == mlCirc300 || s.FMeterLayout == mlCirc360) {
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

void PaintLimitLamps(const TFaceJob& j)
{
    const TMeterSettings& s = j.S;
    const TMeterPaintValues& pv = j.pv;
    // Both lamps 8 pixels in from the rims (the high one's left edge thus
    // 18 from the right rim), 10 pixels square.
    const int n = pv.Px(10);
    const int inset = pv.Px(8);
    const std::int64_t T = std::int64_t(s.FTRim) + inset;
    if (s.FLimWatHighOn)
        DrawLamp(j.Canvas, std::int64_t(pv.W) - s.FSRim - inset - n, T, n,
                 j.V.FOFL ? s.FLimWatActCol : s.FLimWatPsvCol);
    if (s.FLimWatLowOn)
        DrawLamp(j.Canvas, std::int64_t(s.FSRim) + inset, T, n, j.V.FUFL ? s.FLimWatActCol : s.FLimWatPsvCol);
}

void NotifyMeterRendered(const TFaceJob& j)
{
    if (j.E.OnMeterRendered)
        j.E.OnMeterRendered(j.Canvas);
}

} // namespace Kepler
