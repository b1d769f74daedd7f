// Presses, clicks and moves of the pointer over the text, and the focus
// coming in and going out.
#include "KeplerControls/spin_edit.h"

#include "event_signals.h"
#include "KeplerControls/mouse_input.h"
#include "spin_edit_metrics.h"

#include <QGuiApplication>
#include <QMouseEvent>

namespace Kepler {

using namespace SpinEditMetrics;

void TSpinEdit::mouseReleaseEvent(QMouseEvent* e)
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (e->button() == Qt::MiddleButton && clipboard && clipboard->supportsSelection()) {
        e->accept();
        if (EditingAllowed() && rect().contains(e->position().toPoint())) {
            deselect();
            PasteClipboard(QClipboard::Selection);
        }
    } else {
        QLineEdit::mouseReleaseEvent(e);
    }
    const TMouseMessage m = ClientMouseMessage(*e);
    if (m.Button && FClick.Release(*m.Button, rect().contains(e->position().toPoint())))
        RaiseNotify(OnClick, this, &TSpinEdit::Click);
    RaiseMouse(OnMouseUp, this, &TSpinEdit::MouseUp, m);
}

void TSpinEdit::mousePressEvent(QMouseEvent* e)
{
    if (!hasFocus()) {
        // Any button on the text brings the focus, as a click does in any
        // edit; only a left press keeps the selection to what it marks.
        FLeftPressOnText = e->button() == Qt::LeftButton;
        setFocus(Qt::MouseFocusReason);
        FLeftPressOnText = false;
    }
    QLineEdit::mousePressEvent(e);
    const TMouseMessage m = ClientMouseMessage(*e);
    if (m.Button)
        FClick.Press(*m.Button);
    RaiseMouse(OnMouseDown, this, &TSpinEdit::MouseDown, m);
}

void TSpinEdit::mouseDoubleClickEvent(QMouseEvent* e)
{
    QLineEdit::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton)
        RaiseNotify(OnDblClick, this, &TSpinEdit::DblClick);
    RaiseMouse(OnMouseDown, this, &TSpinEdit::MouseDown, ClientMouseMessage(*e));
}

void TSpinEdit::mouseMoveEvent(QMouseEvent* e)
{
    QLineEdit::mouseMoveEvent(e);
    RaiseMouseMove(OnMouseMove, this, &TSpinEdit::MouseMove, ClientMouseMessage(*e));
}

TMouseMessage TSpinEdit::ClientMouseMessage(const QMouseEvent& e) const
{
    return MouseMessage(e, QPoint(EditBorder, EditBorder));
}

void TSpinEdit::focusInEvent(QFocusEvent* e)
{
    const Qt::FocusReason reason = e->reason();
    if (WindowLevelFocusReason(reason)) {
        QLineEdit::focusInEvent(e);
        return;
    }
    // Qt's edit would select all on keyboard entry by itself; AutoSelect
    // decides that here, before the base handling and OnEnter.
    const bool keyboard = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                          reason == Qt::ShortcutFocusReason;
    QFocusEvent plain(e->type(), keyboard ? Qt::OtherFocusReason : reason);
    QLineEdit::focusInEvent(&plain);
    if (FAutoSelect && !FLeftPressOnText)
        selectAll();
    RaiseNotify(OnEnter, this, &TSpinEdit::Enter);
}

void TSpinEdit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (WindowLevelFocusReason(e->reason()))
        return;
    RaiseNotify(OnExit, this, &TSpinEdit::Exit);
    BringValueBack();
}

} // namespace Kepler
