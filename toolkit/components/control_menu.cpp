// The context menu a right click opens.
#include "control.h"

#include <QMenu>

QMenu* TControl::PopupMenu() const
{
    return static_cast<QMenu*>(FPopupMenu.data());
}

void TControl::SetPopupMenu(QMenu* v)
{
    FPopupMenu = v;
}
