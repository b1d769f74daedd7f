#include "picture_box.h"
#include "qt_bitmap.h"

#include "pixel_image.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>

using namespace Kepler;

namespace {

// Assistive technology sees the picture as a graphic, not as an empty pane.
QAccessibleInterface* PictureBoxAccessible(const QString&, QObject* object)
{
    if (auto* box = qobject_cast<TPictureBox*>(object))
        return new QAccessibleWidget(box, QAccessible::Graphic);
    return nullptr;
}

} // namespace

TPictureBox::TPictureBox(int width, int height, QWidget* parent)
    : QWidget(parent), FPicture(width, height)
{
    static const bool accessibleInstalled = (QAccessible::installFactory(PictureBoxAccessible), true);
    (void)accessibleInstalled;
    setFixedSize(width, height);
    // Every pixel comes from the buffer: no background to clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPictureBox::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    DrawPixelImage(p, QtImage(FPicture), event->rect());
}
