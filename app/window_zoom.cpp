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

int TWindowZoom::LargestFittingZoom() const
{
    QScreen* screen = FWindow.screen();
    if (!screen)
        return ZoomSteps[0];
    const double now = FZoom / 100.0;
    // Sizes in the screen's logical pixels at the zoom now in force; the
    // window manager's frame keeps its size in screen pixels at any zoom.
    const QSize content = FWindow.isVisible() ? FWindow.size() : FWindow.sizeHint();
    const QSize frame = FWindow.isVisible() ? FWindow.frameGeometry().size() - FWindow.size() : QSize();
    const QSize room = screen->availableGeometry().size() - frame;
    return LargestFittingZoomStep(content, QSize(int(std::floor(room.width() * now)),
                                                 int(std::floor(room.height() * now))));
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
    // A window that grew past the screen's edge comes back onto it.
    const QRect room = FScreen->availableGeometry();
    QRect frame = FWindow.frameGeometry();
    if (frame.right() > room.right())
        frame.moveRight(room.right());
    if (frame.bottom() > room.bottom())
        frame.moveBottom(room.bottom());
    frame.moveLeft(std::max(frame.left(), room.left()));
    frame.moveTop(std::max(frame.top(), room.top()));
    if (frame.topLeft() != FWindow.frameGeometry().topLeft())
        FWindow.move(frame.topLeft());
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
    FNormalPos = FWindow.pos();
    const QSize content = FWindow.size();
    const double now = FZoom / 100.0;
    // The screen in the window's pixels at 100 %.
    const QSizeF whole = QSizeF(screen->geometry().size()) * now;
    const double factor = FillingFactor(content, QSize(int(whole.width()), int(whole.height())));
    FFullScreen = true;
    FWindow.layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    FWindow.setMinimumSize(0, 0);
    FWindow.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    FScreen = screen;
    SetScreenZoom(screen, factor);
    FWindow.showFullScreen();
    // Without a window manager nobody else makes the window fill the screen.
    FWindow.setGeometry(screen->geometry());
    RefreshWindowScale(FWindow);
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
    FWindow.setContentsMargins(0, 0, 0, 0);
    FWindow.showNormal();
    FWindow.layout()->setSizeConstraint(QLayout::SetFixedSize);
    FWindow.layout()->activate();
    ApplyScale(FZoom / 100.0);
    FWindow.move(FNormalPos);
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
