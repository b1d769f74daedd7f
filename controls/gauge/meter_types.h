#pragma once
#include <QObject>

// The gauge's enumerations live in a namespace that Qt's meta-object system
// knows, so that properties of these types show their member names (in Qt
// Designer, style sheets and QObject::setProperty); the using-declarations
// below keep the names usable unqualified (TMeterLayout, mlCirc90).
namespace MeterTypes {
Q_NAMESPACE

// Sweep of the scale, always symmetric about the upward vertical.
enum TMeterLayout { mlCirc90, mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360 };
Q_ENUM_NS(TMeterLayout)

// How a background image fills the control: once at its own size in the
// top-left corner, stretched over the whole control, or repeated as tiles.
enum TBkgFill { bfSimple, bfStretch, bfTile };
Q_ENUM_NS(TBkgFill)

// Colours of the frame's light and grey lines: fixed white and grey, or the
// system's button highlight and shadow colours.
enum TColorScheme { csBWG, csSystem };
Q_ENUM_NS(TColorScheme)

enum TFrameStyle { fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved };
Q_ENUM_NS(TFrameStyle)
} // namespace MeterTypes

using MeterTypes::TBkgFill;
using MeterTypes::TColorScheme;
using MeterTypes::TFrameStyle;
using MeterTypes::TMeterLayout;
using enum MeterTypes::TMeterLayout;
using enum MeterTypes::TBkgFill;
using enum MeterTypes::TColorScheme;
using enum MeterTypes::TFrameStyle;
