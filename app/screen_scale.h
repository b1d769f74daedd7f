#pragma once

class QScreen;
class QWidget;

// Zoom through Qt's own scaling for high-density screens: a window zoomed
// to 200 % is the window on a screen of display scale 2, with text drawn at
// the new size and the picture and the gauge enlarged from their own pixels.
// The zoom multiplies the desktop's own scale of the screen.
void SetScreenZoom(QScreen* screen, double zoom);

// Brings a window on a newly scaled screen to its new size and pixel ratio:
// Qt does not notice the change by itself.
void RefreshWindowScale(QWidget& window);
