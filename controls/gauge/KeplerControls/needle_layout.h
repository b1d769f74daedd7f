#pragma once
#include "KeplerControls/keplercontrols_export.h"
#include "KeplerControls/colors.h"
#include "KeplerControls/needle_style.h"

#include <QObject>
#include <functional>

namespace Kepler {

// Appearance of one needle of the gauge: the settings of TNeedleStyle with
// a change link. A new layout has every setting zero or False; the gauge
// gives its two layouts their defaults. Copying copies the eleven
// appearance settings and never the change link, so a gauge's own layout
// stays tied to that gauge.
//
// A Qt gadget: its settings are properties that QVariant, QML and property
// browsers can read and write (the change link is no property).
class KEPLERCONTROLS_EXPORT TNeedleLayout : public TNeedleStyle {
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
    TNeedleLayout(const TNeedleLayout& other) : TNeedleStyle(other) {}
    // Copies the settings; keeps this layout's change link and does not call it.
    TNeedleLayout& operator=(const TNeedleLayout& other)
    {
        Assign(other);
        return *this;
    }
    ~TNeedleLayout() override = default;

    // Calls OnChange with this layout when a handler is assigned.
    void Changed() override;

    // Called after any setter changed a setting; the gauge repaints through it.
    TChangeEvent OnChange;
};

} // namespace Kepler
