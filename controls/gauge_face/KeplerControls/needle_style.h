#pragma once
#include "KeplerControls/keplercontrols_export.h"
#include "KeplerControls/colors.h"

namespace Kepler {

// The eleven appearance settings of one needle, free of Qt. A new style has
// every setting zero or False. Every setter that changes a setting calls
// Changed(), which the widget's TNeedleLayout turns into its change link.
class KEPLERCONTROLS_EXPORT TNeedleStyle {
public:
    // A style with every setting zero or False.
    TNeedleStyle() = default;
    // Copies the eleven settings.
    TNeedleStyle(const TNeedleStyle&) = default;
    // Copies the eleven settings without calling Changed().
    TNeedleStyle& operator=(const TNeedleStyle&) = default;
    virtual ~TNeedleStyle() = default;

    // Copies the eleven settings without calling Changed().
    void Assign(const TNeedleStyle& other) { TNeedleStyle::operator=(other); }
    // Called after a setter changed a setting; nothing here.
    virtual void Changed() {}
    // The eleven settings are equal.
    friend KEPLERCONTROLS_EXPORT bool operator==(const TNeedleStyle& a, const TNeedleStyle& b);
    // Some setting differs.
    friend bool operator!=(const TNeedleStyle& a, const TNeedleStyle& b) { return !(a == b); }

    // Length in pixels of the arrow head's flanks.
    int HeadSize() const { return FSize1; }
    void SetHeadSize(int v);
    // Angle in degrees between the arrow head's flanks, 0 to 180.
    int HeadAngle() const { return FAngle1; }
    void SetHeadAngle(int v); // clamped to 0..180
    // Distance in pixels from the tip back along the needle to where the body joins the head.
    int HeadMidLeng() const { return FBackShift1; }
    void SetHeadMidLeng(int v);
    // Width of the needle's body in pixels; 0 gives a body of no width.
    int Thickness() const { return FThickness; }
    void SetThickness(int v);
    // Fill colour of the needle.
    TColor ColorBody() const { return FColorFill; }
    void SetColorBody(TColor v);
    // Outline colour of the needle.
    TColor ColorOutline() const { return FColorLine; }
    void SetColorOutline(TColor v);
    // Needle length in percent of the scale radius less 4 pixels, 0 to 100.
    int PercentNeedleLength() const { return FPctNeedleLeng; }
    void SetPercentNeedleLength(int v); // clamped to 0..100
    // Shadow offset in pixels, subtracted from the needle's x; with ShadowDy() 0 too, no shadow.
    int ShadowDx() const { return FShadowDx; }
    void SetShadowDx(int v);
    // Shadow offset in pixels, subtracted from the needle's y.
    int ShadowDy() const { return FShadowDy; }
    void SetShadowDy(int v);
    // Colour of the needle's shadow.
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor v);
    // Whether the needle is drawn.
    bool Visible() const { return FVisible; }
    void SetVisible(bool v);

private:
    template <typename T>
    void Update(T& field, T v);

    TColor FColorFill = 0;
    TColor FColorLine = 0;
    int FSize1 = 0;
    int FThickness = 0;
    int FPctNeedleLeng = 0;
    int FAngle1 = 0;
    int FBackShift1 = 0;
    int FShadowDx = 0;
    int FShadowDy = 0;
    TColor FShadowColor = 0;
    bool FVisible = false;
};

} // namespace Kepler
