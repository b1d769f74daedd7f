#include "picture_box.h"
#include "qt_bitmap.h"

#include "pixel_image.h"
#include "platform.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>

using namespace Kepler;

const QString TPictureBox::CopyText = QStringLiteral("Bild kopieren");
const QString TPictureBox::SaveText = QStringLiteral("Bild speichern unter \u2026");

namespace {

// Assistive technology sees the picture as a graphic, not as an empty pane,
// and can do what its menu offers.
class TPictureBoxAccessible : public QAccessibleWidget {
public:
    explicit TPictureBoxAccessible(TPictureBox* box) : QAccessibleWidget(box, QAccessible::Graphic) {}

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames()
               << TPictureBox::CopyText << TPictureBox::SaveText << showMenuAction();
    }

    QString localizedActionName(const QString& name) const override
    {
        if (name == TPictureBox::CopyText || name == TPictureBox::SaveText)
            return name;
        if (name == showMenuAction())
            return QStringLiteral("Menü öffnen");
        return QAccessibleWidget::localizedActionName(name);
    }

    QString localizedActionDescription(const QString& name) const override
    {
        if (name == TPictureBox::CopyText)
            return QStringLiteral("legt das Bild in die Zwischenablage");
        if (name == TPictureBox::SaveText)
            return QStringLiteral("schreibt das Bild als PNG-Datei");
        return QAccessibleWidget::localizedActionDescription(name);
    }

    void doAction(const QString& name) override
    {
        auto* box = static_cast<TPictureBox*>(widget());
        // The save dialog and the menu are modal: they come once the
        // caller has its answer.
        if (name == TPictureBox::CopyText)
            box->CopyPicture();
        else if (name == TPictureBox::SaveText)
            QMetaObject::invokeMethod(box, &TPictureBox::SavePictureAs, Qt::QueuedConnection);
        else if (name == showMenuAction())
            QMetaObject::invokeMethod(
                box, [box] { box->ShowMenu(box->mapToGlobal(box->rect().center())); }, Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* PictureBoxAccessible(const QString&, QObject* object)
{
    if (auto* box = qobject_cast<TPictureBox*>(object))
        return new TPictureBoxAccessible(box);
    return nullptr;
}

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Why a save failed, in words a teacher can act on: the system's error
// number where it is one of the usual ones, else Qt's text.
QString SaveFailure(int error, const QString& fileName, const QString& qtText)
{
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("Den Ordner \u201E%1\u201C gibt es nicht.").arg(Native(folder));
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Auf dem Datentr\u00e4ger ist nicht genug Platz frei.");
    case EROFS:
        return QStringLiteral("Der Ordner \u201E%1\u201C ist schreibgesch\u00fctzt.").arg(Native(folder));
    case EACCES:
    case EPERM:
        return QStringLiteral("Sie d\u00fcrfen im Ordner \u201E%1\u201C nicht schreiben.").arg(Native(folder));
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("Den Ordner \u201E%1\u201C gibt es nicht.").arg(Native(folder));
    default:
        break;
    }
    return qtText.isEmpty() ? QStringLiteral("Unbekannter Fehler.") : qtText;
}

bool Failed(QString* why, QString text)
{
    if (why)
        *why = std::move(text);
    return false;
}

// Space between the picture and the focus frame, and the frame's width.
constexpr int FocusGap = 1;
constexpr int FocusWidth = 2;

} // namespace

TPictureBox::TPictureBox(int width, int height, QWidget* parent)
    : QWidget(parent), FPicture(width, height)
{
    static const bool accessibleInstalled = (QAccessible::installFactory(PictureBoxAccessible), true);
    (void)accessibleInstalled;
    setFixedSize(width, height);
    // Every pixel comes from the buffer: no background to clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Reached by Tab, so that its menu is open to the keyboard too; a click
    // leaves the focus where it was, as before.
    setFocusPolicy(Qt::TabFocus);
    if (parent)
        parent->installEventFilter(this);
}

void TPictureBox::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    DrawPixelImage(p, QtImage(FPicture), event->rect());
}

QRect TPictureBox::FocusFrame() const
{
    const int out = FocusGap + FocusWidth;
    return geometry().adjusted(-out, -out, out, out);
}

void TPictureBox::UpdateFocusFrame()
{
    if (parentWidget())
        parentWidget()->update(FocusFrame());
}

void TPictureBox::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    UpdateFocusFrame();
}

void TPictureBox::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    UpdateFocusFrame();
}

