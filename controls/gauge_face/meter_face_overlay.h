#pragma once
#include "KeplerControls/bitmap.h"
#include "KeplerControls/canvas.h"
#include "KeplerControls/meter_face.h"
#include "meter_paint_values.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace Kepler {

// The part of the face drawn over the needles: the cover rims, the anchor
// with the bevel line, the limit lamps and the frame. It does not move with
// the values, and each of its drawing operations either sets a pixel or ANDs
// or ORs it with a colour, whatever lies under it. What all of them do to a
// pixel is therefore (under & And) | Or for one pair of colours per pixel,
// and that pair is what they leave on a pixel of all ones (And, together
// with Or) and on one of all zeros (Or). Kept as these two pictures, the
// part is laid over the needles in their few rows and columns with exactly
// the pixels that drawing it there again would give. Without a cover
// picture every operation sets pixels, all of them opaque: Or alone tells
// them, as the pixels left transparent are the ones it does not touch.
// Most of the face lies open to the dial, where the overlay changes
// nothing; only its runs of pixels that it does change are laid.
//
// The pictures are drawn when first needed, by a value change: a face
// composed whole draws the overlay itself, as it costs no more there.
class TFaceOverlay {
public:
    // Whether it stands for these settings, size and system colours; the
    // lamps' flags aside.
    bool Current(const TMeterSettings& s, const TMeterPaintValues& pv, std::uint64_t systemColors) const;
    // Makes it stand for them; its pictures are drawn when first needed.
    void Describe(const TMeterSettings& s, const TMeterPaintValues& pv, std::uint64_t systemColors);
    // Draws its pictures, unless drawn, and lights their lamps as the flags
    // say.
    void Prepare(const TMeterSettings& s, const TMeterValues& v, const TMeterPaintValues& pv);
    // Lays it over the face within r (clipped to the face). Prepared only.
    void Lay(TBitmap& face, const TRect& r) const;
    // Puts `under` with the overlay laid over it into `face` within r, which
    // lies inside both, of the overlay's size. Prepared only.
    void LayOver(const TBitmap& under, TBitmap& face, const TRect& r) const;
    // Forgets what it stood for: the next use describes it anew.
    void Forget() { FDescribed = FPrepared = false; }
    // Changes whenever it comes to stand for other settings.
    std::uint64_t Generation() const { return FGeneration; }

    // The lamps as the flags light them: 1 the high one, 2 the low one.
    static int Lighting(const TMeterSettings& s, const TMeterValues& v);

private:
    struct TKey {
        int W = 0, H = 0, cx = 0, cy = 0;
        int SRim = 0, TRim = 0, BRim = 0;
        TColor ColorCover = 0;
        bool AnchorCovered = false;
        int AnchorSize = 0;
        // The cover picture and its mask by their pixels' identity; 0: none.
        std::uint64_t Cover = 0, Mask = 0;
        TMeterLayout Layout = mlCirc90;
        bool HighOn = false, LowOn = false;
        TColor ActiveColor = 0, PassiveColor = 0;
        TFrameStyle Frame = fsNone;
        TColor GrayLine = 0, WhiteLine = 0, Background = 0;
        std::uint64_t SystemColors = 0;
        bool operator==(const TKey&) const = default;
    };
    static TKey KeyOf(const TMeterSettings& s, const TMeterPaintValues& pv, std::uint64_t systemColors);
    // Draws both pictures for the settings and flags.
    void Draw(const TMeterSettings& s, const TMeterValues& v, const TMeterPaintValues& pv);
    // Relights the lamps in the pictures.
    void SwitchLamps(const TMeterSettings& s, const TMeterValues& v, const TMeterPaintValues& pv, int lighting);
    // Finds the runs of pixels the overlay changes.
    void FindRuns();
    // Applies the overlay to the pixels x0..x1-1 of row y, from `under`.
    void LayRow(const std::uint32_t* under, std::uint32_t* face, int y, int x0, int x1) const;
    // The lamps' squares in the pictures: kept for the lamps as they are
    // lit now, or put back as kept for another lighting.
    void KeepLampSquares(int lighting);
    bool RestoreLampSquares(int lighting);

    // The pictures in use: both with a cover picture, else Or alone.
    int Probes() const { return FMasked ? 2 : 1; }
    TBitmap& Probe(int i) { return i == 0 ? FOr : FAnd; }
    const TBitmap& Probe(int i) const { return i == 0 ? FOr : FAnd; }

    TKey FKey;
    bool FDescribed = false;
    bool FPrepared = false;
    std::uint64_t FGeneration = 0;
    TBitmap FOr;  // what the overlay leaves on all zeros
    TBitmap FAnd; // what it leaves on all ones, while FMasked
    bool FMasked = false;
    int FLighting = 0; // the lamps as drawn in the pictures
    TRect FLampSquares[2];
    int FLampCount = 0;
    // The squares' pixels in the pictures for each lighting seen since they
    // were drawn: 4 lightings, picture after picture, square after square.
    std::vector<std::uint32_t> FLampPixels[4];
    // The runs of each row: row y's are FRuns[FRowRuns[y]] up to
    // FRuns[FRowRuns[y + 1]], each the first and one past the last column.
    std::vector<int> FRowRuns;
    std::vector<std::pair<int, int>> FRuns;
};

} // namespace Kepler
