#pragma once

// Sweep of the scale, always symmetric about the upward vertical.
enum TMeterLayout { mlCirc90, mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360 };

// How a background image fills the control: once at its own size in the
// top-left corner, stretched over the whole control, or repeated as tiles.
enum TBkgFill { bfSimple, bfStretch, bfTile };

// Colours of the frame's light and grey lines: fixed white and grey, or the
// system's button highlight and shadow colours.
enum TColorScheme { csBWG, csSystem };

enum TFrameStyle { fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved };
