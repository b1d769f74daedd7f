#pragma once
#include "KeplerControls/keplercontrols_export.h"
#include <QObject>

namespace Kepler {

// The gauge's enumerations live in a namespace that Qt's meta-object system
// knows, so that properties of these types show their member names (in Qt
// Designer, style sheets and QObject::setProperty); the using-declarations
// below make the names members of Kepler too (Kepler::TMeterLayout,
// Kepler::mlCirc90). One declaration per member, not `using enum`, so that
// the header stays usable by C++17 programs. Each has int as its underlying
// type: a number that is no member, as Qt's property system may pass one
// in, is still a value of the type, and the gauge's setters refuse it.
namespace MeterTypes {
Q_NAMESPACE_EXPORT(KEPLERCONTROLS_EXPORT)

// Sweep of the scale, always symmetric about the upward vertical.
enum TMeterLayout : int { mlCirc90, mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360 };
Q_ENUM_NS(TMeterLayout)

// How a background image fills the control: once at its own size in the
// top-left corner, stretched over the whole control, or repeated as tiles.
enum TBkgFill : int { bfSimple, bfStretch, bfTile };
Q_ENUM_NS(TBkgFill)

// Colours of the frame's light and grey lines: fixed white and grey, or the
// system's button highlight and shadow colours.
enum TColorScheme : int { csBWG, csSystem };
Q_ENUM_NS(TColorScheme)

// Frame drawn along the control's border: none, a plain line, lowered, raised,
// embossed or engraved.
enum TFrameStyle : int { fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved };
Q_ENUM_NS(TFrameStyle)
} // namespace MeterTypes

using MeterTypes::TBkgFill;
using MeterTypes::TColorScheme;
using MeterTypes::TFrameStyle;
using MeterTypes::TMeterLayout;
using MeterTypes::mlCirc90;
using MeterTypes::mlCirc120;
using MeterTypes::mlCirc180;
using MeterTypes::mlCirc270;
using MeterTypes::mlCirc300;
using MeterTypes::mlCirc360;
using MeterTypes::bfSimple;
using MeterTypes::bfStretch;
using MeterTypes::bfTile;
using MeterTypes::csBWG;
using MeterTypes::csSystem;
using MeterTypes::fsNone;
using MeterTypes::fsSimple;
using MeterTypes::fsLowered;
using MeterTypes::fsRaised;
using MeterTypes::fsEmbossed;
using MeterTypes::fsEngraved;

} // namespace Kepler
