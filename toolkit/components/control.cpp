#include "KeplerControls/control.h"
#include "control_link.h"
#include "qt_raster_face.h"

#include <QWidget>

namespace Kepler {

TControl::TControl(QWidget* self, TColor defaultColor)
    : FWidget(self),
      FColor(defaultColor)
{
    // A control draws with Qt's text and palette, in whatever program uses it.
    RegisterQtRasterFace();
    FLink = std::make_unique<TControlLink>(this);
    FConstraints.OnChange = [this] { ApplyConstraints(); };
    RecordPlacement();
    TakeParentShowHint();
}

TControl::~TControl()
{
    if (TControlLink::Dragging(this))
        TControlLink::Abandon();
}

TControl* TControl::FromWidget(QWidget* w)
{
    return dynamic_cast<TControl*>(w);
}

bool TControl::Enabled() const
{
    return !FWidget->testAttribute(Qt::WA_ForceDisabled);
}

void TControl::SetEnabled(bool v)
{
    FWidget->setEnabled(v);
}

// Its own flag: a control not hidden on purpose is visible once its
// parent is shown.
bool TControl::Visible() const
{
    return !(FWidget->testAttribute(Qt::WA_WState_ExplicitShowHide) && FWidget->testAttribute(Qt::WA_WState_Hidden));
}

void TControl::SetVisible(bool v)
{
    FWidget->setVisible(v);
}

} // namespace Kepler
