#include "KeplerControls/mouse_input.h"

#include <QMouseEvent>

namespace Kepler {

TMouseMessage MouseMessage(const QMouseEvent& e, QPoint origin)
{
    TMouseMessage m;
    m.Button = MouseButtonFromQt(e.button());
    m.Shift = ShiftStateFromQt(e.modifiers(), e.buttons());
    if (e.type() == QEvent::MouseButtonDblClick)
        m.Shift |= ssDouble;
    const QPoint p = e.position().toPoint() - origin;
    m.X = p.x();
    m.Y = p.y();
    return m;
}

void NotifyMouse(const TMouseEvent& handler, QObject* sender, const TMouseMessage& m)
{
    if (handler && m.Button)
        handler(sender, *m.Button, m.Shift, m.X, m.Y);
}

void NotifyMouseMove(const TMouseMoveEvent& handler, QObject* sender, const TMouseMessage& m)
{
    if (handler)
        handler(sender, m.Shift, m.X, m.Y);
}

} // namespace Kepler
