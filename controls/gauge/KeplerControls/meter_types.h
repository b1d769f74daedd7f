#pragma once
#include "KeplerControls/keplercontrols_export.h"
#include "KeplerControls/meter_face_types.h"

#include <QObject>

namespace Kepler {

// The gauge's enumerations (meter_face_types.h) known to Qt's meta-object
// system, so that properties of these types show their member names (in Qt
// Designer, style sheets, .ui files and QObject::setProperty).
namespace MeterTypes {
Q_NAMESPACE_EXPORT(KEPLERCONTROLS_EXPORT)

#ifdef Q_MOC_RUN
// moc reads the member names from here; the compiler takes the enumerations
// from meter_face_types.h, and moc's output names each member, so a member
// missing there does not build. A test compares the member counts.
enum TMeterLayout : int { mlCirc90, mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360 };
enum TBkgFill : int { bfSimple, bfStretch, bfTile };
enum TColorScheme : int { csBWG, csSystem };
enum TFrameStyle : int { fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved };
#endif

Q_ENUM_NS(TMeterLayout)
Q_ENUM_NS(TBkgFill)
Q_ENUM_NS(TColorScheme)
Q_ENUM_NS(TFrameStyle)
} // namespace MeterTypes

} // namespace Kepler
