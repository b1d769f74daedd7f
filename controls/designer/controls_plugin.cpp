#include "controls_plugin.h"

#include "control_icons.h"
#include "KeplerControls/meter.h"
#include "KeplerControls/spin_button.h"
#include "KeplerControls/spin_edit.h"

namespace Kepler {

namespace {

// A control as Designer first places it: its class, object name and size.
QString DomXml(const QString& className, const QString& objectName, int width, int height)
{
    return QStringLiteral(
               "<ui language=\"c++\">\n"
               " <widget class=\"%1\" name=\"%2\">\n"
               "  <property name=\"geometry\">\n"
               "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
               "  </property>\n"
               " </widget>\n"
               "</ui>\n")
        .arg(className, objectName)
        .arg(width)
        .arg(height);
}

} // namespace

TControlPlugin::TControlPlugin(TControlDescription description, QObject* parent)
    : QObject(parent), FDescription(std::move(description))
{
}

QString TControlPlugin::group() const
{
    return QStringLiteral("Kepler Controls");
}

TKeplerControlsPlugin::TKeplerControlsPlugin(QObject* parent) : QObject(parent)
{
    FWidgets.append(new TControlPlugin(
        {QStringLiteral("Kepler::TMeter"), QStringLiteral("KeplerControls/meter.h"),
         QStringLiteral("Analog gauge"),
         QStringLiteral("An analog gauge with six sweeps, linear or logarithmic scale, coloured "
                        "scale bands, limit lamps, two needles and picture faces."),
         DomXml(QStringLiteral("Kepler::TMeter"), QStringLiteral("meter"), 297, 209), GaugeIcon,
         [](QWidget* parent) -> QWidget* { return new TMeter(parent); }},
        this));
    FWidgets.append(new TControlPlugin(
        {QStringLiteral("Kepler::TSpinEdit"), QStringLiteral("KeplerControls/spin_edit.h"),
         QStringLiteral("Integer spin box with auto-repeat buttons"),
         QStringLiteral("A one-line edit holding a 32-bit integer between MinValue and MaxValue, "
                        "with up and down buttons that repeat while held."),
         DomXml(QStringLiteral("Kepler::TSpinEdit"), QStringLiteral("spinEdit"), 61, 22), SpinEditIcon,
         [](QWidget* parent) -> QWidget* { return new TSpinEdit(parent); }},
        this));
    FWidgets.append(new TControlPlugin(
        {QStringLiteral("Kepler::TSpinButton"), QStringLiteral("KeplerControls/spin_button.h"),
         QStringLiteral("Pair of auto-repeat up and down buttons"),
         QStringLiteral("Up and down buttons that repeat while held, to place next to any control."),
         DomXml(QStringLiteral("Kepler::TSpinButton"), QStringLiteral("spinButton"), 20, 25), SpinButtonIcon,
         [](QWidget* parent) -> QWidget* { return new TSpinButton(parent); }},
        this));
}

} // namespace Kepler
