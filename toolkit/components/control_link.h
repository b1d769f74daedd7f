#pragma once
// The link between a control and Qt, shared by the files of the component
// model that need it: the event filter and the drag under way. Not part of
// the controls' interface.
#include "KeplerControls/control.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <memory>

namespace Kepler {

// Watches the control's widget and its parent for what the standard members
// react to, and runs the one drag that can be under way at a time.
class TControlLink : public QObject {
public:
    explicit TControlLink(TControl* control)
        : FControl(control)
    {
        FControl->FWidget->installEventFilter(this);
        WatchParent();
    }

    void WatchParent()
    {
        if (FParent)
            FParent->removeEventFilter(this);
        FParent = FControl->FWidget->parentWidget();
        if (FParent)
            FParent->installEventFilter(this);
    }

    // Drag and drop: one drag at a time in the program.
    struct TDrag {
        TControl* Source = nullptr;
        bool Started = false;
        QPoint PressedAt;
        QPoint At; // where the pointer was last seen
        int Threshold = 0;
        TControl* Target = nullptr;
        bool Accepted = false;
        std::unique_ptr<QObject> Watcher; // application-wide filter while dragging
    };
    static TDrag& Drag()
    {
        static TDrag drag;
        return drag;
    }
    static void Begin(TControl* source, bool immediate, int threshold, const QPoint& at);
    static void MoveTo(const QPoint& global);
    static void Finish(bool drop, const QPoint& global);
    // Ends the drag of a control that goes away, without events.
    static void Abandon();
    static bool Dragging(const TControl* c) { return Drag().Source == c; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool WidgetEvent(QEvent* e);
    void ParentEvent(QEvent* e);
    static void Start();
    static void Leave();

    TControl* FControl;
    QPointer<QWidget> FParent;
};

} // namespace Kepler
