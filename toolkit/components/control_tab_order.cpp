// Tab stops and the order Tab visits the parent's controls in.
#include "KeplerControls/control.h"

#include <QWidget>
#include <algorithm>

namespace Kepler {

bool TControl::TabStop() const
{
    return FWidget->focusPolicy() & Qt::TabFocus;
}

void TControl::SetTabStop(bool v)
{
    const int policy = FWidget->focusPolicy();
    FWidget->setFocusPolicy(Qt::FocusPolicy(v ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
}

namespace {

// The parent's child widgets in the order Tab visits them.
QWidgetList TabSiblings(const QWidget* self)
{
    QWidgetList list;
    const QWidget* parent = self->parentWidget();
    if (!parent)
        return list;
    for (QWidget* w = parent->nextInFocusChain(); w && w != parent; w = w->nextInFocusChain()) {
        if (list.contains(w))
            break;
        if (w->parentWidget() == parent)
            list.append(w);
    }
    return list;
}

} // namespace

int TControl::TabOrder() const
{
    return int(TabSiblings(FWidget).indexOf(FWidget));
}

void TControl::SetTabOrder(int v)
{
    QWidgetList list = TabSiblings(FWidget);
    if (list.isEmpty())
        return;
    list.removeAll(FWidget);
    list.insert(std::clamp(v, 0, int(list.size())), FWidget);
    // Qt takes the chain for a ring and leaves a pair alone when only the
    // parent stands between them; a focusable stand-in at the end of the
    // window's chain makes the ends count.
    QWidget end(FWidget->window());
    end.setFocusPolicy(Qt::TabFocus);
    for (int i = 0; i + 1 < list.size(); ++i)
        QWidget::setTabOrder(list[i], list[i + 1]);
}

} // namespace Kepler
