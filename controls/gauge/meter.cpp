#include "KeplerControls/meter.h"
#include "qt_bitmap.h"

#include "enum_member.h"
#include "event_signals.h"
#include "meter_accessible.h"
#include "meter_face_events.h"
#include "meter_face_scale.h"
#include "meter_model.h"
#include "pixel_image.h"
#include "show_exception.h"
#include "store_if_changed.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace Kepler {

// The settings start as a new gauge's; the constructor gives the size while
// the rims are still 0, as the geometry of a new gauge is computed with them.
TMeter::TMeter(QWidget* AOwner) : QWidget(AOwner), TControl(this), FModel(std::make_unique<TMeterModel>())
{
    TakeModelValues();
    // Faces are composed for the screen the gauge will most likely show on
    // until a paint event tells where it does.
    FScreenRatio = devicePixelRatioF();
    // Mouse moves without a held button must reach OnMouseMoveInMeter too.
    setMouseTracking(true);
    InstallMeterAccessibility();

    const int top = FTRim, bottom = FBRim, side = FSRim;
    FTRim = FBRim = FSRim = 0;
    // Width, then height: each goes through SetBounds.
    SetWidth(297);
    SetHeight(209);
    CalcMeterGeometry();
    FTRim = top;
    FBRim = bottom;
    FSRim = side;

    // The layouts start with the defaults of a new gauge's settings; any
    // needle setting changed later repaints the gauge at once.
    FPrimaryNeedle.Assign(FNeedleLayout);
    FSecondaryNeedle.Assign(FNeedle2Layout);
    for (TNeedleLayout* layout : {&FPrimaryNeedle, &FSecondaryNeedle})
        layout->OnChange = [this](TNeedleLayout*) { Paint(); };

    FFontCaption.Assign(FFont);
    // A new label font shows at the next paint the toolkit asks for, even
    // when a setter has just composed a face with the old one.
    FFont.OnChange = [this] {
        FontAssigned();
        FFaceFresh = false;
        update();
    };

    AuxBGBmp.SetSize(10, 10);
    AuxACBmp.SetSize(10, 10);
    AuxACMaskBmp.SetSize(10, 10);
}

TMeter::~TMeter()
{
    // Painting must not run from the layouts while they go away.
    FPrimaryNeedle.OnChange = nullptr;
    FSecondaryNeedle.OnChange = nullptr;
    FFont.OnChange = nullptr;
}

template <typename T>
void TMeter::StoreAndRepaintIfChanged(T& field, T v)
{
    if (StoreIfChanged(field, v))
        Paint();
}

void TMeter::SetAnchorSize(int v) { StoreAndRepaintIfChanged(FSizeAnchor, v); }
void TMeter::SetAnchorCovered(bool v) { StoreAndRepaintIfChanged(FAnchorCovrd, v); }
void TMeter::SetColorBakG(TColor v) { StoreAndRepaintIfChanged(FColorBakG, v); }
void TMeter::SetColorCover(TColor v) { StoreAndRepaintIfChanged(FColorCover, v); }
void TMeter::SetColorScale(TColor v) { StoreAndRepaintIfChanged(FColorScale, v); }
void TMeter::SetColorSclBkLow(TColor v) { StoreAndRepaintIfChanged(FColorBakGLow, v); }
void TMeter::SetColorSclBkNorm(TColor v) { StoreAndRepaintIfChanged(FColorBakGNorm, v); }
void TMeter::SetColorSclBkHigh(TColor v) { StoreAndRepaintIfChanged(FColorBakGHigh, v); }
// Enumerations take their members only; any other number leaves the
// property as it is.
void TMeter::SetFrameStyle(TFrameStyle v)
{
    if (IsEnumMember(v))
        StoreAndRepaintIfChanged(FFrameStyle, v);
}
void TMeter::SetLimWatchHighOn(bool v) { StoreAndRepaintIfChanged(FLimWatHighOn, v); }
void TMeter::SetLimWatchLowOn(bool v) { StoreAndRepaintIfChanged(FLimWatLowOn, v); }
void TMeter::SetLimWatchActColor(TColor v) { StoreAndRepaintIfChanged(FLimWatActCol, v); }
void TMeter::SetLimWatchPsvColor(TColor v) { StoreAndRepaintIfChanged(FLimWatPsvCol, v); }
void TMeter::SetMeterShortTicks(bool v) { StoreAndRepaintIfChanged(FShortTicks, v); }
void TMeter::SetMeterScaleLine(bool v) { StoreAndRepaintIfChanged(FScaleLine, v); }
// A size given while hidden is laid out with the rims of that moment.
void TMeter::SetRimBottom(int v) { CaughtUp(); StoreAndRepaintIfChanged(FBRim, v); }
void TMeter::SetRimTop(int v) { CaughtUp(); StoreAndRepaintIfChanged(FTRim, v); }
void TMeter::SetRimSide(int v) { CaughtUp(); StoreAndRepaintIfChanged(FSRim, v); }

