#include "picture_box.h"

#include <QPaintEvent>
#include <QPainter>

TPictureBox::TPictureBox(int width, int height, QWidget* parent)
    : QWidget(parent), FPicture(width, height)
{
    setFixedSize(width, height);
    // Every pixel comes from the buffer: no background to clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPictureBox::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QRect r = event->rect();
    p.drawImage(r, FPicture.Image(), r);
}
