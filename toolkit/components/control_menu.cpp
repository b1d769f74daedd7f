// The context menu a right click opens.
#include "KeplerControls/control.h"

#include <QMenu>

namespace Kepler {

QMenu* TControl::PopupMenu() const
{
    return static_cast<QMenu*>(FPopupMenu.data());
}

void TControl::SetPopupMenu(QMenu* v)
{
    FPopupMenu = v;
}

} // namespace Kepler
