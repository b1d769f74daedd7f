#pragma once
#include "KeplerControls/keplercontrols_export.h"
#include "KeplerControls/colors.h"

#include <QObject>
#include <functional>

namespace Kepler {

// Appearance of one needle of the gauge. A new layout has every setting zero
// or False; the gauge gives its two layouts their defaults. Copying copies the
// eleven appearance settings and never the change link, so a gauge's own
// layout stays tied to that gauge.
//
// A Qt gadget: its settings are properties that QVariant, QML and property
// browsers can read and write (the change link is no property).
class KEPLERCONTROLS_EXPORT TNeedleLayout {
    Q_GADGET
    Q_PROPERTY(int HeadSize READ HeadSize WRITE SetHeadSize)
    Q_PROPERTY(int HeadAngle READ HeadAngle WRITE SetHeadAngle)
    Q_PROPERTY(int HeadMidLeng READ HeadMidLeng WRITE SetHeadMidLeng)
    Q_PROPERTY(int Thickness READ Thickness WRITE SetThickness)
    Q_PROPERTY(TColor ColorBody READ ColorBody WRITE SetColorBody)
    Q_PROPERTY(TColor ColorOutline READ ColorOutline WRITE SetColorOutline)
    Q_PROPERTY(int PercentNeedleLength READ PercentNeedleLength WRITE SetPercentNeedleLength)
    Q_PROPERTY(int ShadowDx READ ShadowDx WRITE SetShadowDx)
    Q_PROPERTY(int ShadowDy READ ShadowDy WRITE SetShadowDy)
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

public:
    // Handler called with the layout after one of its settings changed.
    using TChangeEvent = std::function<void(TNeedleLayout* Sender)>;

    // A layout with every setting zero or False.
    TNeedleLayout() = default;
    // Copies the settings, not the change link.
    TNeedleLayout(const TNeedleLayout& other);
    // Copies the settings; keeps this layout's change link and does not call it.
    TNeedleLayout& operator=(const TNeedleLayout& other);
    ~TNeedleLayout() = default;

    // Copies the eleven settings without calling OnChange.
    void Assign(const TNeedleLayout& other);
    // Calls OnChange with this layout when a handler is assigned.
    void Changed();
    // The eleven settings are equal; the change links are not compared.
    friend KEPLERCONTROLS_EXPORT bool operator==(const TNeedleLayout& a, const TNeedleLayout& b);

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

    // Called after any setter changed a setting; the gauge repaints through it.
    TChangeEvent OnChange;

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
