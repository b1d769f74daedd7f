#pragma once
#include "KeplerControls/bitmap.h"

#include <QWidget>

// A picture control that owns its pixel buffer: drawing goes into Picture()
// and the widget shows it at its own size on the next paint. On a
// high-density screen the buffer is scaled as a whole when shown (see
// DrawPixelImage), so every coordinate stays in the picture's own pixels.
class TPictureBox : public QWidget {
    Q_OBJECT
public:
    TPictureBox(int width, int height, QWidget* parent = nullptr);

    Kepler::TBitmap& Picture() { return FPicture; }
    const Kepler::TBitmap& Picture() const { return FPicture; }

    // The picture as it stands, for the clipboard or a file: a teacher puts
    // it on a worksheet.
    void CopyPicture() const;
    bool SavePicture(const QString& fileName) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    Kepler::TBitmap FPicture;
};
