#pragma once
#include <QRect>
#include <QWidget>
#include <algorithm>

namespace Kepler {

// Bounds as Qt can hold them. Qt forms edges as position plus size, and adds
// the parents' offsets, in plain int. Sizes beyond its widget limit are cut
// to it anyway; positions are kept within the same bound, so that none of
// those sums can overflow. Every control's SetBounds goes through here.
inline QRect WithinWidgetLimit(int left, int top, int width, int height)
{
    const auto clamp = [](int v, int lowest) { return std::clamp(v, lowest, QWIDGETSIZE_MAX); };
    return {clamp(left, -QWIDGETSIZE_MAX), clamp(top, -QWIDGETSIZE_MAX), clamp(width, 0), clamp(height, 0)};
}

} // namespace Kepler
