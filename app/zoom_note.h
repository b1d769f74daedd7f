#pragma once
#include <QWidget>

class QVariantAnimation;

// A short note of the window's zoom ("150 %") that shows when the zoom
// changes and fades out, in the window's top right corner, clear of the
// picture and the controls. Assistive technology reads it as a status bar
// "Zoom" whose value is the zoom in per cent, hears each change, and can
// step it up and down by the value's actions.
class TZoomNote : public QWidget {
    Q_OBJECT
public:
    explicit TZoomNote(QWidget* parent);

    int Percent() const { return FPercent; }
    int LargestPercent() const { return FLargest; }
    // Shows `percent` and lets it fade; `largest` is the largest zoom the
    // screen allows, the value's upper limit.
    void ShowZoom(int percent, int largest);
    // The value alone, without showing the note (at start).
    void SetZoom(int percent, int largest);

    // How opaque the note is now: 1 while it is shown, 0 once faded.
    double Opacity() const { return FOpacity; }

    // Where the note stands in the client area, as designed.
    static const QRect Place;

signals:
    // Assistive technology asks for the next step up or down.
    void ZoomInWanted();
    void ZoomOutWanted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int FPercent = 100;
    int FLargest = 100;
    double FOpacity = 0;
    QVariantAnimation* FFade = nullptr;
};
