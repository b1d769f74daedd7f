#pragma once
#include "KeplerControls/bitmap.h"
#include "KeplerControls/font.h"
#include "KeplerControls/meter_face.h"
#include "KeplerControls/needle_style.h"

#include <cstdint>

namespace Kepler {

// A face for a screen with `ratio` device pixels to a control pixel is
// composed as the face of a control ratio times the size, by the same
// rules: every length, font and picture scaled, so that edges and text are
// drawn at the screen's own resolution instead of being enlarged. Lines
// stay one device pixel wide, as the canvas draws them. At ratio 1 every
// function here gives back what it was given.

// A length in control pixels as device pixels: the nearest whole number,
// halves away from zero, saturated to the 32-bit range.
int ScaledLength(int length, double ratio);

// The device pixel under the centre of control pixel p.
int ScaledPosition(int p, double ratio);

// The font at ratio times its size (a height of 0, the default size,
// counts as the default's); the copy has no change handler.
TFont ScaledFont(const TFont& font, double ratio);

// The needle with its head, body and shadow offset scaled; angles and the
// length in percent stay. The body's width between its outlines scales
// (Thickness t > 0 becomes ScaledLength(t - 1) + 1), as the outlines stay
// one device pixel.
TNeedleStyle ScaledNeedle(const TNeedleStyle& needle, double ratio);

// The settings of the face at the ratio: the rims, the anchor, the
// needles, the fonts and the dial's geometry scaled, the ratio recorded
// for the composer's fixed lengths. The pictures are left as they are;
// TScaledFaceComposer scales them. Fonts come without change handlers.
TMeterSettings ScaledMeterSettings(const TMeterSettings& s, double ratio);

// The picture at ratio times its size, each device pixel taking the
// picture pixel under its centre, so that a cover and its mask stay in step
// pixel for pixel and the mask stays black and white.
void ScalePicture(const TBitmap& picture, double ratio, TBitmap& scaled);

// The picture at ratio times its size, each device pixel the average of
// the picture under it, weighted by area: at whole ratios every picture
// pixel becomes a square of its colour; at fractional ones the edges
// between picture pixels are blended over one device pixel instead of
// some pixels coming out wider than others. A background looks as the
// enlarged face showed it before.
void SmoothScalePicture(const TBitmap& picture, double ratio, TBitmap& scaled);

// Composes faces at a pixel ratio: the face of a ratio times larger control
// from the scaled settings and pictures. The scaled pictures and the
// composer's kept layer last from one composition to the next for as long
// as the ratio and what they are made from stay the same. The events see
// the face's own pixels, so a caller whose handlers draw in control pixels
// composes at ratio 1.
class TScaledFaceComposer {
public:
    // The face of a W by H control at the ratio, ScaledLength(W) by
    // ScaledLength(H) pixels, into `face`; False, drawing nothing, when no
    // dial fits.
    bool Compose(int W, int H, double ratio, const TMeterSettings& s, const TMeterValues& v,
                 const TMeterFaceEvents& e, TBitmap& face);

    // The composer underneath, for its caching switch and counters.
    TMeterFaceComposer& Composer() { return FComposer; }

private:
    // One picture scaled, kept while its source's pixels and the ratio
    // stay.
    struct TScaledPicture {
        std::uint64_t Source = 0;
        double Ratio = 0;
        TBitmap Bitmap;
        const TBitmap* Of(const TBitmap* source, double ratio,
                          void (*scale)(const TBitmap&, double, TBitmap&) = ScalePicture);
    };

    TMeterFaceComposer FComposer;
    TScaledPicture FBackground;
    TScaledPicture FCover;
    TScaledPicture FMask;
};

} // namespace Kepler
