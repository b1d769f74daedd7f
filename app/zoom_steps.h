#pragma once
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

// The window's zoom steps in per cent of its designed size, as a browser
// offers them; the largest that can be used depends on the screen.
inline constexpr int ZoomSteps[] = {100, 125, 150, 175, 200, 250, 300};

// The next step above or below `percent`; a value between steps moves to
// the neighbouring step. Above, only a step up to `largest` counts: without
// one the zoom stays.
int LargerZoomStep(int percent, int largest);
int SmallerZoomStep(int percent);

// The largest step whose window, `size` large at 100 %, fits into `room`
// (both in the same pixels); 100 when even that does not fit.
int LargestFittingZoomStep(QSize size, QSize room);

// The same on a real screen, in its device pixels: the window, `size`
// logical pixels at 100 % with `scale` device pixels to a logical one,
// fits with the window manager's frame `frame` (device pixels, the same at
// any zoom) into `room` (device pixels). Qt rounds the scaled size to the
// nearest pixel, so the test rounds as Qt does: 595 at 125 % is 744.
int LargestFittingZoomStep(QSize size, double scale, QMargins frame, QSize room);

// How far a window's frame must move to lie in `room` (both in device
// pixels): as far in as it sticks out, its top left corner first.
QPoint MoveIntoRoom(const QRect& frame, const QRect& room);

// The step to start with: the one the user chose, or the largest that fits
// when it does not; 100 for anything that is not a step.
int ZoomStepToUse(int wanted, int largest);

// The largest factor at which `size` fits into `room`: full screen.
double FillingFactor(QSize size, QSize room);
