#pragma once
#include "run_engine.h"

#include <cstdint>

// The run engine in the page, driven from the browser's one event loop as
// the desktop drives it from Qt's: a timer gives the innermost run its time
// once its delay has passed (the first tick past it) or, after drawing, once
// the events pending then have been handled. Nothing here waits. The
// "Infos" box holds the runs while it is open.
class TWebRun {
public:
    explicit TWebRun(Kepler::TRunFace& face) : FEngine(face) {}

    Kepler::TRunEngine& Engine() { return FEngine; }

    void Start();
    void Stop();
    void ChangeStep(double days);
    void Hold();
    void Release();
    // The page's timer came.
    void GiveTime();

private:
    // Arms the page's timer for what the innermost run waits for.
    void Schedule();

    Kepler::TRunEngine FEngine;
};

// The page's millisecond tick counter, 32 bits, wrapping like the desktop's.
std::uint32_t PageTicks();
