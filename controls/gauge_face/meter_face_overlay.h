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
// the pixels that drawing it there again would give. Most of the face lies
// open to the dial, where the overlay changes nothing; only its runs of
// pixels that it does change are laid.
class TFaceOverlay {
public:
    // Whether it was drawn for these settings, size and system colours; the
    // lamps' flags aside.
    bool Current(const TMeterSettings& s, const TMeterPaintValues& pv, std::uint64_t systemColors) const;
    // Draws it anew for these settings and flags.
    void Compose(const TMeterSettings& s, const TMeterValues& v, const TMeterPaintValues& pv,
                 std::uint64_t systemColors);
    // Relights the lamps where the flags show otherwise than drawn. Gives the
    // lamps' squares, where the overlay may have changed, and how many.
    int SwitchLamps(const TMeterSettings& s, const TMeterValues& v, const TMeterPaintValues& pv, TRect changed[2]);
    // Lays it over the face within r (clipped to the face).
    void Lay(TBitmap& face, const TRect& r) const;
    // Puts `under` with the overlay laid over it into `face`, whole.
    void LayOver(const TBitmap& under, TBitmap& face) const;
    // Puts `under` with the overlay laid over it into `face` within r, which
    // must lie inside both; they are of the overlay's size.
    void LayOver(const TBitmap& under, TBitmap& face, const TRect& r) const;
    // Forgets what it was drawn for: the next use draws it anew.
    void Forget() { FDrawn = false; }

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
    // Finds the runs of pixels the overlay changes.
    void FindRuns();
    // Applies the overlay to the pixels x0..x1-1 of row y, from `under`.
    void LayRow(const std::uint32_t* under, std::uint32_t* face, int y, int x0, int x1) const;
    // The lamps' squares in both pictures: kept for the lamps as they are
    // lit now, or put back as kept for another lighting.
    void KeepLampSquares(int lighting);
    bool RestoreLampSquares(int lighting);

    TBitmap FAnd; // what the overlay leaves on all ones
    TBitmap FOr;  // what it leaves on all zeros
    TKey FKey;
    bool FDrawn = false;
    int FLighting = 0; // the lamps as drawn: 1 the high one lit, 2 the low one
    TRect FLampSquares[2];
    int FLampCount = 0;
    // The squares' pixels in both pictures for each lighting seen since the
    // overlay was drawn: 4 lightings, And then Or, square after square.
    std::vector<std::uint32_t> FLampPixels[4];
    // The runs of each row: row y's are FRuns[FRowRuns[y]] up to
    // FRuns[FRowRuns[y + 1]], each the first and one past the last column.
    std::vector<int> FRowRuns;
    std::vector<std::pair<int, int>> FRuns;
};

} // namespace Kepler
