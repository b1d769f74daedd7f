#pragma once
#include "colors.h"

#include <functional>

// Appearance of one needle of the gauge. A new layout has every setting zero
// or False; the gauge gives its two layouts their defaults. Copying copies the
// eleven appearance settings and never the change link, so a gauge's own
// layout stays tied to that gauge.
class TNeedleLayout {
public:
    using TChangeEvent = std::function<void(TNeedleLayout* Sender)>;

    TNeedleLayout() = default;
    TNeedleLayout(const TNeedleLayout& other);
    TNeedleLayout& operator=(const TNeedleLayout& other);
    ~TNeedleLayout() = default;

    // Copies the eleven settings without calling OnChange.
    void Assign(const TNeedleLayout& other);
    // Calls OnChange with this layout when a handler is assigned.
    void Changed();

    int HeadSize() const { return FSize1; }
    void SetHeadSize(int v);
    int HeadAngle() const { return FAngle1; }
    void SetHeadAngle(int v); // clamped to 0..180
    int HeadMidLeng() const { return FBackShift1; }
    void SetHeadMidLeng(int v);
    int Thickness() const { return FThickness; }
    void SetThickness(int v);
    TColor ColorBody() const { return FColorFill; }
    void SetColorBody(TColor v);
    TColor ColorOutline() const { return FColorLine; }
    void SetColorOutline(TColor v);
    int PercentNeedleLength() const { return FPctNeedleLeng; }
    void SetPercentNeedleLength(int v); // clamped to 0..100
    int ShadowDx() const { return FShadowDx; }
    void SetShadowDx(int v);
    int ShadowDy() const { return FShadowDy; }
    void SetShadowDy(int v);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor v);
    bool Visible() const { return FVisible; }
    void SetVisible(bool v);

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
