#include "qt_announcement.h"

#include <QObject>
#include <QString>
#include <QVariant>

namespace Kepler {

namespace {

QVariant QtValue(const TAccessValue& value)
{
    if (const int* i = std::get_if<int>(&value))
        return *i;
    if (const double* d = std::get_if<double>(&value))
        return *d;
    if (const std::string* s = std::get_if<std::string>(&value))
        return QString::fromStdString(*s);
    return {};
}

std::unique_ptr<QAccessibleEvent> EventOf(QObject* object, const TAnnouncement& a)
{
    switch (a.Change) {
    case acValueChange:
        return std::make_unique<QAccessibleValueChangeEvent>(object, QtValue(a.Value));
    case acNameChange:
        return std::make_unique<QAccessibleEvent>(object, QAccessible::NameChanged);
    case acFocus:
        return std::make_unique<QAccessibleEvent>(object, QAccessible::Focus);
    case acTextUpdate:
        return std::make_unique<QAccessibleTextUpdateEvent>(object, a.Position, QString::fromStdString(a.OldText),
                                                            QString::fromStdString(a.Text));
    case acSelectionChange:
        return std::make_unique<QAccessibleTextSelectionEvent>(object, a.Position, a.End);
    }
    return nullptr;
}

} // namespace

TAccessObject AccessObject(QObject* object)
{
    return {object};
}

QObject* QtObject(TAccessObject object)
{
    return static_cast<QObject*>(object.Handle);
}

std::unique_ptr<QAccessibleEvent> QtAccessibleEvent(const TAnnouncement& announcement)
{
    QObject* object = QtObject(announcement.Object);
    if (!object)
        return nullptr;
    std::unique_ptr<QAccessibleEvent> event = EventOf(object, announcement);
    if (event && announcement.Child >= 0)
        event->setChild(announcement.Child);
    return event;
}

} // namespace Kepler