bool TPictureBox::eventFilter(QObject* watched, QEvent* event)
{
    // The parent has painted its background by now; the frame goes on top.
    if (watched == parentWidget() && event->type() == QEvent::Paint && hasFocus() && isVisible()) {
        QPainter p(parentWidget());
        const QColor colour = palette().color(QPalette::Active, QPalette::Highlight);
        const QRect outer = FocusFrame();
        const QRect inner = outer.adjusted(FocusWidth, FocusWidth, -FocusWidth, -FocusWidth);
        p.fillRect(QRect(outer.left(), outer.top(), outer.width(), FocusWidth), colour);
        p.fillRect(QRect(outer.left(), inner.bottom() + 1, outer.width(), FocusWidth), colour);
        p.fillRect(QRect(outer.left(), inner.top(), FocusWidth, inner.height()), colour);
        p.fillRect(QRect(inner.right() + 1, inner.top(), FocusWidth, inner.height()), colour);
    }
    return QWidget::eventFilter(watched, event);
}

void TPictureBox::CopyPicture() const
{
    QGuiApplication::clipboard()->setImage(QtImage(FPicture).copy());
}

bool TPictureBox::SavePicture(const QString& fileName, QString* why) const
{
    // The whole file is made in memory first: what can fail from here on
    // is the disk alone.
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        if (!writer.write(QtImage(FPicture)))
            return Failed(why, writer.errorString());
    }
    // The file of that name is replaced only by a complete new one.
    QSaveFile file(fileName);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return Failed(why, SaveFailure(errno, fileName, file.errorString()));
    // A small picture stays in the file's buffer until it is flushed; a
    // failure there (a full disk) would not stop commit() from putting the
    // cut-off file in the old one's place, so it is flushed and checked here.
    errno = 0;
    if (file.write(png) != png.size() || !file.flush()) {
        const int error = errno;
        const QString text = file.errorString();
        file.cancelWriting();
        return Failed(why, SaveFailure(error, fileName, text));
    }
    errno = 0;
    if (!file.commit())
        return Failed(why, SaveFailure(errno, fileName, file.errorString()));
    return true;
}

QString TPictureBox::FirstSaveFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QFileInfo(pictures).isDir())
        return pictures;
    return QDir::homePath();
}

QString TPictureBox::SuggestedFileName(TLocalDate date)
{
    return QStringLiteral("Keplerprobleme-%1-%2-%3.png")
        .arg(date.Year, 4, 10, QLatin1Char('0'))
        .arg(date.Month, 2, 10, QLatin1Char('0'))
        .arg(date.Day, 2, 10, QLatin1Char('0'));
}

void TPictureBox::SavePictureAs()
{
    const QString folder = FLastFolder.isEmpty() ? FirstSaveFolder() : FLastFolder;
    QFileDialog dialog(this, QStringLiteral("Bild speichern unter"), folder, QStringLiteral("PNG-Bilder (*.png)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without ending still gives a file that opens as a picture.
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.selectFile(SuggestedFileName(Platform().LocalDate()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString fileName = dialog.selectedFiles().constFirst();
    const bool existed = QFileInfo::exists(fileName);
    QString why;
    if (SavePicture(fileName, &why)) {
        FLastFolder = QFileInfo(fileName).absolutePath();
        return;
    }
    QString text = QStringLiteral("Das Bild wurde nicht gespeichert.\n\nDatei: %1\nGrund: %2")
                       .arg(Native(QFileInfo(fileName).absoluteFilePath()), why);
    if (existed)
        text += QStringLiteral("\n\nDie vorhandene Datei ist unver\u00e4ndert.");
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Bild nicht gespeichert"), text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    // The box asks for the keyboard itself: as the file dialog closes, the
    // keyboard goes back to the window, and in a session without a window
    // manager nobody would hand it on to the box, whose "OK" then never
    // hears Return.
    box.show();
    box.activateWindow();
    box.exec();
}

void TPictureBox::ShowMenu(const QPoint& globalPos)
{
    QMenu menu(this);
    menu.addAction(CopyText, this, [this] { CopyPicture(); });
    menu.addAction(SaveText, this, [this] { SavePictureAs(); });
    // The actions read the buffer when chosen, so during a run the picture
    // copied is the one on screen at that moment.
    menu.exec(globalPos);
}

void TPictureBox::contextMenuEvent(QContextMenuEvent* event)
{
    // From the keyboard the menu opens over the picture, wherever the pointer is.
    ShowMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                         : mapToGlobal(rect().center()));
}

void TPictureBox::keyPressEvent(QKeyEvent* event)
{
    // Shift+F10 opens the menu as the Menu key does, as elsewhere on the desktop.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        ShowMenu(mapToGlobal(rect().center()));
        return;
    }
    QWidget::keyPressEvent(event);
}
