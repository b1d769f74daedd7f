#include "meter_face_steps.h"
#include "cover_draw.h"
#include "needle_outline.h"
#include "saturating.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace Kepler {

// Over the finished scale: the needles, the cover rims, the anchor with its
// bevel line, the limit lamps, and the end-of-render event. The bevel, the
// anchor shading and the lamps use fixed colours, whatever the colour scheme.

namespace {

// The box of a polygon's points, clipped to the face: a polygon's outline
// and fill stay within it.
void AddBox(TNeedleBoxes* drawn, const std::vector<TPoint>& points, const TMeterPaintValues& pv)
{
    if (!drawn || points.empty())
        return;
    std::int64_t l = points[0].X, t = points[0].Y, r = l, b = t;
    for (const TPoint& p : points) {
        l = std::min<std::int64_t>(l, p.X);
        t = std::min<std::int64_t>(t, p.Y);
        r = std::max<std::int64_t>(r, p.X);
        b = std::max<std::int64_t>(b, p.Y);
    }
    const auto x = [&](std::int64_t v) { return int(std::clamp<std::int64_t>(v, 0, pv.W)); };
    const auto y = [&](std::int64_t v) { return int(std::clamp<std::int64_t>(v, 0, pv.H)); };
    drawn->Boxes[drawn->Count++] = {x(l), y(t), x(r + 1), y(b + 1)};
}

// The shadow goes first, so the needle covers it where they overlap.
void DrawNeedle(TCanvas& c, const TNeedleStyle& n, double alphaDeg, const TMeterPaintValues& pv,
                TNeedleBoxes* drawn)
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
        AddBox(drawn, shadow, pv);
    }
    c.Pen().SetColor(n.ColorOutline());
    c.Brush().SetColor(n.ColorBody());
    c.Polygon(outline);
    AddBox(drawn, outline, pv);
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

void PaintNeedles(const TFaceJob& j, TNeedleBoxes* drawn)
{
    TCanvas& Canvas = j.Canvas;
    bool NeedleDrawn = false;
    if (j.E.OnBeforeDrawNeedle)
        j.E.OnBeforeDrawNeedle(Canvas, NeedleDrawn);
    if (NeedleDrawn)
        return;
    Canvas.Brush().SetStyle(bsSolid);
    if (j.S.FNeedle2Layout.Visible())
        DrawNeedle(Canvas, j.S.FNeedle2Layout, j.pv.NeedleAngleSec, j.pv, drawn);
    // The main needle always shows; its Visible only gates range events.
    DrawNeedle(Canvas, j.S.FNeedleLayout, j.pv.NeedleAngle, j.pv, drawn);
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

namespace {

// Both lamps 8 pixels in from the rims (the high one's left edge thus 18
// from the right rim), 10 pixels square, at the face's pixel ratio.
int LampSize(const TMeterPaintValues& pv) { return pv.Px(10); }
std::int64_t LampTop(const TMeterSettings& s, const TMeterPaintValues& pv) { return std::int64_t(s.FTRim) + pv.Px(8); }
std::int64_t HighLampLeft(const TMeterSettings& s, const TMeterPaintValues& pv)
{
    return std::int64_t(pv.W) - s.FSRim - pv.Px(8) - LampSize(pv);
}
std::int64_t LowLampLeft(const TMeterSettings& s, const TMeterPaintValues& pv)
{
    return std::int64_t(s.FSRim) + pv.Px(8);
}

} // namespace

void PaintLimitLamps(const TFaceJob& j)
{
    const TMeterSettings& s = j.S;
    if (s.FLimWatHighOn)
        DrawLamp(j.Canvas, HighLampLeft(s, j.pv), LampTop(s, j.pv), LampSize(j.pv),
                 j.V.FOFL ? s.FLimWatActCol : s.FLimWatPsvCol);
    if (s.FLimWatLowOn)
        DrawLamp(j.Canvas, LowLampLeft(s, j.pv), LampTop(s, j.pv), LampSize(j.pv),
                 j.V.FUFL ? s.FLimWatActCol : s.FLimWatPsvCol);
}

int LampSquares(const TMeterSettings& s, const TMeterPaintValues& pv, TRect squares[2])
{
    // Formed as DrawLamp forms its corners.
    const int n = LampSize(pv);
    const auto square = [&](std::int64_t L, std::int64_t T) {
        const auto x = [&](int d) { return std::clamp<std::int64_t>(SaturateToInt32(L + d), 0, pv.W); };
        const auto y = [&](int d) { return std::clamp<std::int64_t>(SaturateToInt32(T + d), 0, pv.H); };
        return TRect{int(x(0)), int(y(0)), int(x(n)), int(y(n))};
    };
    int count = 0;
    if (s.FLimWatHighOn)
        squares[count++] = square(HighLampLeft(s, pv), LampTop(s, pv));
    if (s.FLimWatLowOn)
        squares[count++] = square(LowLampLeft(s, pv), LampTop(s, pv));
    return count;
}

void NotifyMeterRendered(const TFaceJob& j)
{
    if (j.E.OnMeterRendered)
        j.E.OnMeterRendered(j.Canvas);
}

} // namespace Kepler
