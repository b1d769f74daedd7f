#include "timer.h"

#include "platform.h"
#include "show_exception.h"

#include <QAbstractEventDispatcher>
#include <stdexcept>

namespace Kepler {

TTimer::TTimer(QObject* owner)
    : QObject(owner),
      FEngine(Platform().CreateTimer([this] { Tick(); }))
{
}

TTimer::~TTimer() = default;

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
    FEngine->Stop();
    if (Running())
        FEngine->Start(FInterval);
}

// Ticks come from the message loop; a handler's error is reported there.
void TTimer::Tick()
{
    GuardEvent([this] {
        if (Running())
            OnTimer(this);
    });
}

} // namespace Kepler
