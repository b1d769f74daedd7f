#include "show_exception.h"

#include "platform.h"

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
    Platform().ShowError(text);
}
void RunHandlingExceptions(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException(QStringLiteral("Unbekannter Fehler"));
    }
}
