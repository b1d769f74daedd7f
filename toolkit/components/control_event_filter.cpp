// What the standard members react to in the control's widget and its
// parent: parent changes, moves and resizes, font and palette changes, the
// context menu and the press that starts an automatic drag.
#include "KeplerControls/control.h"
#include "control_link.h"
#include "show_exception.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QResizeEvent>

namespace Kepler {

bool TControlLink::eventFilter(QObject* watched, QEvent* e)
{
    const bool own = watched == FControl->FWidget;
    // A failed handler of the control's own event ends that event; the
    // parent's events go on to the parent.
    return GuardEvent(own, [&] {
        // Qt reports a hidden parent's new size only when it is shown. (A
        // new parent is measured afresh when the control has moved in.)
        if (FParent && !FParent->isVisible() && e->type() != QEvent::ParentAboutToChange &&
            e->type() != QEvent::ParentChange)
            FControl->FollowParent();
        if (own)
            return WidgetEvent(e);
        if (watched == FParent)
            ParentEvent(e);
        return false;
    });
}

bool TControlLink::WidgetEvent(QEvent* e)
{
    TControl& c = *FControl;
    switch (e->type()) {
    case QEvent::ParentChange:
        WatchParent();
        c.RecordPlacement();
        if (c.FParentShowHint)
            c.TakeParentShowHint();
        if (c.FParentColor)
            c.TakeParentColor();
        if (c.FParentFont)
            c.TakeParentFont();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (!c.FBeingPlaced) {
            if (c.FWidget->geometry() != c.FAnchoredAt)
                c.RecordPlacement();
            if (c.FAlign != alNone && c.FAlign != alCustom && FParent)
                TControl::AlignControls(FParent);
        }
        break;
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        if (c.FAlign != alNone && FParent)
            TControl::AlignControls(FParent);
        break;
    case QEvent::FontChange:
        // QWidget::setFont makes the font the control's own; an inherited
        // one (a style sheet's included) counts while ParentFont is set.
        if (!c.FTakingParentFont) {
            if (c.FWidget->testAttribute(Qt::WA_SetFont))
                c.TakeOwnFont();
            else if (c.FParentFont)
                c.TakeParentFont();
        }
        if (c.FAutoSize && !c.Loading())
            c.AdjustAutoSize();
        break;
    case QEvent::ContextMenu:
        if (QMenu* menu = c.PopupMenu()) {
            menu->popup(static_cast<QContextMenuEvent*>(e)->globalPos());
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (c.FDragMode == dmAutomatic && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton &&
            c.FWidget->isEnabled()) {
            // The press starts the drag instead of reaching the control.
            Begin(&c, true, 0, static_cast<QMouseEvent*>(e)->globalPosition().toPoint());
            return true;
        }
        break;
    default: break;
    }
    return false;
}

void TControlLink::ParentEvent(QEvent* e)
{
    TControl& c = *FControl;
    switch (e->type()) {
    case QEvent::Resize:
        c.ParentResized(static_cast<QResizeEvent*>(e)->oldSize());
        break;
    case QEvent::PaletteChange:
        if (c.FParentColor)
            c.TakeParentColor();
        break;
    default: break;
    }
}

} // namespace Kepler
