#pragma once
#include "KeplerControls/meter_face.h"
#include "KeplerControls/meter_paint_events.h"

namespace Kepler {

// The gauge's painting events as the face raises them: each with Sender
// added and the label as a QString (UTF-8 on the face's side). An
// unassigned event stays unassigned.
TMeterFaceEvents FaceEvents(QObject* Sender, const TMeterPaintEvents& e);

} // namespace Kepler
