#include "meter.h"

// Body and scale of the face: background, scale bands, scale line, ticks and
// labels, caption and frame.

void TMeter::PaintBackground(TCanvas&, const TMeterPaintValues&) {}

void TMeter::PaintScaleBands(TCanvas&, const TMeterPaintValues&) {}

void TMeter::PaintScaleLine(TCanvas&, const TMeterPaintValues&) {}

void TMeter::PaintTicksAndLabels(TCanvas&, const TMeterPaintValues&) {}

void TMeter::PaintCaption(TCanvas&, const TMeterPaintValues&) {}

void TMeter::PaintFrame(TCanvas&, const TMeterPaintValues&) {}
