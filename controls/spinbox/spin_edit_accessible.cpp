#include "spin_edit_accessible.h"

#include "KeplerControls/spin_edit.h"

#include "accessibility_notify.h"
#include "qt_announcement.h"
#include "accessible_value_widget.h"
#include "show_exception.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <limits>

namespace Kepler {

namespace {

class TSpinEditAccessible : public TAccessibleValueWidget {
public:
    explicit TSpinEditAccessible(TSpinEdit* edit) : TAccessibleValueWidget(edit, QAccessible::SpinBox) {}

    TSpinEdit* Edit() const { return static_cast<TSpinEdit*>(widget()); }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !Edit()->ReadOnly() && Edit()->EditorEnabled();
        s.readOnly = Edit()->ReadOnly();
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        // What the box shows, even while the typed text is not a number yet.
        if (t == QAccessible::Value)
            return Edit()->Text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames()
            << QAccessibleActionInterface::increaseAction()
            << QAccessibleActionInterface::decreaseAction();
    }

    // Assistive technology acts through Qt's accessibility bridge, which
    // takes no exceptions either: a failing OnChange is reported as from a click.
    void doAction(const QString& name) override
    {
        GuardEvent([&] {
            if (name == QAccessibleActionInterface::increaseAction())
                Edit()->StepUp();
            else if (name == QAccessibleActionInterface::decreaseAction())
                Edit()->StepDown();
            else
                QAccessibleWidget::doAction(name);
        });
    }

    QVariant currentValue() const override { return Edit()->Value(); }
    void setCurrentValue(const QVariant& v) override
    {
        GuardEvent([&] { Edit()->SetValue(v.toInt()); });
    }
    // Equal limits mean none: the whole integer range is allowed.
    QVariant minimumValue() const override
    {
        return NoLimits() ? std::numeric_limits<std::int32_t>::min() : Edit()->MinValue();
    }
    QVariant maximumValue() const override
    {
        return NoLimits() ? std::numeric_limits<std::int32_t>::max() : Edit()->MaxValue();
    }
    QVariant minimumStepSize() const override { return Edit()->Increment(); }

private:
    bool NoLimits() const { return Edit()->MinValue() == Edit()->MaxValue(); }
};

QAccessibleInterface* SpinEditAccessibleFactory(const QString&, QObject* object)
{
    if (auto* edit = qobject_cast<TSpinEdit*>(object))
        return new TSpinEditAccessible(edit);
    return nullptr;
}

} // namespace

void InstallSpinEditAccessibility()
{
    static const bool installed = (QAccessible::installFactory(SpinEditAccessibleFactory), true);
    (void)installed;
}

void AnnounceSpinEditValue(TSpinEdit& edit)
{
    AnnounceValueChange(AccessObject(&edit), edit.Value());
}

} // namespace Kepler
