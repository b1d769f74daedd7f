#include "KeplerControls/meter.h"

#include "event_signals.h"
#include "meter_face_events.h"
#include "meter_image_error.h"
#include "meter_model.h"

#include <QMetaMethod>

namespace Kepler {

// The gauge's Qt side: change signals for the value-like properties that
// setters change as side effects, the painting events passed on as signals,
// and property writes that cannot carry an error through Qt's code.

// In a fixed order, whichever setter made the change.
void TMeter::ReportValueChanges(const TMeterModelState& before)
{
    const TMeterModelState now = FModel->State();
    const TMeterModelChanges changed = ChangesBetween(before, now);
    if (changed.Min)
        emit MeterMinValueChanged(now.Min);
    if (changed.Max)
        emit MeterMaxValueChanged(now.Max);
    if (changed.Logarithmic)
        emit LogarithmicChanged(now.Logarithmic);
    if (changed.Low)
        emit ThresholdLowChanged(now.Low);
    if (changed.High)
        emit ThresholdHighChanged(now.High);
    if (changed.Value)
        emit ValueChanged(now.Value);
    if (changed.ValueSec)
        emit ValueSecChanged(now.ValueSec);
}

bool TMeter::PaintSignalsConnected() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&TMeter::BeforeDrawScaleLabel)) ||
           isSignalConnected(QMetaMethod::fromSignal(&TMeter::BeforeDrawNeedle)) ||
           isSignalConnected(QMetaMethod::fromSignal(&TMeter::MeterRendered));
}

// Each painting event as a pair: the handler, then the signal, whose
// receivers see (and may change) what the handler left. An event with
// neither handler nor receiver stays unassigned, as the composer skips it.
TMeterPaintEvents TMeter::PaintEventsWithSignals()
{
    TMeterPaintEvents e;
    const TMeterPaintEvents& handlers = *this;
    if (handlers.OnBeforeDrawScaleLabel || isSignalConnected(QMetaMethod::fromSignal(&TMeter::BeforeDrawScaleLabel)))
        e.OnBeforeDrawScaleLabel = [this](QObject* sender, TCanvas& canvas, QString& label, int x, int y) {
            if (OnBeforeDrawScaleLabel)
                OnBeforeDrawScaleLabel(sender, canvas, label, x, y);
            emit BeforeDrawScaleLabel(canvas, label, x, y);
        };
    if (handlers.OnBeforeDrawNeedle || isSignalConnected(QMetaMethod::fromSignal(&TMeter::BeforeDrawNeedle)))
        e.OnBeforeDrawNeedle = [this](QObject* sender, TCanvas& canvas, bool& drawn) {
            if (OnBeforeDrawNeedle)
                OnBeforeDrawNeedle(sender, canvas, drawn);
            emit BeforeDrawNeedle(canvas, drawn);
        };
    if (handlers.OnMeterRendered || isSignalConnected(QMetaMethod::fromSignal(&TMeter::MeterRendered)))
        e.OnMeterRendered = [this](QObject* sender, TCanvas& canvas) {
            if (OnMeterRendered)
                OnMeterRendered(sender, canvas);
            emit MeterRendered(canvas);
        };
    return e;
}

TMeterFaceEvents FaceEvents(QObject* Sender, const TMeterPaintEvents& e)
{
    // Each handler is looked up when the face raises its event, as a
    // handler may replace or remove itself or another one meanwhile.
    TMeterFaceEvents f;
    if (e.OnBeforeDrawScaleLabel)
        f.OnBeforeDrawScaleLabel = [Sender, &e](TCanvas& canvas, std::string& label, int x, int y) {
            const TmtBeforeDrawScaleLabelEvent handler = e.OnBeforeDrawScaleLabel;
            if (!handler)
                return;
            QString text = QString::fromStdString(label);
            handler(Sender, canvas, text, x, y);
            label = text.toStdString();
        };
    if (e.OnBeforeDrawNeedle)
        f.OnBeforeDrawNeedle = [Sender, &e](TCanvas& canvas, bool& drawn) {
            const TBeforeDrawNeedleEvent handler = e.OnBeforeDrawNeedle;
            if (handler)
                handler(Sender, canvas, drawn);
        };
    if (e.OnMeterRendered)
        f.OnMeterRendered = [Sender, &e](TCanvas& canvas) {
            const TMeterRenderedEvent handler = e.OnMeterRendered;
            if (handler)
                handler(Sender, canvas);
        };
    return f;
}

// Qt's property system cannot pass an error on: an unreadable picture leaves
// the name stored and the face as it was, as the setter does, and the error
// ends here.
void TMeter::SetBackGroundImgProperty(const QString& v)
{
    try {
        SetBackGroundImg(v);
    } catch (const EMeterImageError&) {
    }
}

bool TMeter::RaiseDragSignal(const TDragSignal& d)
{
    return EmitDragSignal(*this, d, [this](auto signal) { return isSignalConnected(QMetaMethod::fromSignal(signal)); });
}

} // namespace Kepler
