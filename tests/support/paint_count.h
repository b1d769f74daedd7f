#pragma once
#include "KeplerControls/meter.h"

#include <QVariant>

// How many faces the gauge has composed since this was first asked for it,
// seen through the end-of-render event that every composed face raises.
// Takes over the gauge's OnMeterRendered.
inline int PaintCount(Kepler::TMeter& m)
{
    static const char* const key = "composedFaces";
    if (!m.OnMeterRendered) {
        m.setProperty(key, 0);
        m.OnMeterRendered = [&m](QObject*, Kepler::TCanvas&) { m.setProperty(key, m.property(key).toInt() + 1); };
    }
    return m.property(key).toInt();
}
