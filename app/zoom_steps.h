#pragma once
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

// The step to start with: the one the user chose, or the largest that fits
// when it does not; 100 for anything that is not a step.
int ZoomStepToUse(int wanted, int largest);

// The largest factor at which `size` fits into `room`: full screen.
double FillingFactor(QSize size, QSize room);
