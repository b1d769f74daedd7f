#pragma once
#include "KeplerControls/colors.h"
#include "KeplerControls/font.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Kepler {

class TBitmap;

struct TPoint {
    int X = 0;
    int Y = 0;
    // Written out, not defaulted: the header is also read as C++17.
    friend bool operator==(const TPoint& a, const TPoint& b) { return a.X == b.X && a.Y == b.Y; }
    friend bool operator!=(const TPoint& a, const TPoint& b) { return !(a == b); }
};

// A box given by its corners; the right and bottom edges are excluded
// wherever a box is drawn.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    friend bool operator==(const TRect& a, const TRect& b)
    {
        return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
    }
    friend bool operator!=(const TRect& a, const TRect& b) { return !(a == b); }
};

enum TBrushStyle { bsSolid, bsClear };

// Copy modes of StretchDraw and Draw: plain copy, AND and OR of the pixels.
enum TCopyMode : std::uint32_t {
    cmSrcCopy = 0x00CC0020,
    cmSrcAnd = 0x008800C6,
    cmSrcPaint = 0x00EE0086,
};

class TPen {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { FColor = v; }

private:
    TColor FColor = clBlack;
};

class TBrush {
public:
    TColor Color() const { return FColor; }
    // Setting a colour also turns a clear brush solid.
    void SetColor(TColor v)
    {
        FColor = v;
        FStyle = bsSolid;
    }
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle v) { FStyle = v; }

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};

// Drawing on a TBitmap with the classic raster rules:
// - pen one pixel wide;
// - boxes exclude their right and bottom edges, swapped corners allowed;
// - lines leave out their end point, which becomes the current position;
// - pies and arcs run counterclockwise from the ray through the start point to
//   the ray through the end point (rays from the box centre); equal rays give
//   the whole ellipse;
// - polygons fill even-odd;
// - text (UTF-8) is rendered by the registered text engine into the same
//   pixels (the Qt layer's engine uses Qt's fonts); a clear brush leaves the
//   background untouched, a solid one paints it in the brush colour; a line
//   of text is as high as the engine's line metrics say, with its baseline
//   at their ascent. Without an engine no text is drawn and texts measure 0.
// Everything is clipped to the bitmap.
// A new canvas has a black pen, a solid white brush, the default font and the
// plain copy mode.
class TCanvas {
public:
    explicit TCanvas(TBitmap& target);

    TPen& Pen() { return FPen; }
    const TPen& Pen() const { return FPen; }
    TBrush& Brush() { return FBrush; }
    const TBrush& Brush() const { return FBrush; }
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& f) { FFont.Assign(f); }
    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode v) { FCopyMode = v; }
    TPoint PenPos() const { return FPenPos; }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void Ellipse(int x1, int y1, int x2, int y2);
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Polygon(const std::vector<TPoint>& points);
    void FillRect(const TRect& r); // brush only, no outline

    void TextOut(int x, int y, const std::string& text);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;

    // Copies the source scaled into rect, combined by the copy mode.
    void StretchDraw(const TRect& rect, const TBitmap& source);
    // Copies the source unscaled with its top-left corner at (x, y).
    void Draw(int x, int y, const TBitmap& source);

    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor c);

private:
    void DrawEllipticSector(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, bool pie);

    TBitmap& FTarget;
    TPen FPen;
    TBrush FBrush;
    TFont FFont;
    TCopyMode FCopyMode = cmSrcCopy;
    TPoint FPenPos;
};

} // namespace Kepler
