#pragma once
#include "KeplerControls/bitmap.h"
#include "KeplerControls/mouse_input.h"
#include "KeplerControls/notify_event.h"

#include <QWidget>

class QPainter;

namespace Kepler {

// The look of a push button, in the order of the images in a glyph.
enum TButtonState { bsUp, bsDisabled, bsDown, bsHeldDown };

// A push button without keyboard focus that draws itself: a raised face in
// the running Qt style, sunken while down, with a centred glyph.
//
// A left press on an enabled button puts it down and captures the pointer;
// while captured, the button is down when the pointer is on it and up when
// it is off; a release on the button fires Click().
class TSpeedButton : public QWidget {
    Q_OBJECT

public:
    explicit TSpeedButton(QWidget* parent = nullptr);
    ~TSpeedButton() override;

    TButtonState State() const { return FState; }
    // True from a left press until its release.
    bool MouseCapture() const { return FClick.Armed(); }

    // NumGlyphs images of equal width side by side: up, disabled, down and
    // held-down. The bottom-left pixel's colour is transparent.
    const TBitmap& Glyph() const { return FGlyph; }
    void SetGlyph(const TBitmap& v);
    void SetGlyph(const QImage& v);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int v); // clamped to 1..4
    // The image shown in a state, transparent colour turned into alpha 0;
    // a missing disabled image is an etched form of the first.
    QImage GlyphImage(TButtonState state) const;
    // Top-left corner of the glyph on the face before any pressed shift.
    QPoint GlyphOrigin() const;

    virtual void Click();

    TNotifyEvent OnClick;
    // Called before the button changes its state.
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;

protected:
    bool event(QEvent* e) override;
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Paint(QPainter& painter);
    // The base look: push-button face and glyph.
    void PaintFace(QPainter& painter);

    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void SetState(TButtonState v);
    TButtonState RestingState() const;
    bool Inside(int x, int y) const;

    TButtonState FState = bsUp;
    TClickTracker FClick;
    TBitmap FGlyph;
    int FNumGlyphs = 1;
};

} // namespace Kepler
