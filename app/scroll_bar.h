#pragma once
#include <QScrollBar>

// A scroll bar whose arrow keys move the thumb the way the arrow points, as
// on the classic desktop: Left and Up decrease, Right and Down increase,
// Page Up and Page Down move a page, Home and End go to the ends.
// (Qt's own scroll bar swaps Left and Right on a horizontal bar.)
// While it has the keyboard focus it is framed, as the other controls are.
class TScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit TScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
