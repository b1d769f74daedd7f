#pragma once
#include "KeplerControls/notify_event.h"

#include <QObject>
#include <memory>

namespace Kepler {

class TTimerEngine;

// The user-interface timer: while enabled with a positive interval and a
// handler, OnTimer fires every Interval() ms through the message loop.
// Changing the interval of a running timer restarts its countdown. The
// countdown itself is the platform's.
class TTimer : public QObject {
    Q_OBJECT

public:
    explicit TTimer(QObject* owner = nullptr);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    // Raises std::runtime_error("Nicht genügend Timer verfügbar") when the
    // platform has no timer to give (no event dispatcher in this thread).
    void SetEnabled(bool v);
    int Interval() const { return FInterval; }
    void SetInterval(int ms);

    TNotifyEvent OnTimer;

private:
    bool Running() const;
    void UpdateTimer();
    void Tick();

    bool FEnabled = true;
    int FInterval = 1000;
    std::unique_ptr<TTimerEngine> FEngine;
};

} // namespace Kepler
