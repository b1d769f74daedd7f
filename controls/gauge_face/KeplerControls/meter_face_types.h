#pragma once

namespace Kepler {

// The gauge's enumerations as plain C++. They live in the namespace
// MeterTypes, where the widget's header makes them known to Qt's
// meta-object system; the using-declarations below make the names members
// of Kepler too (Kepler::TMeterLayout, Kepler::mlCirc90). One declaration
// per member, not `using enum`, so that the header stays usable by C++17
// programs. Each has int as its underlying type: a number that is no
// member, as Qt's property system may pass one in, is still a value of the
// type, and the gauge's setters refuse it.
namespace MeterTypes {

// Sweep of the scale, always symmetric about the upward vertical.
enum TMeterLayout : int { mlCirc90, mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360 };

// How a background image fills the control: once at its own size in the
// top-left corner, stretched over the whole control, or repeated as tiles.
enum TBkgFill : int { bfSimple, bfStretch, bfTile };

// Colours of the frame's light and grey lines: fixed white and grey, or the
// system's button highlight and shadow colours.
enum TColorScheme : int { csBWG, csSystem };

// Frame drawn along the control's border: none, a plain line, lowered, raised,
// embossed or engraved.
enum TFrameStyle : int { fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved };

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
