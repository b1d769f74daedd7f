#include "meter_face_steps.h"
#include "rounding.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace Kepler {

// Body and scale of the face: background, scale bands, scale line, caption
// and frame. Ticks and labels are in meter_face_ticks.cpp.

void PaintBackground(const TFaceJob& j)
{
    TCanvas& Canvas = j.Canvas;
    const TMeterPaintValues& pv = j.pv;
    const TBitmap* picture = j.S.BackGroundPicture;
    const int bw = picture ? picture->Width() : 0;
    const int bh = picture ? picture->Height() : 0;
    // An empty picture (nothing loaded) would tile forever: treat it as none.
    if (bw <= 0 || bh <= 0) {
        Canvas.SetFont(j.S.FFont);
        Canvas.Brush().SetColor(j.S.FColorBakG);
        Canvas.Pen().SetColor(j.S.FColorBakG);
        Canvas.Rectangle(0, 0, pv.W, pv.H);
        return;
    }
    const TBitmap& AuxBGBmp = *picture;
    switch (j.S.FBGFillMode) {
    case bfSimple:
        // The fresh canvas's black pen and white brush: a white face with a
        // thin black edge, the picture at its own size in the corner.
        Canvas.Rectangle(0, 0, pv.W, pv.H);
        Canvas.StretchDraw({0, 0, bw, bh}, AuxBGBmp);
        break;
    case bfStretch:
        Canvas.StretchDraw({0, 0, pv.W, pv.H}, AuxBGBmp);
        break;
    case bfTile: {
        const int nx = (pv.W - 1) / bw + 1;
        const int ny = (pv.H - 1) / bh + 1;
        for (int i = 1; i <= nx; ++i)
            for (int j = 1; j <= ny; ++j)
                Canvas.StretchDraw({bw * (i - 1), bh * (j - 1), bw * i, bh * j}, AuxBGBmp);
        break;
    }
    }
}

// Wedges from the scale centre in the three band colours, their inner part
// blanked by a disc, leaving a ring from the blanking radius out to four
// pixels beyond the scale. A band narrower than 1e-6 radians is left out, so
// no lone radius line shows where a threshold sits on an end of the scale.
// So is a narrow band whose rays, rounded to pixels, coincide or swap their
// order: drawn, it would cover (nearly) the whole ring. A band going (nearly)
// all the way round, on the full circle, is drawn whole.
void PaintScaleBands(const TFaceJob& j)
{
    TCanvas& Canvas = j.Canvas;
    const TMeterPaintValues& pv = j.pv;
    const TMeterSettings& s = j.S;
    const std::int64_t cx = pv.cx, cy = pv.cy;
    const std::int64_t Rb = BoxHalfSize(RoundHalfEven(pv.R + 4 * pv.Ratio));
    const std::int64_t Ri = BoxHalfSize(RoundHalfEven((100 - s.FScaleBakWidth) * pv.R / 100));
    const TRect band{SaturateToInt32(cx - Rb), SaturateToInt32(cy - Rb), SaturateToInt32(cx + Rb + 1),
                     SaturateToInt32(cy + Rb)};
    const auto wedge = [&](TColor color, double from, double to) {
        Canvas.Brush().SetColor(color);
        Canvas.Pen().SetColor(color);
        if (std::fabs(to - from) > 1e-6) {
            const TPoint start = pv.Q(from);
            TPoint end = pv.Q(to);
            // The turn the rounded points really give, seen from the box
            // centre (doubled coordinates keep the centre whole); equal
            // directions are a whole turn. Far from the band's own sweep, the
            // rounding has swapped the rays.
            constexpr double pi = std::numbers::pi;
            const double mx = double(band.Left) + band.Right, my = double(band.Top) + band.Bottom;
            const double turn = std::atan2(my - 2.0 * end.Y, 2.0 * end.X - mx)
                                - std::atan2(my - 2.0 * start.Y, 2.0 * start.X - mx);
            double drawn = std::fmod(turn, 2 * pi);
            if (drawn <= 0)
                drawn += 2 * pi;
            const double meant = std::fabs(to - from);
            if (std::fabs(drawn - meant) > pi) {
                if (meant < pi)
                    return;
                end = start; // the whole ring
            }
            Canvas.Pie(band.Left, band.Top, band.Right, band.Bottom, start.X, start.Y, end.X, end.Y);
        }
    };
    wedge(s.FColorBakGLow, pv.aLow, pv.aMin);
    wedge(s.FColorBakGNorm, pv.aHigh, pv.aLow);
    wedge(s.FColorBakGHigh, pv.aMax, pv.aHigh);
    Canvas.Brush().SetColor(s.FColorBakG);
    Canvas.Pen().SetColor(s.FColorBakG);
    Canvas.Ellipse(SaturateToInt32(cx - Ri), SaturateToInt32(cy - Ri), SaturateToInt32(cx + Ri + 1),
                   SaturateToInt32(cy + Ri));
}

