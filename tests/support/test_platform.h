#pragma once
// The platform for one test: installed while it lives, real in every part
// the test leaves alone (the platform installed before it, the Qt face in
// the suites that run Qt). Each part a test sets replaces the real one; an
// announcement watcher sees every announcement and the real one follows.
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
    explicit TTestPlatform(bool manualTimers = false) : FReal(Kepler::Platform()), FManualTimers(manualTimers)
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
    std::function<void(const Kepler::TAnnouncement& announcement)> OnAnnounce;
    std::function<void(const QString& text)> OnShowError;
    std::optional<std::string> Separator;
    const Kepler::TTextEngine* Text = nullptr;      // null: the real one
    const Kepler::TSystemColors* Colors = nullptr; // null: the real ones

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

    std::uint32_t TickCount() override { return OnTickCount ? OnTickCount() : FReal.TickCount(); }
    Kepler::TLocalDate LocalDate() override { return Date ? *Date : FReal.LocalDate(); }
    void Beep() override { OnBeep ? OnBeep() : FReal.Beep(); }
    void ProcessMessages() override { OnProcessMessages ? OnProcessMessages() : FReal.ProcessMessages(); }
    void WaitForMessages(int timeoutMs) override
    {
        OnWaitForMessages ? OnWaitForMessages(timeoutMs) : FReal.WaitForMessages(timeoutMs);
    }
    void Announce(const Kepler::TAnnouncement& announcement) override
    {
        if (OnAnnounce)
            OnAnnounce(announcement);
        FReal.Announce(announcement);
    }
    void ShowError(const std::string& text) override
    {
        OnShowError ? OnShowError(QString::fromStdString(text)) : FReal.ShowError(text);
    }
    std::string DecimalSeparator() override
    {
        return Separator ? *Separator : FReal.DecimalSeparator();
    }
    const Kepler::TTextEngine* TextEngine() override { return Text ? Text : FReal.TextEngine(); }
    const Kepler::TSystemColors* SystemColors() override { return Colors ? Colors : FReal.SystemColors(); }
    std::unique_ptr<Kepler::TTimerEngine> CreateTimer(std::function<void()> tick) override
    {
        if (!FManualTimers)
            return FReal.CreateTimer(std::move(tick));
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

    Kepler::TPlatform& FReal;
    Kepler::TPlatform* FPrevious = nullptr;
    bool FManualTimers;
    long long FNow = 0;
    std::vector<TManualTimer*> FTimers;
};
