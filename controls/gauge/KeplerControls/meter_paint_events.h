#pragma once
#include "KeplerControls/canvas.h"

#include <QString>
#include <functional>

class QObject;

namespace Kepler {

using TmtBeforeDrawScaleLabelEvent = std::function<void(
    QObject* Sender, TCanvas& Canvas, QString& CurrentTickLabel, int ChartX, int ChartY)>; // a scale label is about to be drawn at (ChartX, ChartY); the handler may change it
using TBeforeDrawNeedleEvent = std::function<void(QObject* Sender, TCanvas& Canvas, bool& NeedleDrawn)>; // a needle is about to be drawn; setting NeedleDrawn skips the gauge's own
using TMeterRenderedEvent = std::function<void(QObject* Sender, TCanvas& Canvas)>; // the face is complete on Canvas

// The gauge's painting events, each raised only when assigned.
struct TMeterPaintEvents {
    TmtBeforeDrawScaleLabelEvent OnBeforeDrawScaleLabel; // before each scale label is drawn; may change the label
    TBeforeDrawNeedleEvent OnBeforeDrawNeedle; // before each needle is drawn; setting NeedleDrawn skips the gauge's own drawing
    TMeterRenderedEvent OnMeterRendered; // when the face is complete, to draw over it
};

} // namespace Kepler
