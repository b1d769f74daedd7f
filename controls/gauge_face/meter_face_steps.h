#pragma once
#include "KeplerControls/meter_face.h"
#include "meter_paint_values.h"

namespace Kepler {

// One composition in progress: the canvas it draws on, what it draws from,
// and the values computed before drawing. Settings and values are read as
// they stand at each step.
struct TFaceJob {
    TCanvas& Canvas;
    const TMeterSettings& S;
    const TMeterValues& V;
    const TMeterFaceEvents& E;
    const TMeterPaintValues& pv;
};

// The steps of a composition, in the order they run. Body and scale.
void PaintBackground(const TFaceJob& j);
void PaintScaleBands(const TFaceJob& j);
void PaintScaleLine(const TFaceJob& j);
void PaintShortTicks(const TFaceJob& j);
void PaintMainTicksAndLabels(const TFaceJob& j);
void PaintCaption(const TFaceJob& j);
// Over the scale.
// The boxes the needles were drawn in: one for each needle and one for each
// shadow, clipped to the face.
struct TNeedleBoxes {
    TRect Boxes[4];
    int Count = 0;
};
void PaintNeedles(const TFaceJob& j, TNeedleBoxes* drawn = nullptr);
void PaintCoverRims(const TFaceJob& j);
void PaintAnchor(const TFaceJob& j);
void PaintLimitLamps(const TFaceJob& j);
// The squares of the lamps that are switched on, clipped to the face;
// gives how many.
int LampSquares(const TMeterSettings& s, const TMeterPaintValues& pv, TRect squares[2]);
void NotifyMeterRendered(const TFaceJob& j);
void PaintFrame(const TFaceJob& j);

} // namespace Kepler
