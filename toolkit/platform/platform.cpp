#include "platform.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>
#include <chrono>

namespace Kepler {

namespace {

TPlatform*& Installed()
{
    static TPlatform* installed = nullptr;
    return installed;
}

bool IsWidgetApplication()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

class TQtTimerEngine : public TTimerEngine {
public:
    explicit TQtTimerEngine(std::function<void()> tick)
    {
        FTimer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&FTimer, &QTimer::timeout, std::move(tick));
    }
    void Start(int intervalMs) override { FTimer.start(intervalMs); }
    void Stop() override { FTimer.stop(); }

private:
    QTimer FTimer;
};

} // namespace

TPlatform& Platform()
{
    static TPlatform real;
    return Installed() ? *Installed() : real;
}

TPlatform* InstallPlatform(TPlatform* platform)
{
    return std::exchange(Installed(), platform);
}

std::uint32_t TPlatform::TickCount()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

TLocalDate TPlatform::LocalDate()
{
    return CurrentLocalDate();
}

void TPlatform::Beep()
{
    if (IsWidgetApplication())
        QApplication::beep();
}

void TPlatform::ProcessMessages()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TPlatform::WaitForMessages(int timeoutMs)
{
    if (timeoutMs <= 0 || !QCoreApplication::instance())
        return;
    // A single-shot timer bounds the blocking wait; any message that arrives
    // earlier wakes the loop and is handled at once.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(timeoutMs);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

std::unique_ptr<TTimerEngine> TPlatform::CreateTimer(std::function<void()> tick)
{
    return std::make_unique<TQtTimerEngine>(std::move(tick));
}

void TPlatform::Announce(QAccessibleEvent& event)
{
    QAccessible::updateAccessibility(&event);
}

void TPlatform::ShowError(const std::string& text)
{
    if (!IsWidgetApplication()) {
        qWarning("%s", text.c_str());
        return;
    }
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), QString::fromStdString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::string TPlatform::DecimalSeparator()
{
    return QLocale().decimalPoint().toStdString();
}

} // namespace Kepler
