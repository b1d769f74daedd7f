#pragma once
#include "run_face.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace Kepler {

// What the innermost run waits for before it can go on.
enum class TRunNeed {
    rnNothing, // no run, or the runs are held
    rnDelay,   // the delay to pass: the face calls DelayOver once it may have
    rnInput,   // pending input to be taken: the face calls InputTaken after
};

// The runs of the simulation as a stack, each run at its own place in the
// cycle: compute both anomalies and the mean body's position; wait for the
// delay; draw the mean body; compute and draw the planet; take pending input
// once more; write both readouts, test them and set the gauge; advance the
// day number. The engine never waits itself: the face gives it time from
// its own event loop, and every command reaches it between two steps.
//
// A Start during a run pushes a new run on top, which goes on alone; when
// it ends, the run below goes on from the place where it stood. Runs end at
// the end of a cycle in which RunState holds its stop value.
class TRunEngine {
public:
    // Each Start during a run pushes one more; endless pressing stops here.
    static constexpr int MaxDepth = 16;

    explicit TRunEngine(TRunFace& face) : FFace(face) {}
    TRunEngine(const TRunEngine&) = delete;
    TRunEngine& operator=(const TRunEngine&) = delete;

    // Wipes the picture and pushes a run, which draws the fixed marks and
    // begins its first cycle at tick `now`. At the bound the press only
    // restarts the picture with its fixed marks and leaves the run state
    // alone: the runs going on carry on, and a Stop just before it holds.
    void Start(std::uint32_t now);
    // Asks every run to end at the end of its cycle.
    void Stop();
    // The step in days, used from the end of the cycle going on.
    void ChangeStep(double days);

    // Drops the innermost run where it stands, as an error that ends its
    // step does; the run below goes on. The gauge keeps its value.
    void Abandon();

    // A modal interaction (a box, an open menu list) holds the runs until
    // it ends; holds nest. The held run goes on where it stood.
    void Hold();
    void Release();
    bool Held() const { return FHolds > 0; }

    // How many runs are on the stack (0 when idle).
    int Depth() const { return int(FRuns.size()); }
    TRunNeed Need() const;
    // Milliseconds from `now` until the wait can end; 0 when it can now.
    std::uint32_t DelayLeft(std::uint32_t now) const;

    // The face gives time. The wait ends once more than the delay has passed
    // since it began (counted across the tick counter's wrap); then both
    // bodies are drawn. Does nothing unless the innermost run waits.
    void DelayOver(std::uint32_t now);
    // Pending input has been taken: the readouts, the gauge, the day number;
    // then the next cycle begins at `now`, or the run ends. Does nothing
    // unless the innermost run has drawn.
    void InputTaken(std::uint32_t now);

    // A run has begun a cycle and is about to wait.
    std::function<void()> OnCycleBegin;

private:
    enum class TPlace { Waiting, Drawn };
    struct TRun {
        TPlace Place = TPlace::Waiting;
        std::uint32_t WaitStart = 0;
        std::int64_t Delay = 0;
    };

    void BeginCycle(std::uint32_t now);
    void UpdateReadouts();

    TRunFace& FFace;
    std::vector<TRun> FRuns;
    int FHolds = 0;
};

} // namespace Kepler
