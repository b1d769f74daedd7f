#include "picture_box.h"

#include "pixel_image.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
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
    DrawPixelImage(p, FPicture.Image(), event->rect());
}

void TPictureBox::CopyPicture() const
{
    QGuiApplication::clipboard()->setImage(FPicture.Image());
}

bool TPictureBox::SavePicture(const QString& fileName) const
{
    return FPicture.Image().save(fileName, "PNG");
}

void TPictureBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(QStringLiteral("Bild kopieren"), this, [this] { CopyPicture(); });
    menu.addAction(QStringLiteral("Bild speichern unter \u2026"), this, [this] {
        QFileDialog dialog(this, QStringLiteral("Bild speichern unter"), QString(),
                           QStringLiteral("PNG-Bilder (*.png)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // A name typed without ending still gives a file that opens as a picture.
        dialog.setDefaultSuffix(QStringLiteral("png"));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            SavePicture(dialog.selectedFiles().constFirst());
    });
    // The actions read the buffer when chosen, so during a run the picture
    // copied is the one on screen at that moment.
    menu.exec(event->globalPos());
}
