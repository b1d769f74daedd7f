#pragma once
#include "notify_event.h"

#include <QObject>

class QTimer;

// The user-interface timer: while enabled with a positive interval and a
// handler, OnTimer fires every Interval() ms through the message loop.
// Changing the interval of a running timer restarts its countdown.
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

    // Tests: in manual mode no timer runs by itself; AdvanceManualClock moves
    // a shared clock forward and fires every tick that falls due, in order.
    static void SetManualMode(bool manual);
    static void AdvanceManualClock(int ms);

private:
    bool Running() const;
    void UpdateTimer();
    void Tick();

    bool FEnabled = true;
    int FInterval = 1000;
    QTimer* FTimer = nullptr;
    long long FDueAt = 0; // manual mode: clock time of the next tick
};
