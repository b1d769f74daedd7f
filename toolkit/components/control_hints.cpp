// Hints: the tool tip, shown while ShowHint holds, which may follow the
// parent's.
#include "KeplerControls/control.h"

#include <QWidget>

namespace Kepler {

void TControl::SetHint(const QString& v)
{
    FHint = v;
    ApplyHint();
}

void TControl::SetShowHint(bool v)
{
    FParentShowHint = false;
    if (v == FShowHint)
        return;
    FShowHint = v;
    ApplyHint();
}

void TControl::SetParentShowHint(bool v)
{
    FParentShowHint = v;
    if (v)
        TakeParentShowHint();
}

void TControl::TakeParentShowHint()
{
    QWidget* parent = FWidget->parentWidget();
    const TControl* c = parent ? FromWidget(parent) : nullptr;
    FShowHint = c ? c->FShowHint : true;
    ApplyHint();
}

void TControl::ApplyHint()
{
    FWidget->setToolTip(FShowHint ? FHint.section(QLatin1Char('|'), 0, 0) : QString());
    // Children that follow this control's ShowHint follow it now.
    for (QObject* o : FWidget->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        TControl* c = w ? FromWidget(w) : nullptr;
        if (c && c->FParentShowHint && c->FShowHint != FShowHint)
            c->TakeParentShowHint();
    }
}

} // namespace Kepler