// From the Max end counterclockwise over the top to the Min end. The pen
// stays set for the ticks.
void PaintScaleLine(const TFaceJob& j)
{
    TCanvas& Canvas = j.Canvas;
    const TMeterPaintValues& pv = j.pv;
    Canvas.Pen().SetColor(j.S.FColorScale);
    Canvas.Brush().SetStyle(bsClear);
    if (!j.S.FScaleLine)
        return;
    const TPoint start = pv.Q(pv.aMax);
    const TPoint end = pv.Q(pv.aMin);
    const std::int64_t cx = pv.cx, cy = pv.cy, Rr = BoxHalfSize(pv.Rr);
    Canvas.Arc(SaturateToInt32(cx - Rr), SaturateToInt32(cy - Rr), SaturateToInt32(cx + Rr + 1),
               SaturateToInt32(cy + Rr), start.X, start.Y, end.X, end.Y);
}

// Centred one third of the radius above the dial centre. The caption font
// stays on the canvas for the steps that follow.
void PaintCaption(const TFaceJob& j)
{
    TCanvas& Canvas = j.Canvas;
    const std::string& caption = j.S.FCaption;
    Canvas.SetFont(j.S.FFontCaption);
    const int th = Canvas.TextHeight(caption);
    const int tw = Canvas.TextWidth(caption);
    Canvas.TextOut(SaturateToInt32(std::int64_t(j.pv.cx) - tw / 2),
                   SaturateToInt32(std::int64_t(j.pv.cy) - RoundHalfEven(j.pv.R / 3) - th / 2), caption);
}

void PaintFrame(const TFaceJob& j)
{
    TCanvas& Canvas = j.Canvas;
    const TMeterPaintValues& pv = j.pv;
    const TMeterSettings& s = j.S;
    const int r = pv.W - 1; // right column
    const int b = pv.H - 1; // bottom row
    // The outer edge in one colour: from bottom-left up, across and down.
    const auto edge = [&](TColor upperLeft, TColor lowerRight) {
        Canvas.Pen().SetColor(upperLeft);
        Canvas.MoveTo(0, b);
        Canvas.LineTo(0, 0);
        Canvas.LineTo(r, 0);
        Canvas.Pen().SetColor(lowerRight);
        Canvas.LineTo(r, b);
        Canvas.LineTo(0, b);
    };
    // A rectangle path one pixel in from the right and bottom, then the
    // inner top-left and outer bottom-right lines in the other colour.
    const auto groove = [&](TColor outer, TColor inner) {
        Canvas.Pen().SetColor(outer);
        Canvas.MoveTo(0, 0);
        Canvas.LineTo(r - 1, 0);
        Canvas.LineTo(r - 1, b - 1);
        Canvas.LineTo(0, b - 1);
        Canvas.LineTo(0, 0);
        Canvas.Pen().SetColor(inner);
        Canvas.MoveTo(1, b - 2);
        Canvas.LineTo(1, 1);
        Canvas.LineTo(r - 1, 1);
        Canvas.MoveTo(1, b);
        Canvas.LineTo(r, b);
        Canvas.LineTo(r, 0);
    };

    Canvas.Pen().SetColor(s.FFrameStyle == fsEmbossed ? s.FColWhiteLine : s.FColGrayLine);
    switch (s.FFrameStyle) {
    case fsNone: break;
    case fsSimple: edge(s.FColorBakG, s.FColorBakG); break;
    case fsLowered: edge(s.FColGrayLine, s.FColWhiteLine); break;
    case fsRaised: edge(s.FColWhiteLine, s.FColGrayLine); break;
    case fsEmbossed: groove(s.FColWhiteLine, s.FColGrayLine); break;
    case fsEngraved: groove(s.FColGrayLine, s.FColWhiteLine); break;
    }
}

} // namespace Kepler
