#include "meter.h"

// Over the finished scale: the needles, the cover rims, the anchor with its
// bevel line, the limit lamps, and the end-of-render event.

void TMeter::PaintNeedles(TCanvas&, const TMeterPaintValues&) {}

void TMeter::PaintCoverRims(TCanvas&, const TMeterPaintValues&) {}

void TMeter::PaintAnchor(TCanvas&, const TMeterPaintValues&) {}

void TMeter::PaintLimitLamps(TCanvas&, const TMeterPaintValues&) {}

void TMeter::NotifyMeterRendered(TCanvas&, const TMeterPaintValues&) {}
