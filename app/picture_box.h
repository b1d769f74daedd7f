#pragma once
#include "bitmap.h"

#include <QWidget>

// A picture control that owns its pixel buffer: drawing goes into Picture()
// and the widget shows it unscaled at its own size on the next paint. On a
// high-density screen Qt scales the buffer as a whole, so every coordinate
// stays in the picture's own pixels.
class TPictureBox : public QWidget {
    Q_OBJECT
public:
    TPictureBox(int width, int height, QWidget* parent = nullptr);

    TBitmap& Picture() { return FPicture; }
    const TBitmap& Picture() const { return FPicture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TBitmap FPicture;
};
