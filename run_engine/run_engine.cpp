#include "run_engine.h"

#include "orbit_step.h"
#include "readout_text.h"
#include "run_picture.h"
#include "simulation_state.h"

#include "KeplerControls/canvas.h"
#include "KeplerControls/colors.h"

#include <numbers>

namespace Kepler {

void TRunEngine::Start(std::uint32_t now)
{
    SimulationState& s = Simulation();
    const bool pushes = Depth() < MaxDepth;
    if (pushes)
        s.RunState = RunStateRunning;
    TCanvas& c = FFace.PictureCanvas();
    WipePicture(c);
    FFace.PictureChanged();
    if (!pushes) {
        DrawFixedMarks(c);
        FFace.PictureChanged();
        return;
    }
    FRuns.emplace_back();
    DrawFixedMarks(c);
    FFace.PictureChanged();
    BeginCycle(now);
}

void TRunEngine::Stop()
{
    Simulation().RunState = RunStateStopped;
}

void TRunEngine::ChangeStep(double days)
{
    Simulation().StepDays = days;
}

void TRunEngine::Abandon()
{
    if (!FRuns.empty())
        FRuns.pop_back();
}

void TRunEngine::Hold()
{
    ++FHolds;
}

void TRunEngine::Release()
{
    if (FHolds > 0)
        --FHolds;
}

TRunNeed TRunEngine::Need() const
{
    if (FRuns.empty() || Held())
        return TRunNeed::rnNothing;
    return FRuns.back().Place == TPlace::Waiting ? TRunNeed::rnDelay : TRunNeed::rnInput;
}

std::uint32_t TRunEngine::DelayLeft(std::uint32_t now) const
{
    if (FRuns.empty() || FRuns.back().Place != TPlace::Waiting)
        return 0;
    const TRun& run = FRuns.back();
    const std::int64_t elapsed = std::uint32_t(now - run.WaitStart); // wraps correctly
    return elapsed > run.Delay ? 0 : std::uint32_t(run.Delay - elapsed + 1);
}

void TRunEngine::DelayOver(std::uint32_t now)
{
    if (Need() != TRunNeed::rnDelay || DelayLeft(now) > 0)
        return;
    SimulationState& s = Simulation();
    TCanvas& c = FFace.PictureCanvas();
    c.Pen().SetColor(clGreen);
    DrawBody(c, s.MeanX, s.MeanY);
    ComputePlanetPixel();
    c.Pen().SetColor(clRed);
    DrawBody(c, s.TrueX, s.TrueY);
    FFace.PictureChanged();
    FRuns.back().Place = TPlace::Drawn;
}

void TRunEngine::InputTaken(std::uint32_t now)
{
    if (Need() != TRunNeed::rnInput)
        return;
    SimulationState& s = Simulation();
    UpdateReadouts();
    s.DayNumber = s.DayNumber + s.StepDays;
    if (s.RunState != RunStateStopped) {
        BeginCycle(now);
        return;
    }
    // The run ends; the one below, if any, goes on where it stood.
    FRuns.pop_back();
    FFace.SetGaugeValue(0);
}

void TRunEngine::BeginCycle(std::uint32_t now)
{
    ComputeOrbitStep();
    FRuns.back() = {TPlace::Waiting, now, FFace.DelayMs()};
    if (OnCycleBegin)
        OnCycleBegin();
}

void TRunEngine::UpdateReadouts()
{
    const SimulationState& s = Simulation();
    const std::string separator = FFace.DecimalSeparator();
    FFace.SetMeanText(ReadoutText(s.MeanAnomaly * 180 / std::numbers::pi + 90, separator));
    FFace.SetTrueText(ReadoutText(s.TrueAnomaly * 180 / std::numbers::pi + 90, separator));
    if (FFace.MeanText() == FFace.TrueText())
        Simulation().RunState = RunStateStopped;
    if (s.MeanAnomaly < s.TrueAnomaly)
        FFace.SetGaugeValue(-1);
    else if (s.MeanAnomaly > s.TrueAnomaly)
        FFace.SetGaugeValue(1);
}

} // namespace Kepler
