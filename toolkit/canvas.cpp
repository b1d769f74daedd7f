// Placeholder: the raster rules are being written.
#include "canvas.h"
#include "bitmap.h"

TCanvas::TCanvas(TBitmap& target) : FTarget(target) {}
void TCanvas::MoveTo(int x, int y) { FPenPos = {x, y}; }
void TCanvas::LineTo(int x, int y) { FPenPos = {x, y}; }
void TCanvas::Rectangle(int, int, int, int) {}
void TCanvas::Ellipse(int, int, int, int) {}
void TCanvas::Pie(int, int, int, int, int, int, int, int) {}
void TCanvas::Arc(int, int, int, int, int, int, int, int) {}
void TCanvas::Polygon(const std::vector<TPoint>&) {}
void TCanvas::FillRect(const TRect&) {}
void TCanvas::TextOut(int, int, const QString&) {}
int TCanvas::TextWidth(const QString&) const { return 0; }
int TCanvas::TextHeight(const QString&) const { return 0; }
void TCanvas::StretchDraw(const TRect&, const TBitmap&) {}
void TCanvas::Draw(int, int, const TBitmap&) {}
TColor TCanvas::Pixel(int x, int y) const { return FTarget.Pixel(x, y); }
void TCanvas::SetPixel(int x, int y, TColor c) { FTarget.SetPixel(x, y, c); }
