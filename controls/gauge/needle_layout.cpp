#include "KeplerControls/needle_layout.h"
#include "store_if_changed.h"

#include <algorithm>
#include <tuple>

namespace Kepler {

TNeedleLayout::TNeedleLayout(const TNeedleLayout& other)
{
    Assign(other);
}

TNeedleLayout& TNeedleLayout::operator=(const TNeedleLayout& other)
{
    Assign(other);
    return *this;
}

void TNeedleLayout::Assign(const TNeedleLayout& other)
{
    FColorFill = other.FColorFill;
    FColorLine = other.FColorLine;
    FSize1 = other.FSize1;
    FThickness = other.FThickness;
    FPctNeedleLeng = other.FPctNeedleLeng;
    FAngle1 = other.FAngle1;
    FBackShift1 = other.FBackShift1;
    FShadowDx = other.FShadowDx;
    FShadowDy = other.FShadowDy;
    FShadowColor = other.FShadowColor;
    FVisible = other.FVisible;
}

bool operator==(const TNeedleLayout& a, const TNeedleLayout& b)
{
    auto settings = [](const TNeedleLayout& l) {
        return std::tie(l.FColorFill, l.FColorLine, l.FSize1, l.FThickness, l.FPctNeedleLeng, l.FAngle1,
                        l.FBackShift1, l.FShadowDx, l.FShadowDy, l.FShadowColor, l.FVisible);
    };
    return settings(a) == settings(b);
}

void TNeedleLayout::Changed()
{
    if (OnChange)
        OnChange(this);
}

template <typename T>
void TNeedleLayout::Update(T& field, T v)
{
    if (StoreIfChanged(field, v))
        Changed();
}

void TNeedleLayout::SetHeadSize(int v) { Update(FSize1, v); }
void TNeedleLayout::SetHeadAngle(int v) { Update(FAngle1, std::clamp(v, 0, 180)); }
void TNeedleLayout::SetHeadMidLeng(int v) { Update(FBackShift1, v); }
void TNeedleLayout::SetThickness(int v) { Update(FThickness, v); }
void TNeedleLayout::SetColorBody(TColor v) { Update(FColorFill, v); }
void TNeedleLayout::SetColorOutline(TColor v) { Update(FColorLine, v); }
void TNeedleLayout::SetPercentNeedleLength(int v) { Update(FPctNeedleLeng, std::clamp(v, 0, 100)); }
void TNeedleLayout::SetShadowDx(int v) { Update(FShadowDx, v); }
void TNeedleLayout::SetShadowDy(int v) { Update(FShadowDy, v); }
void TNeedleLayout::SetShadowColor(TColor v) { Update(FShadowColor, v); }
void TNeedleLayout::SetVisible(bool v) { Update(FVisible, v); }

} // namespace Kepler
