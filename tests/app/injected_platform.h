#pragma once
// Replaces the date, the tick counter and message processing for one test,
// so that whole runs go through without real time passing.
#include "local_date.h"
#include "messages.h"
#include "simulation_state.h"
#include "tick_counter.h"

#include <QLocale>
#include <cstdint>
#include <functional>

class InjectedPlatform {
public:
    explicit InjectedPlatform(TLocalDate date = {2026, 12, 8}) : FSavedLocale(QLocale())
    {
        SetLocalDateSource([date] { return date; });
        SetTickCountSource([this] { return Tick; });
        SetProcessMessagesHook([this] {
            ++ProcessCalls;
            if (OnProcess)
                OnProcess(ProcessCalls);
        });
        // A wait that no message interrupts lasts its whole timeout.
        SetWaitForMessagesHook([this](int ms) {
            ++WaitCalls;
            Tick += std::uint32_t(ms);
        });
        Simulation() = SimulationState{};
        InitSimulationState();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    ~InjectedPlatform()
    {
        SetLocalDateSource({});
        SetTickCountSource({});
        SetProcessMessagesHook({});
        SetWaitForMessagesHook({});
        Simulation() = SimulationState{};
        QLocale::setDefault(FSavedLocale);
    }

    InjectedPlatform(const InjectedPlatform&) = delete;
    InjectedPlatform& operator=(const InjectedPlatform&) = delete;

    std::uint32_t Tick = 1000;
    int ProcessCalls = 0;
    int WaitCalls = 0;
    // Runs at every pass of message processing, with the pass's number
    // (from 1): where a test plays the user.
    std::function<void(int pass)> OnProcess;

private:
    QLocale FSavedLocale;
};
