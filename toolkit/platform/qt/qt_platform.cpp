#include "qt_platform.h"

#include "palette_colors.h"
#include "qt_announcement.h"
#include "qt_text_engine.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>

namespace Kepler {

namespace {

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

void TQtPlatform::Beep()
{
    if (IsWidgetApplication())
        QApplication::beep();
}

void TQtPlatform::ProcessMessages()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TQtPlatform::WaitForMessages(int timeoutMs)
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

std::unique_ptr<TTimerEngine> TQtPlatform::CreateTimer(std::function<void()> tick)
{
    return std::make_unique<TQtTimerEngine>(std::move(tick));
}

void TQtPlatform::Announce(const TAnnouncement& announcement)
{
    if (const std::unique_ptr<QAccessibleEvent> event = QtAccessibleEvent(announcement))
        QAccessible::updateAccessibility(event.get());
}

void TQtPlatform::ShowError(const std::string& text)
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

std::string TQtPlatform::DecimalSeparator()
{
    return QLocale().decimalPoint().toStdString();
}

const TTextEngine* TQtPlatform::TextEngine()
{
    // Lives as long as the program, past anything that draws.
    static const TQtTextEngine engine;
    return &engine;
}

const TSystemColors* TQtPlatform::SystemColors()
{
    static const TPaletteColors colors;
    return &colors;
}

} // namespace Kepler
