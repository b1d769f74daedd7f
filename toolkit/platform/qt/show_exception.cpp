#include "show_exception.h"

#include "platform.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <cstdio>

namespace Kepler {

void ShowException(const std::exception& e)
{
    ShowException(QString::fromUtf8(e.what()));
}

void ShowException(const QString& message)
{
    QString text = message.trimmed();
    // A message box sentence ends with a full stop.
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    Platform().ShowError(text.toStdString());
}

void ReportEventError(const QString& message)
{
    static bool reporting = false;
    if (reporting)
        return;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        return;
    }
    reporting = true;
    QMetaObject::invokeMethod(
        app,
        [message] {
            try {
                ShowException(message);
            } catch (...) {
                // The box itself failed: there is no other way to tell.
            }
            reporting = false;
        },
        Qt::QueuedConnection);
}

void ReportCurrentException() noexcept
{
    try {
        try {
            throw;
        } catch (const std::exception& e) {
            ReportEventError(QString::fromUtf8(e.what()));
        } catch (...) {
            ReportEventError(QStringLiteral("Unbekannter Fehler"));
        }
    } catch (...) {
        // Out of memory for the message itself: nothing left to say it with.
    }
}

} // namespace Kepler
