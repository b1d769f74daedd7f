#include "meter_accessible.h"

#include "KeplerControls/meter.h"

#include "accessibility_notify.h"
#include "qt_announcement.h"
#include "accessible_value_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLocale>

namespace Kepler {

namespace {

class TMeterAccessible : public TAccessibleValueWidget {
public:
    explicit TMeterAccessible(TMeter* meter) : TAccessibleValueWidget(meter, QAccessible::Dial) {}

    TMeter* Meter() const { return static_cast<TMeter*>(widget()); }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        // It shows a value; it takes no input.
        s.readOnly = true;
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return Meter()->Caption();
        if (t == QAccessible::Value)
            return QLocale().toString(Meter()->Value(), 'f', Meter()->MeterDecPlaces());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return Meter()->Value(); }
    // Read-only: assistive technology may not move the needle.
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return Meter()->MeterMaxValue(); }
    QVariant minimumValue() const override { return Meter()->MeterMinValue(); }
    QVariant minimumStepSize() const override { return 0.0; }
};

QAccessibleInterface* MeterAccessibleFactory(const QString&, QObject* object)
{
    // Qt asks by the class name and then by each base's; any of them ends here.
    if (auto* meter = dynamic_cast<TMeter*>(object))
        return new TMeterAccessible(meter);
    return nullptr;
}

} // namespace

void InstallMeterAccessibility()
{
    static const bool installed = (QAccessible::installFactory(MeterAccessibleFactory), true);
    (void)installed;
}

void AnnounceMeterValue(TMeter& meter)
{
    AnnounceValueChange(AccessObject(&meter), meter.Value());
}

} // namespace Kepler
