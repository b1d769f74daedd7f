#include "KeplerControls/needle_style.h"
#include "store_if_changed.h"

#include <algorithm>
#include <tuple>

namespace Kepler {

bool operator==(const TNeedleStyle& a, const TNeedleStyle& b)
{
    auto settings = [](const TNeedleStyle& l) {
        return std::tie(l.FColorFill, l.FColorLine, l.FSize1, l.FThickness, l.FPctNeedleLeng, l.FAngle1,
                        l.FBackShift1, l.FShadowDx, l.FShadowDy, l.FShadowColor, l.FVisible);
    };
    return settings(a) == settings(b);
}

template <typename T>
void TNeedleStyle::Update(T& field, T v)
{
    if (StoreIfChanged(field, v))
        Changed();
}

void TNeedleStyle::SetHeadSize(int v) { Update(FSize1, v); }
void TNeedleStyle::SetHeadAngle(int v) { Update(FAngle1, std::clamp(v, 0, 180)); }
void TNeedleStyle::SetHeadMidLeng(int v) { Update(FBackShift1, v); }
void TNeedleStyle::SetThickness(int v) { Update(FThickness, v); }
void TNeedleStyle::SetColorBody(TColor v) { Update(FColorFill, v); }
void TNeedleStyle::SetColorOutline(TColor v) { Update(FColorLine, v); }
void TNeedleStyle::SetPercentNeedleLength(int v) { Update(FPctNeedleLeng, std::clamp(v, 0, 100)); }
void TNeedleStyle::SetShadowDx(int v) { Update(FShadowDx, v); }
void TNeedleStyle::SetShadowDy(int v) { Update(FShadowDy, v); }
void TNeedleStyle::SetShadowColor(TColor v) { Update(FShadowColor, v); }
void TNeedleStyle::SetVisible(bool v) { Update(FVisible, v); }

} // namespace Kepler
