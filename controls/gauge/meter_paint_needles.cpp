#include "meter.h"
#include "cover_mask.h"
#include "needle_outline.h"

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
            p.X -= n.ShadowDx();
            p.Y -= n.ShadowDy();
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

// A 10 by 10 lamp with its top-left pixel at (L, T), bevelled like a button.
void DrawLamp(TCanvas& c, int L, int T, TColor fill)
{
    c.Brush().SetColor(fill);
    LineColor(c, clBlack);
    c.Rectangle(L, T + 10, L + 10, T);
    LineColor(c, clWhite);
    c.MoveTo(L + 1, T + 9);
    c.LineTo(L + 9, T + 9);
    c.LineTo(L + 9, T);
    LineColor(c, clSilver);
    c.MoveTo(L + 2, T + 8);
    c.LineTo(L + 8, T + 8);
    c.LineTo(L + 8, T + 1);
    LineColor(c, clGray);
    c.MoveTo(L + 1, T + 8);
    c.LineTo(L + 1, T + 1);
    c.LineTo(L + 9, T + 1);
}

// White along the bottom and the right, gray along the top and the left:
// the dial opening looks recessed. Runs from the pen's position on the
// bottom rim to the bottom right corner and round to the bottom left one.
void BevelAroundOpening(TCanvas& c, int W, int H, int SR, int TR, int BR)
{
    LineColor(c, clWhite);
    c.LineTo(W - SR, H - BR);
    c.LineTo(W - SR, TR);
    LineColor(c, clGray);
    c.LineTo(SR - 1, TR);
    c.LineTo(SR - 1, H - BR);
}

void PaintBevelLine(TCanvas& c, int W, int H, int SR, int TR, int BR)
{
    c.MoveTo(SR - 1, H - BR);
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
    Canvas.Rectangle(0, 0, FSRim - 1, pv.H);
    Canvas.Rectangle(0, 0, pv.W, FTRim);
    Canvas.Rectangle(pv.W - FSRim, 0, pv.W, pv.H);
    Canvas.Rectangle(0, pv.H - FBRim, pv.W, pv.H);
}

void TMeter::PaintAnchor(TCanvas& Canvas, const TMeterPaintValues& pv)
{
    const int W = pv.W, H = pv.H, SR = FSRim, TR = FTRim, BR = FBRim;
    const int cx = pv.cx, cy = pv.cy, AS = FSizeAnchor;
    if (!FAnchorCovrd) {
        PaintBevelLine(Canvas, W, H, SR, TR, BR);
        return;
    }
    if (!FACoverFName.isEmpty()) {
        PaintBevelLine(Canvas, W, H, SR, TR, BR);
        DrawCover(Canvas, cx, cy, AuxACBmp, AuxACMaskBmp);
        return;
    }
    const int l = cx - AS, t = cy - AS, r = cx + AS, b = cy + AS;
    if (FMeterLayout == mlCirc270 || FMeterLayout == mlCirc300 || FMeterLayout == mlCirc360) {
        // Round cap: the centre lies inside the dial.
        Canvas.Ellipse(l, t, r, b);
        PaintBevelLine(Canvas, W, H, SR, TR, BR);
        LineColor(Canvas, clWhite);
        Canvas.Arc(l, t, r, b, cx + AS, cy - AS, cx - AS, cy + AS);
        LineColor(Canvas, clGray);
        Canvas.Arc(l, t, r, b, cx - AS, cy + AS, cx + AS, cy - AS);
        return;
    }
    // Half cap on a foot: the centre lies near the bottom rim, and the bevel
    // path runs around the foot.
    Canvas.Pie(l, t, r, b, W, cy, 0, cy);
    Canvas.Rectangle(cx - AS, H - BR, cx + AS, cy);
    LineColor(Canvas, clGray);
    Canvas.MoveTo(cx + AS - 1, cy);
    Canvas.LineTo(cx + AS - 1, H - BR);
    BevelAroundOpening(Canvas, W, H, SR, TR, BR);
    LineColor(Canvas, clWhite);
    Canvas.LineTo(cx - AS, H - BR);
    Canvas.LineTo(cx - AS, cy - 1);
    Canvas.Arc(l, t, r, b, W, cy, 0, cy);
    LineColor(Canvas, clGray);
    Canvas.Arc(l, t, r, b, cx + AS, cy, cx + AS, cy - AS);
}

void TMeter::PaintLimitLamps(TCanvas& Canvas, const TMeterPaintValues& pv)
{
    const int T = FTRim + 8;
    if (FLimWatHighOn)
        DrawLamp(Canvas, pv.W - FSRim - 18, T, FOFL ? FLimWatActCol : FLimWatPsvCol);
    if (FLimWatLowOn)
        DrawLamp(Canvas, FSRim + 8, T, FUFL ? FLimWatActCol : FLimWatPsvCol);
}

void TMeter::NotifyMeterRendered(TCanvas& Canvas, const TMeterPaintValues&)
{
    if (OnMeterRendered)
        OnMeterRendered(this, Canvas);
}
