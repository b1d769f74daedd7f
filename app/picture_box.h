#pragma once
#include "KeplerControls/bitmap.h"
#include "local_date.h"

#include <QWidget>

// A picture control that owns its pixel buffer: drawing goes into Picture()
// and the widget shows it at its own size on the next paint. On a
// high-density screen the buffer is scaled as a whole when shown (see
// DrawPixelImage), so every coordinate stays in the picture's own pixels.
//
// A teacher takes the picture away for a worksheet through its menu (right
// click, the Menu key or Shift+F10 once Tab has brought the focus to it), or
// through its accessible actions: "Bild kopieren" and "Bild speichern unter …".
class TPictureBox : public QWidget {
    Q_OBJECT
public:
    TPictureBox(int width, int height, QWidget* parent = nullptr);

    Kepler::TBitmap& Picture() { return FPicture; }
    const Kepler::TBitmap& Picture() const { return FPicture; }

    // The picture as it stands, for the clipboard or a file.
    void CopyPicture() const;
    // Writes the picture as a PNG file through a temporary file beside it
    // that takes the file's place only once it is complete, so that a
    // failure (a full disk, say) leaves a file of that name as it was.
    // On failure `why` (when given) says why, in German.
    bool SavePicture(const QString& fileName, QString* why = nullptr) const;
    // Asks for a file name, saves, and shows a failure in a box.
    void SavePictureAs();
    // The menu with both commands, at a point on the screen.
    void ShowMenu(const QPoint& globalPos);

    // Where the save dialog opens first (the user's picture folder, else
    // home) and the name it suggests for a date: "Keplerprobleme-2026-12-08.png".
    static QString FirstSaveFolder();
    static QString SuggestedFileName(Kepler::TLocalDate date);

    static const QString CopyText;
    static const QString SaveText;

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The frame that marks the focus lies just outside the picture, on the
    // parent, so that it hides none of the picture's pixels.
    QRect FocusFrame() const;
    void UpdateFocusFrame();

    Kepler::TBitmap FPicture;
    // The folder of the last save in this session, where the next one opens.
    QString FLastFolder;
};
