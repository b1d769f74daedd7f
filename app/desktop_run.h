#pragma once
#include "run_engine.h"

#include <QObject>
#include <cstdint>
#include <memory>

namespace Kepler { class TTimerEngine; }

// The run engine on the desktop, driven from Qt's one event loop: a timer
// of the platform gives the innermost run its time, when its delay has
// passed or once pending input has been taken, and the window's commands
// reach it between two steps. Nothing here waits or runs an event loop of
// its own.
//
// A modal interaction holds the runs until it ends: the window's own ones
// (the "Infos" box, its open list) say so by Hold() and Release(); any other
// (a context menu or a file dialog that runs its own event loop, a modal
// window) is seen when the timer comes, which then looks again a little
// later instead of giving the run its time.
class TDesktopRun : public QObject {
    Q_OBJECT
public:
    explicit TDesktopRun(Kepler::TRunFace& face, QObject* parent = nullptr);
    ~TDesktopRun() override;

    Kepler::TRunEngine& Engine() { return FEngine; }
    int Depth() const { return FEngine.Depth(); }

    void Start();
    void Stop();
    void ChangeStep(double days);
    void Hold();
    void Release();

private:
    // Arms the timer for what the innermost run waits for.
    void Schedule();
    // The timer came: the run's next step, unless something modal is up.
    void GiveTime();
    bool ModalInteraction() const;

    Kepler::TRunEngine FEngine;
    std::unique_ptr<Kepler::TTimerEngine> FTimer;
    // The event loop the runs are driven from: a deeper one is modal.
    int FLoopLevel = 0;
};
