#include "window_zoom.h"

#include "screen_scale.h"
#include "zoom_note.h"
#include "zoom_steps.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QWheelEvent>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>

#include <algorithm>
#include <cmath>

namespace {

// Where the zoom is kept in the user's settings, in per cent.
const QString ZoomSetting = QStringLiteral("Fenster/Zoom");

// One notch of a mouse wheel, in eighths of a degree.
constexpr int WheelNotch = 120;

} // namespace

TWindowZoom::TWindowZoom(QMainWindow& window) : QObject(&window), FWindow(window)
{
    // Ctrl+= is Ctrl+Plus without Shift on keyboards that have + above =.
    AddKey(QStringLiteral("Vergrößern"),
           {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, &TWindowZoom::ZoomIn);
    AddKey(QStringLiteral("Verkleinern"), {QKeySequence(QKeySequence::ZoomOut)}, &TWindowZoom::ZoomOut);
    AddKey(QStringLiteral("Originalgröße"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, &TWindowZoom::ResetZoom);
    AddKey(QStringLiteral("Vollbild"), {QKeySequence(Qt::Key_F11)}, &TWindowZoom::ToggleFullScreen);
    // Escape leaves full screen only: elsewhere it stays with the controls.
    FLeaveFullScreen = new QAction(QStringLiteral("Vollbild beenden"), this);
    FLeaveFullScreen->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(FLeaveFullScreen, &QAction::triggered, this, [this] { ToggleFullScreen(); });

    // The zoom shows for a moment when it changes, and always to assistive technology.
    FNote = new TZoomNote(window.centralWidget());
    connect(FNote, &TZoomNote::ZoomInWanted, this, &TWindowZoom::ZoomIn);
    connect(FNote, &TZoomNote::ZoomOutWanted, this, &TWindowZoom::ZoomOut);

    // Ctrl+wheel zooms wherever the pointer is in the window, also over the
    // controls that take the wheel themselves.
    qApp->installEventFilter(this);
}

TWindowZoom::~TWindowZoom() = default;

QAction* TWindowZoom::AddKey(const QString& text, QList<QKeySequence> keys, void (TWindowZoom::*act)())
{
    auto* action = new QAction(text, this);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, [this, act] { (this->*act)(); });
    FWindow.addAction(action);
    return action;
}

namespace {

// The window manager's frame around the window, in device pixels; none
// before the window is shown or without a window manager.
QMargins FrameInDevicePixels(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    if (!window.isVisible() || !handle || !handle->handle())
        return {};
    return handle->handle()->frameMargins();
}

} // namespace

int TWindowZoom::LargestFittingZoom() const
{
    QScreen* screen = FWindow.screen();
    if (!screen || !screen->handle())
        return ZoomSteps[0];
    // The window keeps its size in logical pixels at any zoom; the zoom
    // changes how many device pixels a logical one takes. All else is
    // measured in device pixels, where the frame keeps its size.
    const QSize content = FWindow.isVisible() ? FWindow.size() : FWindow.sizeHint();
    const double scale = QHighDpiScaling::factor(screen) / (FZoom / 100.0);
    return LargestFittingZoomStep(content, scale, FrameInDevicePixels(FWindow),
                                  screen->handle()->availableGeometry().size());
}

void TWindowZoom::SetZoom(int percent)
{
    if (FFullScreen)
        return; // the screen sets the size; the zoom applies again after full screen
    const int largest = LargestFittingZoom();
    percent = ZoomStepToUse(percent, largest);
    if (percent != FZoom) {
        FZoom = percent;
        ApplyScale(FZoom / 100.0);
        QSettings().setValue(ZoomSetting, FZoom);
    }
    // Also when the zoom stays: at the largest step the note says so.
    FNote->ShowZoom(FZoom, largest);
}

void TWindowZoom::ZoomIn()
{
    SetZoom(LargerZoomStep(FZoom, LargestFittingZoom()));
}

void TWindowZoom::ZoomOut()
{
    SetZoom(SmallerZoomStep(FZoom));
}

void TWindowZoom::ResetZoom()
{
    SetZoom(ZoomSteps[0]);
}

void TWindowZoom::RestoreSavedZoom()
{
    const int wanted = QSettings().value(ZoomSetting, ZoomSteps[0]).toInt();
    const int largest = LargestFittingZoom();
    FZoom = ZoomStepToUse(wanted, largest);
    if (FZoom != ZoomSteps[0])
        ApplyScale(FZoom / 100.0);
    FNote->SetZoom(FZoom, largest);
}

void TWindowZoom::ApplyScale(double factor)
{
    FScreen = FWindow.screen();
    SetScreenZoom(FScreen, factor);
    RefreshWindowScale(FWindow);
    if (!FWindow.isVisible() || FFullScreen)
        return;
    // A window that grew past the screen's edge comes back onto it, frame
    // and all. Measured in device pixels: in logical ones the frame's
    // rounding could leave it a pixel or two past the edge.
    QWindow* handle = FWindow.windowHandle();
    if (!handle || !handle->handle() || !FScreen->handle())
        return;
    const double deviceScale = QHighDpiScaling::factor(FScreen);
    const QRect room = FScreen->handle()->availableGeometry();
    for (int tries = 0; tries < 2; ++tries) {
        const QRect frame = handle->handle()->geometry().marginsAdded(handle->handle()->frameMargins());
        const QPoint by = MoveIntoRoom(frame, room);
        if (by.isNull())
            return;
        // The place asked for in logical pixels, which Qt does not yet know
        // at the new scale: from the device pixels, rounded away from the edge.
        const QPoint target = handle->handle()->geometry().topLeft() + by - FScreen->handle()->geometry().topLeft();
        const auto logical = [deviceScale](int device, int move) {
            const double exact = device / deviceScale;
            return int(move < 0 ? std::floor(exact) : move > 0 ? std::ceil(exact) : std::round(exact));
        };
        handle->setPosition(FScreen->geometry().topLeft() +
                            QPoint(logical(target.x(), by.x()), logical(target.y(), by.y())));
    }
}

void TWindowZoom::ToggleFullScreen()
{
    if (FFullScreen)
        LeaveFullScreen();
    else
        EnterFullScreen();
}

void TWindowZoom::EnterFullScreen()
{
    QScreen* screen = FWindow.screen();
    if (!screen)
        return;
    // Where the window's inside stood: the frame is the window manager's,
    // and gone in full screen.
    FNormalPos = FWindow.geometry().topLeft();
    const QSize content = FWindow.size();
    const double now = FZoom / 100.0;
    // The screen in the window's pixels at 100 %.
    const QSizeF whole = QSizeF(screen->geometry().size()) * now;
    const double factor = FillingFactor(content, QSize(int(whole.width()), int(whole.height())));
    FFullScreen = true;
    // A window manager makes only a window of free size full screen: the
    // fixed size goes first, and no minimum is left for it to keep.
    FWindow.layout()->setSizeConstraint(QLayout::SetNoConstraint);
    FWindow.setMinimumSize(0, 0);
    FWindow.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    FScreen = screen;
    SetScreenZoom(screen, factor);
    // Without a window manager nobody else makes the window fill the screen.
    FWindow.setGeometry(screen->geometry());
    RefreshWindowScale(FWindow);
    // Asked for last: a window manager ends full screen for a window that
    // changes its size after it (the change of scale above).
    FWindow.showFullScreen();
    // The content, menu bar and all, in the middle of the screen; the
    // margins show the window's colour.
    const QSize room = screen->geometry().size() - content;
    const int left = std::max(room.width() / 2, 0);
    const int top = std::max(room.height() / 2, 0);
    FWindow.setContentsMargins(left, top, std::max(room.width() - left, 0), std::max(room.height() - top, 0));
    FWindow.addAction(FLeaveFullScreen);
}

void TWindowZoom::LeaveFullScreen()
{
    FWindow.removeAction(FLeaveFullScreen);
    FFullScreen = false;
    // Out of full screen first: a window manager would take the fixed size
    // of a window still full screen as the end of it, and place it anew.
    FWindow.showNormal();
    FWindow.setContentsMargins(0, 0, 0, 0);
    FWindow.layout()->setSizeConstraint(QLayout::SetFixedSize);
    FWindow.layout()->activate();
    ApplyScale(FZoom / 100.0);
    // Back exactly where it was, however often it went to full screen.
    if (QWindow* handle = FWindow.windowHandle())
        handle->setPosition(FNormalPos);
}

void TWindowZoom::FollowScreen(QScreen* screen)
{
    if (!screen || screen == FScreen)
        return;
    // The zoom belongs to the window, not to the screen it has left.
    if (FScreen)
        SetScreenZoom(FScreen, 1.0);
    FScreen = screen;
    SetScreenZoom(screen, FZoom / 100.0);
    RefreshWindowScale(FWindow);
}

bool TWindowZoom::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &FWindow) {
        if (event->type() == QEvent::Show && FWindow.windowHandle()) {
            connect(FWindow.windowHandle(), &QWindow::screenChanged, this, &TWindowZoom::FollowScreen,
                    Qt::UniqueConnection);
        } else if (event->type() == QEvent::Paint && FFullScreen && FWindow.centralWidget()) {
            // Around the content the screen shows the window's own colour.
            QPainter(&FWindow).fillRect(FWindow.rect(), FWindow.centralWidget()->palette().color(QPalette::Window));
        }
        return false;
    }
    if (event->type() != QEvent::Wheel)
        return false;
    auto* wheel = static_cast<QWheelEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!(wheel->modifiers() & Qt::ControlModifier) || !widget || widget->window() != &FWindow)
        return false;
    FWheelRest += wheel->angleDelta().y();
    while (FWheelRest >= WheelNotch) {
        FWheelRest -= WheelNotch;
        ZoomIn();
    }
    while (FWheelRest <= -WheelNotch) {
        FWheelRest += WheelNotch;
        ZoomOut();
    }
    return true;
}
