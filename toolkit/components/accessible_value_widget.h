#pragma once
#include <QAccessibleWidget>

namespace Kepler {

// A widget that assistive technology reads as a value: it answers for the
// value interface as well as for the widget. Controls derive from it and
// supply the value, its limits and its step.
class TAccessibleValueWidget : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    TAccessibleValueWidget(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
};

} // namespace Kepler
