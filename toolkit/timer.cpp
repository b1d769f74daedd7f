#include "timer.h"

#include <QAbstractEventDispatcher>
#include <QTimer>
#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {

struct ManualClock {
    bool Active = false;
    long long Now = 0;
    std::vector<TTimer*> Timers;
};

ManualClock& Clock()
{
    static ManualClock clock;
    return clock;
}

} // namespace

TTimer::TTimer(QObject* owner)
    : QObject(owner),
      FTimer(new QTimer(this))
{
    FTimer->setTimerType(Qt::PreciseTimer);
    connect(FTimer, &QTimer::timeout, this, [this] { Tick(); });
    Clock().Timers.push_back(this);
}

TTimer::~TTimer()
{
    auto& timers = Clock().Timers;
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

bool TTimer::Running() const
{
    return FEnabled && FInterval > 0 && OnTimer;
}

void TTimer::SetEnabled(bool v)
{
    if (v && !QAbstractEventDispatcher::instance())
        throw std::runtime_error("Nicht genügend Timer verfügbar");
    FEnabled = v;
    UpdateTimer();
}

void TTimer::SetInterval(int ms)
{
    FInterval = ms;
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    FTimer->stop();
    if (!Running())
        return;
    if (Clock().Active)
        FDueAt = Clock().Now + FInterval;
    else
        FTimer->start(FInterval);
}

void TTimer::Tick()
{
    if (Running())
        OnTimer(this);
}

void TTimer::SetManualMode(bool manual)
{
    auto& clock = Clock();
    clock.Active = manual;
    clock.Now = 0;
    for (TTimer* t : clock.Timers)
        t->UpdateTimer();
}

void TTimer::AdvanceManualClock(int ms)
{
    auto& clock = Clock();
    const long long target = clock.Now + ms;
    for (;;) {
        TTimer* next = nullptr;
        for (TTimer* t : clock.Timers)
            if (t->Running() && t->FDueAt <= target && (!next || t->FDueAt < next->FDueAt))
                next = t;
        if (!next)
            break;
        clock.Now = next->FDueAt;
        // Re-armed before firing, so a handler that changes the interval or
        // disables the timer has the last word.
        next->FDueAt += next->FInterval;
        next->Tick();
    }
    clock.Now = target;
}
