#pragma once
// The platform for one test: installed while it lives, real in every part
// the test leaves alone. Each part a test sets replaces the real one; an
// announcement watcher sees every event and the real announcement follows.
// With ManualTimers, no timer runs by itself: AdvanceTimers moves the
// timers' clock forward and fires every tick that falls due, in order;
// FireNextTimer fires just the next one.
#include "platform.h"

#include <QString>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TTestPlatform : public Kepler::TPlatform {
public:
    explicit TTestPlatform(bool manualTimers = false) : FManualTimers(manualTimers)
    {
        FPrevious = Kepler::InstallPlatform(this);
    }
    ~TTestPlatform() override { Kepler::InstallPlatform(FPrevious); }
    TTestPlatform(const TTestPlatform&) = delete;
    TTestPlatform& operator=(const TTestPlatform&) = delete;

    std::function<std::uint32_t()> OnTickCount;
    std::optional<Kepler::TLocalDate> Date;
    std::function<void()> OnBeep;
    std::function<void()> OnProcessMessages;
    std::function<void(int timeoutMs)> OnWaitForMessages;
    std::function<void(QAccessibleEvent& event)> OnAnnounce;
    std::function<void(const QString& text)> OnShowError;
    std::optional<std::string> Separator;

    void AdvanceTimers(int ms)
    {
        const long long target = FNow + ms;
        for (;;) {
            TManualTimer* next = nullptr;
            for (TManualTimer* t : FTimers)
                if (t->Running && t->DueAt <= target && (!next || t->DueAt < next->DueAt))
                    next = t;
            if (!next)
                break;
            FNow = next->DueAt;
            // Re-armed before firing, so a handler that changes the interval
            // or stops the timer has the last word.
            next->DueAt += next->Interval;
            next->Tick();
        }
        FNow = target;
    }

    // One step at a time: fires the next tick due within `ms` from now,
    // moving the clock to it, and says whether there was one.
    bool FireNextTimer(int ms)
    {
        TManualTimer* next = nullptr;
        for (TManualTimer* t : FTimers)
            if (t->Running && t->DueAt <= FNow + ms && (!next || t->DueAt < next->DueAt))
                next = t;
        if (!next)
            return false;
        FNow = std::max(FNow, next->DueAt);
        next->DueAt += next->Interval;
        next->Tick();
        return true;
    }

    // The timers' clock, in milliseconds since the platform was made.
    long long Now() const { return FNow; }

    std::uint32_t TickCount() override { return OnTickCount ? OnTickCount() : Kepler::TPlatform::TickCount(); }
    Kepler::TLocalDate LocalDate() override { return Date ? *Date : Kepler::TPlatform::LocalDate(); }
    void Beep() override { OnBeep ? OnBeep() : Kepler::TPlatform::Beep(); }
    void ProcessMessages() override { OnProcessMessages ? OnProcessMessages() : Kepler::TPlatform::ProcessMessages(); }
    void WaitForMessages(int timeoutMs) override
    {
        OnWaitForMessages ? OnWaitForMessages(timeoutMs) : Kepler::TPlatform::WaitForMessages(timeoutMs);
    }
    void Announce(QAccessibleEvent& event) override
    {
        if (OnAnnounce)
            OnAnnounce(event);
        Kepler::TPlatform::Announce(event);
    }
    void ShowError(const std::string& text) override
    {
        OnShowError ? OnShowError(QString::fromStdString(text)) : Kepler::TPlatform::ShowError(text);
    }
    std::string DecimalSeparator() override
    {
        return Separator ? *Separator : Kepler::TPlatform::DecimalSeparator();
    }
    std::unique_ptr<Kepler::TTimerEngine> CreateTimer(std::function<void()> tick) override
    {
        if (!FManualTimers)
            return Kepler::TPlatform::CreateTimer(std::move(tick));
        return std::make_unique<TManualTimer>(*this, std::move(tick));
    }

private:
    struct TManualTimer : Kepler::TTimerEngine {
        TManualTimer(TTestPlatform& owner, std::function<void()> tick) : Owner(owner), Tick(std::move(tick))
        {
            Owner.FTimers.push_back(this);
        }
        ~TManualTimer() override
        {
            auto& timers = Owner.FTimers;
            timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
        }
        void Start(int intervalMs) override
        {
            Running = true;
            Interval = intervalMs;
            DueAt = Owner.FNow + intervalMs;
        }
        void Stop() override { Running = false; }

        TTestPlatform& Owner;
        std::function<void()> Tick;
        bool Running = false;
        int Interval = 0;
        long long DueAt = 0;
    };

    Kepler::TPlatform* FPrevious = nullptr;
    bool FManualTimers;
    long long FNow = 0;
    std::vector<TManualTimer*> FTimers;
};
