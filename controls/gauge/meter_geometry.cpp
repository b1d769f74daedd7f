#include "KeplerControls/meter.h"
#include "event_signals.h"
#include "meter_ticks.h"
#include "rounding.h"
#include "KeplerControls/mouse_input.h"
#include "saturating.h"
#include "widget_limit.h"

#include <QMouseEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace Kepler {

void TMeter::CalcMeterGeometry()
{
    Kepler::CalcMeterGeometry(*this, width(), height());
    FGeometryComputedFor = geometry();
    // A face a setter composed with the old geometry must not be what the
    // next paint request shows.
    FFaceFresh = false;
}

void TMeter::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    // A placement by hand counts in the parent's present size.
    FollowParent();
    setGeometry(WithinWidgetLimit(ALeft, ATop, AWidth, AHeight));
    CalcMeterGeometry();
}

// Qt delivers the move and resize events of a hidden widget only when it is
// first shown. By then SetBounds has computed the geometry for that very
// rectangle, and the rims may have changed since; recomputing would move the
// dial. Only a change that bypassed SetBounds counts.
void TMeter::GeometryMayHaveChanged()
{
    if (geometry() != FGeometryComputedFor)
        CalcMeterGeometry();
}

const TMeterSettings& TMeter::CaughtUp() const
{
    // The computed geometry is a cache of the widget's size and position,
    // which follows a parent resized while hidden first.
    const_cast<TMeter*>(this)->FollowParent();
    const_cast<TMeter*>(this)->GeometryMayHaveChanged();
    const_cast<TMeter*>(this)->TakeFaceSettings();
    return *this;
}

void TMeter::TakeFaceSettings()
{
    FNeedleLayout.Assign(FPrimaryNeedle);
    FNeedle2Layout.Assign(FSecondaryNeedle);
    BackGroundPicture = FBakGndFName.isEmpty() ? nullptr : &AuxBGBmp;
    const bool covered = !FACoverFName.isEmpty();
    AnchorPicture = covered ? &AuxACBmp : nullptr;
    AnchorMask = covered ? &AuxACMaskBmp : nullptr;
}

QSize TMeter::sizeHint() const
{
    return {297, 209};
}

QSize TMeter::minimumSizeHint() const
{
    return {149, 105};
}

void TMeter::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    GeometryMayHaveChanged();
}

void TMeter::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    GeometryMayHaveChanged();
}

namespace {

// Into [min, max]: below the minimum gives the minimum, above the maximum
// the maximum.
double ClampForMapping(double v, double min, double max)
{
    if (v < min)
        return min;
    if (v > max)
        return max;
    return v;
}

} // namespace

double TMeter::CalcNeedleAngle(double value) const
{
    CaughtUp();
    const double v = ClampForMapping(value, FMinValue, FMaxValue);
    const double f = ScaleFraction(v, FMinValue, FMaxValue, FLogarithmic);
    const double S = FMeterAngle;
    return 180 - (S / 2 - S * f);
}

void TMeter::ConvertToPixelCoords(double value, double pctradius, int& X, int& Y) const
{
    CaughtUp();
    const double v = ClampForMapping(value, FMinValue, FMaxValue);
    const double a = (-90 - CalcNeedleAngle(v)) * std::numbers::pi / 180;
    const double r = pctradius * 0.01 * FMeterRadius;
    X = RoundHalfEven(FMeterCenterX + r * std::cos(a));
    Y = RoundHalfEven(FMeterCenterY - r * std::sin(a));
}

bool TMeter::ConvertPixelToValue(int XPos, int YPos, double& MeterValue) const
{
    CaughtUp();
    constexpr double pi = std::numbers::pi;
    const double dx = double(XPos) - FMeterCenterX;
    const double dy = double(YPos) - FMeterCenterY;

    double alpha;
    if (dx != 0) {
        alpha = std::atan(dy / dx);
        if (dx < 0)
            alpha += pi;
    } else {
        alpha = dy <= 0 ? 4.71238898038469 : pi / 2;
    }
    if (alpha < 0)
        alpha += 2 * pi;
    if (alpha > 2 * pi)
        alpha -= 2 * pi;

    // Clockwise from straight down.
    double d = alpha * 57.29577951308232 - 90;
    if (d < 0)
        d += 360;

    const double S = FMeterAngle;
    const double lo = 180 - S / 2;
    const double hi = 180 + S / 2;
    if (d < lo || d > hi) {
        MeterValue = 0;
        return false;
    }
    MeterValue = ScaleValueAt((d - lo) / S, FMinValue, FMaxValue, FLogarithmic);
    return true;
}

void TMeter::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    const TMouseMessage m = MouseMessage(*event);
    RaiseMouseMove(OnMouseMove, this, &TMeter::MouseMove, m);

    double value = 0;
    const bool within = ConvertPixelToValue(m.X, m.Y, value);
    if (OnMouseMoveInMeter)
        OnMouseMoveInMeter(this, within, m.Shift, value);
    emit MouseMoveInMeter(within, m.Shift, value);
}

void TMeter::mousePressEvent(QMouseEvent* event)
{
    const TMouseMessage m = MouseMessage(*event);
    if (!m.Button) {
        QWidget::mousePressEvent(event);
        return;
    }
    FClick.Press(*m.Button);
    RaiseMouse(OnMouseDown, this, &TMeter::MouseDown, m);
}

// The second press of a double click: the double click, then a press marked
// as double. Its release makes no second click.
void TMeter::mouseDoubleClickEvent(QMouseEvent* event)
{
    const TMouseMessage m = MouseMessage(*event);
    if (!m.Button) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    if (*m.Button == mbLeft)
        RaiseNotify(OnDblClick, this, &TMeter::DblClick);
    RaiseMouse(OnMouseDown, this, &TMeter::MouseDown, m);
}

void TMeter::mouseReleaseEvent(QMouseEvent* event)
{
    const TMouseMessage m = MouseMessage(*event);
    if (!m.Button) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    if (FClick.Release(*m.Button, rect().contains(m.X, m.Y)))
        RaiseNotify(OnClick, this, &TMeter::Click);
    RaiseMouse(OnMouseUp, this, &TMeter::MouseUp, m);
}

} // namespace Kepler