void TMeter::SetBkgndFillMode(TBkgFill v)
{
    if (!IsEnumMember(v))
        return;
    FBGFillMode = v;
    Paint();
}

void TMeter::SetCaption(const QString& v)
{
    FCaptionText = v;
    FCaption = v.toStdString();
    Paint();
}

void TMeter::SetScaleBkWidth(double v)
{
    if (std::isnan(v))
        return;
    FScaleBakWidth = v < 0 ? 0.0 : v > 100 ? 100.0 : v;
    Paint();
}

void TMeter::SetScaleBkVisible(bool v)
{
    FScaleBkVis = v;
    Paint();
}

void TMeter::SetScaleVisible(bool v)
{
    FScaleVis = v;
    Paint();
}

void TMeter::SetFontCaption(const TFont& v)
{
    FFontCaption.Assign(v);
    Paint();
}

void TMeter::SetColorScheme(TColorScheme v)
{
    if (!IsEnumMember(v) || v == FColorScheme)
        return;
    FColorScheme = v;
    if (v == csSystem) {
        FColGrayLine = clBtnShadow;
        FColWhiteLine = clBtnHighlight;
    } else {
        FColGrayLine = clGray;
        FColWhiteLine = clWhite;
    }
    Paint();
}

void TMeter::SetMeterDecPlaces(int v)
{
    // Compared before clamping: 9 with 4 stored still repaints.
    if (v == FDecPlaces)
        return;
    FDecPlaces = std::clamp(v, 0, 4);
    Paint();
}

void TMeter::SetMeterNrTicks(int v)
{
    if (v == FNrTicks)
        return;
    FNrTicks = std::clamp(v, 2, 21);
    Paint();
}

void TMeter::SetMeterLayout(TMeterLayout v)
{
    if (!IsEnumMember(v) || v == FMeterLayout)
        return;
    FMeterLayout = v;
    CalcMeterGeometry();
    Paint();
}

void TMeter::SetNeedleLayout(const TNeedleLayout* v)
{
    if (!v)
        return;
    FPrimaryNeedle.Assign(*v);
    Paint();
}

void TMeter::SetNeedleLayoutSec(const TNeedleLayout* v)
{
    if (!v)
        return;
    FSecondaryNeedle.Assign(*v);
    Paint();
}

// The reports of one setter: the change signals are emitted once the
// setter is done, re-entered setters included, unless it ends with an error.
class TMeter::TValueChangeReport {
public:
    explicit TValueChangeReport(TMeter& m)
        : FMeter(m), FBefore(m.FModel->State()), FErrors(std::uncaught_exceptions())
    {
    }
    ~TValueChangeReport() noexcept(false)
    {
        if (std::uncaught_exceptions() == FErrors)
            FMeter.ReportValueChanges(FBefore);
    }
    TValueChangeReport(const TValueChangeReport&) = delete;
    TValueChangeReport& operator=(const TValueChangeReport&) = delete;

private:
    TMeter& FMeter;
    TMeterModelState FBefore;
    int FErrors;
};

TMeterModel& TMeter::Model()
{
    FModel->SetLoading(Loading());
    return *FModel;
}

void TMeter::TakeModelValues()
{
    const TMeterModel& m = *FModel;
    FValue = m.Value();
    FValue2 = m.ValueSec();
    FMinValue = m.MeterMinValue();
    FMaxValue = m.MeterMaxValue();
    FLowThreshold = m.ThresholdLow();
    FHighThreshold = m.ThresholdHigh();
    FLogarithmic = m.Logarithmic();
    FOFL = m.OverFlow();
    FUFL = m.UnderFlow();
}

// The event fires after the new values and flags are stored and before the
// repaint; a handler that sets a value again is done before it.
void TMeter::ShowStep(const TMeterStep& step)
{
    TakeModelValues();
    switch (step.Range) {
    case TMeterRange::OverFlow:
        RaiseNotify(OnOverFlow, this, &TMeter::OverFlow);
        break;
    case TMeterRange::NormalRange:
        RaiseNotify(OnNormalRange, this, &TMeter::NormalRange);
        break;
    case TMeterRange::UnderFlow:
        RaiseNotify(OnUnderFlow, this, &TMeter::UnderFlow);
        break;
    case TMeterRange::None:
        break;
    }
    if (step.Repaint)
        Paint();
}

void TMeter::SetValue(double v)
{
    const TValueChangeReport report(*this);
    const double shown = FValue;
    const TMeterStep step = Model().SetValue(v, FPrimaryNeedle.Visible());
    ShowStep(step);
    if (step.Repaint && FValue != shown)
        AnnounceMeterValue(*this);
}

void TMeter::SetValueSec(double v)
{
    const TValueChangeReport report(*this);
    ShowStep(Model().SetValueSec(v, FSecondaryNeedle.Visible()));
}

