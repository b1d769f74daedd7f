#include "web_run.h"

#include <emscripten/emscripten.h>

#include <algorithm>

using namespace Kepler;

namespace {

// A long wait is measured on the tick counter when the timer comes; the
// timer only needs to come no earlier. Long waits look in now and then.
constexpr std::uint32_t LongestSleepMs = 1000;

// The page's timer: ms >= 0 arms it (0: once the pending events have been
// handled), -1 disarms it. It calls KeplerGiveTime.
EM_JS(void, ArmPageTimer, (int ms), { KeplerPage.armTimer(ms); });

} // namespace

std::uint32_t PageTicks()
{
    // Milliseconds since the page opened, as the desktop counts since boot.
    return std::uint32_t(std::uint64_t(emscripten_get_now()));
}

void TWebRun::Start()
{
    FEngine.Start(PageTicks());
    Schedule();
}

void TWebRun::Stop() { FEngine.Stop(); }

void TWebRun::ChangeStep(double days) { FEngine.ChangeStep(days); }

void TWebRun::Hold()
{
    FEngine.Hold();
    Schedule();
}

void TWebRun::Release()
{
    FEngine.Release();
    Schedule();
}

void TWebRun::Schedule()
{
    switch (FEngine.Need()) {
    case TRunNeed::rnNothing:
        ArmPageTimer(-1);
        break;
    case TRunNeed::rnDelay: {
        // A browser's timer comes a few milliseconds late at best, so the
        // last millisecond (all of the wait at delay 0) goes by through the
        // event loop, as the desktop's does: input is handled between looks.
        const std::uint32_t left = FEngine.DelayLeft(PageTicks());
        ArmPageTimer(left <= 1 ? 0 : int(std::min(left, LongestSleepMs)));
        break;
    }
    case TRunNeed::rnInput:
        ArmPageTimer(0);
        break;
    }
}

void TWebRun::GiveTime()
{
    try {
        const std::uint32_t now = PageTicks();
        if (FEngine.Need() == TRunNeed::rnDelay)
            FEngine.DelayOver(now);
        else if (FEngine.Need() == TRunNeed::rnInput)
            FEngine.InputTaken(now);
    } catch (...) {
        // An error ends the run whose step it broke, as on the desktop; the
        // runs below go on.
        FEngine.Abandon();
    }
    Schedule();
}
