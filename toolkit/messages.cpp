#include "messages.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace {

std::function<void()>& ProcessHook()
{
    static std::function<void()> hook;
    return hook;
}

std::function<void(int)>& WaitHook()
{
    static std::function<void(int)> hook;
    return hook;
}

} // namespace

void ProcessMessages()
{
    if (ProcessHook()) {
        ProcessHook()();
        return;
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WaitForMessages(int timeoutMs)
{
    if (WaitHook()) {
        WaitHook()(timeoutMs);
        return;
    }
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

void SetProcessMessagesHook(std::function<void()> hook)
{
    ProcessHook() = std::move(hook);
}

void SetWaitForMessagesHook(std::function<void(int)> hook)
{
    WaitHook() = std::move(hook);
}
