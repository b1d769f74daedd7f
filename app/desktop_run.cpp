#include "desktop_run.h"

#include "platform.h"
#include "show_exception.h"
#include "tick_counter.h"

#include <QApplication>
#include <QThread>
#include <algorithm>

using namespace Kepler;

namespace {

// How soon a run held by a foreign modal interaction looks again.
constexpr int ModalLookAgainMs = 10;

// A wait is measured on the tick counter when the timer comes; the timer
// only needs to come no earlier than that. Long waits look in now and then.
constexpr std::uint32_t LongestSleepMs = 1000;

int LoopLevel()
{
    return QThread::currentThread()->loopLevel();
}

} // namespace

TDesktopRun::TDesktopRun(TRunFace& face, QObject* parent)
    : QObject(parent), FEngine(face), FTimer(Platform().CreateTimer([this] { GiveTime(); }))
{
}

TDesktopRun::~TDesktopRun() = default;

void TDesktopRun::Start()
{
    if (FEngine.Depth() == 0)
        FLoopLevel = LoopLevel();
    FEngine.Start(GetTickCount());
    Schedule();
}

void TDesktopRun::Stop()
{
    FEngine.Stop();
}

void TDesktopRun::ChangeStep(double days)
{
    FEngine.ChangeStep(days);
}

void TDesktopRun::Hold()
{
    FEngine.Hold();
    Schedule();
}

void TDesktopRun::Release()
{
    FEngine.Release();
    Schedule();
}

void TDesktopRun::Schedule()
{
    switch (FEngine.Need()) {
    case TRunNeed::rnNothing:
        FTimer->Stop();
        break;
    case TRunNeed::rnDelay:
        FTimer->Start(int(std::min(FEngine.DelayLeft(GetTickCount()), LongestSleepMs)));
        break;
    case TRunNeed::rnInput:
        // A zero timer comes once the events pending now have been handled.
        FTimer->Start(0);
        break;
    }
}

bool TDesktopRun::ModalInteraction() const
{
    return LoopLevel() > FLoopLevel || QApplication::activeModalWidget() != nullptr;
}

void TDesktopRun::GiveTime()
{
    FLoopLevel = std::min(FLoopLevel, LoopLevel());
    if (ModalInteraction()) {
        FTimer->Start(ModalLookAgainMs);
        return;
    }
    const bool done = GuardEvent(false, [this] {
        const std::uint32_t now = GetTickCount();
        if (FEngine.Need() == TRunNeed::rnDelay)
            FEngine.DelayOver(now);
        else if (FEngine.Need() == TRunNeed::rnInput)
            FEngine.InputTaken(now);
        return true;
    });
    // An error ends the run whose step it broke, as it would end any
    // handler; the runs below go on.
    if (!done)
        FEngine.Abandon();
    Schedule();
}
