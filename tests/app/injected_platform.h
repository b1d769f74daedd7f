#pragma once
// Replaces the date, the tick counter and message processing for one test,
// so that whole runs go through without real time passing.
#include "simulation_state.h"
#include "test_platform.h"

#include <QLocale>
#include <cstdint>
#include <functional>

class InjectedPlatform : public TTestPlatform {
public:
    explicit InjectedPlatform(Kepler::TLocalDate date = {2026, 12, 8}) : FSavedLocale(QLocale())
    {
        Date = date;
        OnTickCount = [this] { return Tick; };
        OnProcessMessages = [this] {
            ++ProcessCalls;
            if (OnProcess)
                OnProcess(ProcessCalls);
        };
        // A wait that no message interrupts lasts its whole timeout.
        OnWaitForMessages = [this](int ms) {
            ++WaitCalls;
            Tick += std::uint32_t(ms);
        };
        Kepler::Simulation() = Kepler::SimulationState{};
        Kepler::InitSimulationState(LocalDate());
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    ~InjectedPlatform() override
    {
        Kepler::Simulation() = Kepler::SimulationState{};
        QLocale::setDefault(FSavedLocale);
    }

    std::uint32_t Tick = 1000;
    int ProcessCalls = 0;
    int WaitCalls = 0;
    // Runs at every pass of message processing, with the pass's number
    // (from 1): where a test plays the user.
    std::function<void(int pass)> OnProcess;

private:
    QLocale FSavedLocale;
};
