#pragma once
#include <QObject>
#include <QPoint>

class QAction;
class QMainWindow;
class QScreen;
class TZoomNote;

// Zoom and full screen of the program's window, for a projector or a large
// screen in front of a class: Ctrl+Plus, Ctrl+Minus, Ctrl+0 and Ctrl with
// the mouse wheel step the zoom (ZoomSteps), each change shown for a moment
// by a note (TZoomNote); F11 shows the window's content as large as the
// screen allows, centred, as a full screen the window manager knows, and F11
// or Escape return to the window as it was, where it was. The zoom chosen is
// kept for the user's next start.
class TWindowZoom : public QObject {
    Q_OBJECT
public:
    // The zoom keys act on `window`, which must have a fixed size.
    explicit TWindowZoom(QMainWindow& window);
    ~TWindowZoom() override;

    // Per cent of the designed size; full screen does not change it.
    int Zoom() const { return FZoom; }
    void SetZoom(int percent);
    void ZoomIn();
    void ZoomOut();
    void ResetZoom();

    bool IsFullScreen() const { return FFullScreen; }
    void ToggleFullScreen();

    // The zoom the user chose last time, as far as the screen allows it;
    // called once before the window is first shown.
    void RestoreSavedZoom();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* AddKey(const QString& text, QList<QKeySequence> keys, void (TWindowZoom::*act)());
    int LargestFittingZoom() const;
    void ApplyScale(double factor);
    void EnterFullScreen();
    void LeaveFullScreen();
    void FollowScreen(QScreen* screen);

    QMainWindow& FWindow;
    int FZoom = 100;
    // Ctrl+wheel in eighths of a degree not yet turned into a step.
    int FWheelRest = 0;
    bool FFullScreen = false;
    // Where the window's inside stood before full screen, in logical pixels.
    QPoint FNormalPos;
    QAction* FLeaveFullScreen = nullptr;
    QScreen* FScreen = nullptr;
    TZoomNote* FNote = nullptr;
};
