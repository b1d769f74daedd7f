// Drag and drop between controls: one drag at a time in the program, steered
// by the pointer and Escape wherever they go.
#include "KeplerControls/control.h"
#include "control_link.h"
#include "enum_member.h"
#include "show_exception.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <exception>

namespace Kepler {

namespace {

Qt::CursorShape CursorShape(TCursor c)
{
    switch (c) {
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crDrag: return Qt::DragMoveCursor;
    case crNoDrop:
    case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crMultiDrag: return Qt::DragCopyCursor;
    case crAppStart: return Qt::BusyCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}

// The widget under a point of the screen, searched from the active window.
QWidget* WidgetAtGlobal(const QPoint& global)
{
    QWidgetList windows = QApplication::topLevelWidgets();
    std::stable_partition(windows.begin(), windows.end(), [](QWidget* w) { return w->isActiveWindow(); });
    for (QWidget* w : windows) {
        if (!w->isVisible() || (w->windowFlags() & Qt::Popup) == Qt::Popup)
            continue;
        const QPoint local = w->mapFromGlobal(global);
        if (!w->rect().contains(local))
            continue;
        QWidget* child = w->childAt(local);
        return child ? child : w;
    }
    return nullptr;
}

// The innermost control at or above a widget.
TControl* ControlAtOrAbove(QWidget* w)
{
    for (; w; w = w->parentWidget())
        if (TControl* c = TControl::FromWidget(w))
            return c;
    return nullptr;
}

QPoint LocalPos(const TControl* c, const QPoint& global)
{
    return c ? c->ControlWidget()->mapFromGlobal(global) : global;
}

} // namespace

// While a drag is under way, the pointer and Escape steer it wherever they
// go in the program; a drag that has not started yet lets them through.
class TDragWatcher : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        return GuardEvent(true, [e] { return Steer(e); });
    }

private:
    static bool Steer(QEvent* e)
    {
        const bool started = TControlLink::Drag().Started;
        switch (e->type()) {
        case QEvent::MouseMove:
            TControlLink::MoveTo(static_cast<QMouseEvent*>(e)->globalPosition().toPoint());
            return started;
        case QEvent::MouseButtonRelease:
            // Ends the watch; nothing of this object is touched afterwards.
            TControlLink::Finish(true, static_cast<QMouseEvent*>(e)->globalPosition().toPoint());
            return started;
        case QEvent::KeyPress:
            if (started && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
                TControlLink::Finish(false, TControlLink::Drag().At);
                return true;
            }
            return false;
        default: return false;
        }
    }
};

// A drag handler that fails leaves no drag half under way: the pointer
// and the cursor are the program's again.
class TEndDragOnError {
public:
    TEndDragOnError() = default;
    TEndDragOnError(const TEndDragOnError&) = delete;
    TEndDragOnError& operator=(const TEndDragOnError&) = delete;
    ~TEndDragOnError()
    {
        if (std::uncaught_exceptions() > FUnwinding && TControlLink::Drag().Source)
            TControlLink::Abandon();
    }

private:
    int FUnwinding = std::uncaught_exceptions();
};

void TControlLink::Begin(TControl* source, bool immediate, int threshold, const QPoint& at)
{
    TDrag& d = Drag();
    if (d.Source)
        return;
    d.Source = source;
    d.Started = false;
    d.PressedAt = at;
    d.At = at;
    d.Threshold = immediate ? 0 : threshold < 0 ? QApplication::startDragDistance() : threshold;
    d.Target = nullptr;
    d.Accepted = false;
    d.Watcher = std::make_unique<TDragWatcher>();
    qApp->installEventFilter(d.Watcher.get());
    if (immediate)
        MoveTo(at);
}

void TControlLink::Start()
{
    TDrag& d = Drag();
    d.Started = true;
    QObject* sender = d.Source->FWidget;
    const bool dock = d.Source->FDragKind == dkDock;
    const TStartDragEvent& handler = dock ? d.Source->OnStartDock : d.Source->OnStartDrag;
    QGuiApplication::setOverrideCursor(QCursor(CursorShape(crNoDrop)));
    TControl* source = d.Source;
    if (handler)
        handler(sender);
    if (d.Source == source)
        source->RaiseDragSignal({dock ? TDragSignal::StartDock : TDragSignal::StartDrag, nullptr, 0, 0, dsDragEnter,
                                 nullptr});
}

