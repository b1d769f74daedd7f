#include "run_picture.h"

#include "KeplerControls/canvas.h"
#include "KeplerControls/colors.h"
#include "saturating.h"

namespace Kepler {

void WipePicture(TCanvas& c)
{
    c.Pen().SetColor(clBlack);
    c.Rectangle(1, 1, 432, 432);
}

void DrawFixedMarks(TCanvas& c)
{
    c.Pen().SetColor(clBlue);
    c.Ellipse(212, 214, 216, 218);
    c.MoveTo(10, 216);
    c.LineTo(422, 216);
    c.TextOut(215, 222, "C");
    c.Pen().SetColor(clYellow);
    c.Ellipse(300, 210, 308, 218);
    c.TextOut(298, 222, "S");
}

void DrawBody(TCanvas& c, std::int32_t x, std::int32_t y)
{
    // Far off the picture the coordinate stands at the 32-bit end, where the
    // box's far edge stays too.
    c.Ellipse(x, y, SaturatingAdd(x, 4), SaturatingAdd(y, 4));
}

} // namespace Kepler
