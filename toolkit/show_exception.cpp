#include "show_exception.h"

#include <QApplication>
#include <QMessageBox>

namespace {

std::function<void(const QString&)>& Hook()
{
    static std::function<void(const QString&)> hook;
    return hook;
}

} // namespace

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
    if (Hook()) {
        Hook()(text);
        return;
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        qWarning("%s", qPrintable(text));
        return;
    }
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void SetShowExceptionHook(std::function<void(const QString& message)> hook)
{
    Hook() = std::move(hook);
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