void TMeter::SetMeterMinValue(double v)
{
    const TValueChangeReport report(*this);
    ShowStep(Model().SetMeterMinValue(v));
}

void TMeter::SetMeterMaxValue(double v)
{
    const TValueChangeReport report(*this);
    ShowStep(Model().SetMeterMaxValue(v));
}

void TMeter::SetThresholdLow(double v)
{
    const TValueChangeReport report(*this);
    ShowStep(Model().SetThresholdLow(v));
}

void TMeter::SetThresholdHigh(double v)
{
    const TValueChangeReport report(*this);
    ShowStep(Model().SetThresholdHigh(v));
}

void TMeter::SetLogarithmic(bool v)
{
    const TValueChangeReport report(*this);
    ShowStep(Model().SetLogarithmic(v));
}

// The whole face is composed off-screen and shown in one copy, so it never
// flickers.
void TMeter::Paint()
{
    CaughtUp();
    // The painting events reach signal receivers only while some are connected.
    std::optional<TMeterPaintEvents> withSignals;
    if (PaintSignalsConnected())
        withSignals = PaintEventsWithSignals();
    const TMeterPaintEvents& events = withSignals ? *withSignals : *this;
    const TMeterFaceEvents faceEvents = FaceEvents(this, events);
    // A handler draws on the canvas and reports label positions in control
    // pixels: a face with handlers stays in them.
    const bool handlers = faceEvents.OnBeforeDrawScaleLabel || faceEvents.OnBeforeDrawNeedle
                          || faceEvents.OnMeterRendered;
    const double ratio = handlers || !(FScreenRatio > 1) ? 1.0 : FScreenRatio;
    bool composed = false;
    if (ratio == 1) {
        composed = FComposer.Compose(width(), height(), *this, *this, faceEvents, FFace);
    } else {
        if (!FScaledComposer)
            FScaledComposer = std::make_unique<TScaledFaceComposer>();
        composed = FScaledComposer->Compose(width(), height(), ratio, *this, *this, faceEvents, FFace);
    }
    // No dial fits: nothing drawn, nothing raised; the widget shows no face.
    if (composed) {
        FFaceRatio = ratio;
        ShowFace();
    }
}

void TMeter::ShowFace()
{
    // Inside a paint event the new face is drawn right after; asking for
    // another paint event there would never end.
    if (FInPaintEvent)
        return;
    FFaceFresh = true;
    update();
}

bool TMeter::event(QEvent* event)
{
    return GuardEvent(true, [&] {
        const bool handled = QWidget::event(event);
        // System colours on the face resolve through the application's
        // palette: a new one shows on the face as soon as it reaches the
        // gauge, also while no paint events come (the gauge hidden).
        if (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::PaletteChange)
            Paint();
        return handled;
    });
}

void TMeter::WidgetFontChanged()
{
    const TFont font = WidgetFont();
    if (FFont.SameAs(font))
        return;
    FFont.Assign(font);
    Paint();
}

// A paint the toolkit asks for composes again; one that only shows what a
// setter has just composed does not.
void TMeter::paintEvent(QPaintEvent*)
{
    CaughtUp();
    // The face is composed for the density of what is painted on: the
    // screen, or an image the gauge is rendered into.
    const QPaintDevice* target = redirected(nullptr);
    const double ratio = target ? target->devicePixelRatioF() : devicePixelRatioF();
    if (ratio != FScreenRatio) {
        FScreenRatio = ratio;
        FFaceFresh = false;
    }
    {
        // Cleared also when a painting handler fails, or no later change
        // would ever reach the screen.
        struct TInPaint {
            bool& Flag;
            explicit TInPaint(bool& flag) : Flag(flag) { Flag = true; }
            ~TInPaint() { Flag = false; }
        } inPaint(FInPaintEvent);
        if (!FFaceFresh || FFace.Width() != ScaledLength(width(), FFaceRatio)
            || FFace.Height() != ScaledLength(height(), FFaceRatio))
            Paint();
    }
    FFaceFresh = false;
    // Without a dial nothing is drawn, so the parent shows through instead
    // of a face kept from an earlier size or geometry.
    if (FFace.Empty() || !(FMeterRadius > 0))
        return;
    QPainter painter(this);
    // Read only: the composer redraws only what moved in a face left as it was.
    QImage face = QtImage(std::as_const(FFace));
    if (FFaceRatio == 1) {
        // One face pixel per control pixel, enlarged without blur on dense
        // screens.
        DrawPixelImage(painter, face, face.rect());
    } else {
        // Composed in the device's pixels: one face pixel per device pixel.
        face.setDevicePixelRatio(FFaceRatio);
        painter.drawImage(QPointF(0, 0), face);
    }
}

void TMeter::Loaded()
{
    const TValueChangeReport report(*this);
    TComponent::Loaded();
    // Only the primary value is brought into the scale; no event, no flags.
    FModel->Loaded();
    TakeModelValues();
    ReloadImages();
    Paint();
}

} // namespace Kepler
