#pragma once
// Replaces the date, the tick counter and the timers for one test, so that
// whole runs go through without real time passing: the tick counter reads
// Tick plus the time the timers' clock has moved on.
#include "simulation_state.h"
#include "test_platform.h"

#include <QLocale>
#include <cstdint>
#include <functional>

class InjectedPlatform : public TTestPlatform {
public:
    explicit InjectedPlatform(Kepler::TLocalDate date = {2026, 12, 8})
        : TTestPlatform(true), FSavedLocale(QLocale())
    {
        Date = date;
        OnTickCount = [this] { return Tick + std::uint32_t(Now()); };
        Kepler::Simulation() = Kepler::SimulationState{};
        Kepler::InitSimulationState(LocalDate());
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    ~InjectedPlatform() override
    {
        Kepler::Simulation() = Kepler::SimulationState{};
        QLocale::setDefault(FSavedLocale);
    }

    // The tick counter when the timers' clock stands at 0.
    std::uint32_t Tick = 1000;

    // Gives the timers their ticks one at a time, the runs' steps among
    // them, while `going` holds; before each one `play` plays the user,
    // with the step's number (from 1). Returns the number of steps taken.
    int Drive(const std::function<bool()>& going, const std::function<void(int step)>& play = {},
              int maxSteps = 200000)
    {
        int step = 0;
        while (going() && step < maxSteps) {
            ++step;
            if (play)
                play(step);
            if (!FireNextTimer(2000))
                break;
        }
        return step;
    }

private:
    QLocale FSavedLocale;
};
