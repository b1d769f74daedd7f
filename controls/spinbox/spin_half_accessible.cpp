#include "spin_half_accessible.h"

#include "show_exception.h"
#include "timer_speed_button.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace Kepler {

namespace {

class TSpinHalfAccessible : public QAccessibleWidget {
public:
    explicit TSpinHalfAccessible(TTimerSpeedButton* half) : QAccessibleWidget(half, QAccessible::Button)
    {
    }

    TTimerSpeedButton* Half() const { return static_cast<TTimerSpeedButton*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        // A name given by the program wins over the built-in one.
        if (t == QAccessible::Name && Half()->accessibleName().isEmpty())
            return Half()->IsDownButton() ? QStringLiteral("Wert verringern")
                                          : QStringLiteral("Wert erhöhen");
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = Half()->State() == bsDown || Half()->State() == bsHeldDown;
        return s;
    }

    // A half never takes the focus, so pressing is all it offers.
    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& name) override
    {
        // Reported as from a click, not passed into Qt's accessibility bridge.
        if (name == pressAction() && Half()->isEnabled())
            GuardEvent([this] { Half()->Click(); });
    }
};

QAccessibleInterface* SpinHalfAccessibleFactory(const QString&, QObject* object)
{
    if (auto* half = qobject_cast<TTimerSpeedButton*>(object))
        return new TSpinHalfAccessible(half);
    return nullptr;
}

} // namespace

void InstallSpinHalfAccessibility()
{
    static const bool installed = (QAccessible::installFactory(SpinHalfAccessibleFactory), true);
    (void)installed;
}

} // namespace Kepler
