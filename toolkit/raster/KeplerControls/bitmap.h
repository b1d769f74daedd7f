#pragma once
#include "KeplerControls/keplercontrols_export.h"
#include "KeplerControls/colors.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace Kepler {

class TCanvas;

// A picture as its file stored it, kept beside the pixels shown: palette
// pictures keep their indices and colours; for others the pixels shown are
// the picture, and only the depth of the file is kept.
struct TStoredPicture {
    int BitsPerPixel = 32; // the file's bits per pixel
    bool Indexed = false;  // whether Indices and Palette hold the picture
    std::vector<std::uint8_t> Indices;  // one index a pixel, rows top down
    std::vector<std::uint32_t> Palette; // their colours, 0xAARRGGBB
};

// A width by height buffer of 32-bit pixels, rows top down without gaps,
// each pixel 0xFFRRGGBB (the layout Qt calls RGB32, so the Qt layer can show
// and save it without a copy). A new or resized bitmap is white.
class KEPLERCONTROLS_EXPORT TBitmap {
public:
    // An empty bitmap, 0 by 0 pixels.
    TBitmap();
    // A white bitmap of the given size.
    TBitmap(int width, int height);
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    // Width in pixels.
    int Width() const { return FWidth; }
    // Height in pixels.
    int Height() const { return FHeight; }
    // Whether the bitmap has no pixels.
    bool Empty() const { return FPixels.empty(); }
    // Resizes the bitmap to white pixels; the same size keeps the pixels, and a
    // size of 0 or less empties it.
    void SetSize(int width, int height);

    // The canvas that draws into this bitmap; it lives as long as the bitmap.
    TCanvas& Canvas();

    // Pixel access in TColor order (red in the low byte); outside reads as
    // black and outside writes are ignored.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor c);

    // The pixels themselves, Width() per row; null when empty. Taking them
    // for writing counts as a change of the pixels (see ContentKey).
    std::uint32_t* Bits();
    const std::uint32_t* Bits() const { return FPixels.empty() ? nullptr : FPixels.data(); }
    // A number that changes whenever the pixels may have changed, and that
    // no other bitmap has had: two equal keys mean the same pixels.
    std::uint64_t ContentKey() const { return FContentKey; }

    // Replaces the pixels with a copy of width by height pixels read row by
    // row, `stride` pixels apart; forgets any stored picture.
    void AssignPixels(int width, int height, const std::uint32_t* rows, std::ptrdiff_t stride);
    // Takes size and pixels of the source, keeping the buffer when it fits.
    void CopyPixels(const TBitmap& source);
    // Exchanges pixels and stored pictures; each keeps its own canvas.
    void Swap(TBitmap& other);

    // Keeps a picture as its file stored it beside the pixels shown, which
    // the caller has set already. Drawing changes only the pixels shown.
    // Resizing forgets the stored picture.
    void SetStored(TStoredPicture stored);
    // Hands the stored picture over and forgets it (a default one when
    // there is none); the pixels shown stay.
    TStoredPicture TakeStored();
    // The picture given to SetStored; null when there is none.
    const TStoredPicture* Stored() const { return FStored.get(); }
    // Bits per pixel of the stored picture: the file's, or 32.
    int BitsPerPixel() const { return FStored ? FStored->BitsPerPixel : 32; }

private:
    int FWidth = 0;
    int FHeight = 0;
    std::vector<std::uint32_t> FPixels;
    std::uint64_t FContentKey;
    std::unique_ptr<TStoredPicture> FStored;
    std::unique_ptr<TCanvas> FCanvas;
};

} // namespace Kepler
