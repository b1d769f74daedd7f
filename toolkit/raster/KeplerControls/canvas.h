#pragma once
#include "KeplerControls/keplercontrols_export.h"
#include "KeplerControls/colors.h"
#include "KeplerControls/font.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Kepler {

class TBitmap;

// A pixel position.
struct TPoint {
    int X = 0; // horizontal position
    int Y = 0; // vertical position
    // Both coordinates equal. Written out, not defaulted: the header is also
    // read as C++17.
    friend bool operator==(const TPoint& a, const TPoint& b) { return a.X == b.X && a.Y == b.Y; }
    friend bool operator!=(const TPoint& a, const TPoint& b) { return !(a == b); } // a coordinate differs
};

// A box given by its corners; the right and bottom edges are excluded
// wherever a box is drawn.
struct TRect {
    int Left = 0;   // left edge, included
    int Top = 0;    // top edge, included
    int Right = 0;  // right edge, excluded
    int Bottom = 0; // bottom edge, excluded
    int Width() const { return Right - Left; }   // right minus left
    int Height() const { return Bottom - Top; }  // bottom minus top
    // All four edges equal.
    friend bool operator==(const TRect& a, const TRect& b)
    {
        return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
    }
    friend bool operator!=(const TRect& a, const TRect& b) { return !(a == b); } // an edge differs
};

enum TBrushStyle { bsSolid, bsClear }; // a brush fills (bsSolid) or leaves things as they are (bsClear)

// Copy modes of StretchDraw and Draw: plain copy, AND and OR of the pixels.
enum TCopyMode : std::uint32_t {
    cmSrcCopy = 0x00CC0020,
    cmSrcAnd = 0x008800C6,
    cmSrcPaint = 0x00EE0086,
};

// The colour of lines and outlines, which are one pixel wide.
class TPen {
public:
    // Colour of lines and outlines (black).
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { FColor = v; }

private:
    TColor FColor = clBlack;
};

// How boxes, ellipses, pies and polygons are filled, and text backgrounds.
class TBrush {
public:
    // Fill colour (white).
    TColor Color() const { return FColor; }
    // Setting a colour also turns a clear brush solid.
    void SetColor(TColor v)
    {
        FColor = v;
        FStyle = bsSolid;
    }
    // Solid fills, clear leaves what is underneath.
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
class KEPLERCONTROLS_EXPORT TCanvas {
public:
    // A canvas that draws into target, which must outlive it.
    explicit TCanvas(TBitmap& target);

    // The pen lines and outlines are drawn with.
    TPen& Pen() { return FPen; }
    const TPen& Pen() const { return FPen; }
    // The brush fills and text backgrounds are drawn with.
    TBrush& Brush() { return FBrush; }
    const TBrush& Brush() const { return FBrush; }
    // The font text is drawn in.
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& f) { FFont.Assign(f); }
    // How StretchDraw() and Draw() combine pixels (cmSrcCopy).
    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode v) { FCopyMode = v; }
    // The current position: where the last line ended.
    TPoint PenPos() const { return FPenPos; }

    // Sets the current position.
    void MoveTo(int x, int y);
    // Draws a line from the current position to (x, y), without its end point,
    // which becomes the current position.
    void LineTo(int x, int y);
    // Draws a box filled with the brush and outlined with the pen.
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    // Draws the ellipse inside the box, filled and outlined.
    void Ellipse(int x1, int y1, int x2, int y2);
    // Draws a sector of the ellipse in the box, from the ray through (x3, y3)
    // counterclockwise to the ray through (x4, y4), filled and outlined.
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // Draws the arc of the ellipse in the box between the same rays as Pie().
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // Draws the closed polygon, filled even-odd and outlined.
    void Polygon(const std::vector<TPoint>& points);
    void FillRect(const TRect& r); // brush only, no outline

    // Draws UTF-8 text with its top-left corner at (x, y) in the font's colour.
    void TextOut(int x, int y, const std::string& text);
    // Width in pixels of the text in the font.
    int TextWidth(const std::string& text) const;
    // Height in pixels of a line of the text in the font.
    int TextHeight(const std::string& text) const;

    // Copies the source scaled into rect, combined by the copy mode.
    void StretchDraw(const TRect& rect, const TBitmap& source);
    // Copies the source unscaled with its top-left corner at (x, y).
    void Draw(int x, int y, const TBitmap& source);

    // The pixel at (x, y); black outside.
    TColor Pixel(int x, int y) const;
    // Sets the pixel at (x, y); outside does nothing.
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
