#include "meter_face_steps.h"
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

void PaintNeedles(const TFaceJob& j)
{
    TCanvas& Canvas = j.Canvas;
    bool NeedleDrawn = false;
    if (j.E.OnBeforeDrawNeedle)
        j.E.OnBeforeDrawNeedle(j.Sender, Canvas, NeedleDrawn);
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
    Canvas.Rectangle(0, 0, s.FSRim - 1, H);
    Canvas.Rectangle(0, 0, W, s.FTRim);
    Canvas.Rectangle(W - s.FSRim, 0, W, H);
    Canvas.Rectangle(0, H - s.FBRim, W, H);
}

void PaintAnchor(const TFaceJob& j)
{
    TCanvas& Canvas = j.Canvas;
    const TMeterSettings& s = j.S;
    const int W = j.pv.W, H = j.pv.H, SR = s.FSRim, TR = s.FTRim, BR = s.FBRim;
    const int cx = j.pv.cx, cy = j.pv.cy, AS = s.FSizeAnchor;
    if (!s.FAnchorCovrd) {
        PaintBevelLine(Canvas, W, H, SR, TR, BR);
        return;
    }
    if (!s.FACoverFName.isEmpty()) {
        PaintBevelLine(Canvas, W, H, SR, TR, BR);
        if (s.AnchorPicture && s.AnchorMask)
            DrawCover(Canvas, cx, cy, *s.AnchorPicture, *s.AnchorMask);
        return;
    }
    const int l = cx - AS, t = cy - AS, r = cx + AS, b = cy + AS;
    if (s.FMeterLayout == mlCirc270 || s.FMeterLayout == mlCirc300 || s.FMeterLayout == mlCirc360) {
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

void PaintLimitLamps(const TFaceJob& j)
{
    const TMeterSettings& s = j.S;
    const int T = s.FTRim + 8;
    if (s.FLimWatHighOn)
        DrawLamp(j.Canvas, j.pv.W - s.FSRim - 18, T, j.V.FOFL ? s.FLimWatActCol : s.FLimWatPsvCol);
    if (s.FLimWatLowOn)
        DrawLamp(j.Canvas, s.FSRim + 8, T, j.V.FUFL ? s.FLimWatActCol : s.FLimWatPsvCol);
}

void NotifyMeterRendered(const TFaceJob& j)
{
    if (j.E.OnMeterRendered)
        j.E.OnMeterRendered(j.Sender, j.Canvas);
}