void TControlLink::Leave()
{
    TDrag& d = Drag();
    TControl* old = d.Target;
    d.Target = nullptr;
    d.Accepted = false;
    if (old) {
        bool accept = false;
        const QPoint p = LocalPos(old, d.At);
        QObject* source = d.Source->FWidget;
        if (old->OnDragOver)
            old->OnDragOver(old->FWidget, source, p.x(), p.y(), dsDragLeave, accept);
        old->RaiseDragSignal({TDragSignal::DragOver, source, p.x(), p.y(), dsDragLeave, &accept});
    }
}

void TControlLink::MoveTo(const QPoint& global)
{
    TDrag& d = Drag();
    if (!d.Source)
        return;
    const TEndDragOnError endOnError;
    d.At = global;
    if (!d.Started) {
        if ((global - d.PressedAt).manhattanLength() < d.Threshold)
            return;
        Start();
        if (!d.Source)
            return; // OnStartDrag ended it
    }
    TControl* target = ControlAtOrAbove(WidgetAtGlobal(global));
    const bool entering = target != d.Target;
    if (entering)
        Leave();
    d.Target = target;
    d.Accepted = false;
    if (target) {
        bool accept = true;
        const QPoint p = LocalPos(target, global);
        const TDragState state = entering ? dsDragEnter : dsDragMove;
        QObject* source = d.Source->FWidget;
        bool listened = false;
        if (target->OnDragOver) {
            target->OnDragOver(target->FWidget, source, p.x(), p.y(), state, accept);
            listened = true;
        }
        if (d.Source && d.Target == target)
            listened |= target->RaiseDragSignal({TDragSignal::DragOver, source, p.x(), p.y(), state, &accept});
        d.Accepted = listened && accept;
    }
    if (d.Source)
        QGuiApplication::changeOverrideCursor(QCursor(CursorShape(d.Accepted ? d.Source->FDragCursor : crNoDrop)));
}

void TControlLink::Finish(bool drop, const QPoint& global)
{
    TDrag& d = Drag();
    TControl* source = d.Source;
    if (!source)
        return;
    const TEndDragOnError endOnError;
    const bool started = d.Started;
    if (started && drop)
        MoveTo(global);
    TControl* target = started && drop && d.Accepted ? d.Target : nullptr;
    if (!target)
        Leave();
    d.Target = nullptr;
    d.Source = nullptr;
    d.Watcher.reset();
    if (!started)
        return;
    QGuiApplication::restoreOverrideCursor();
    const QPoint p = LocalPos(target ? target : source, global);
    if (target) {
        if (target->OnDragDrop)
            target->OnDragDrop(target->FWidget, source->FWidget, p.x(), p.y());
        target->RaiseDragSignal({TDragSignal::DragDrop, source->FWidget, p.x(), p.y(), dsDragMove, nullptr});
    }
    const bool dock = source->FDragKind == dkDock;
    const TEndDragEvent& done = dock ? source->OnEndDock : source->OnEndDrag;
    QObject* targetWidget = target ? target->FWidget : nullptr;
    if (done)
        done(source->FWidget, targetWidget, p.x(), p.y());
    source->RaiseDragSignal(
        {dock ? TDragSignal::EndDock : TDragSignal::EndDrag, targetWidget, p.x(), p.y(), dsDragMove, nullptr});
}

void TControlLink::Abandon()
{
    TDrag& d = Drag();
    if (d.Started)
        QGuiApplication::restoreOverrideCursor();
    d = TDrag();
}

void TControl::SetDragKind(TDragKind v)
{
    if (IsEnumMember(v))
        FDragKind = v;
}

void TControl::SetDragMode(TDragMode v)
{
    if (IsEnumMember(v))
        FDragMode = v;
}

void TControl::BeginDrag(bool Immediate, int Threshold)
{
    TControlLink::Begin(this, Immediate, Threshold, QCursor::pos());
}

void TControl::EndDrag(bool Drop)
{
    if (TControlLink::Dragging(this))
        TControlLink::Finish(Drop, Drop ? QCursor::pos() : TControlLink::Drag().At);
}

bool TControl::Dragging() const
{
    return TControlLink::Dragging(this);
}

} // namespace Kepler
