// Every recorded session replayed through the engine alone: the face gives
// it time as the window's message loop once did, with a hand-driven clock.
#include "recorded_rows_check.h"
#include "run_sessions.h"
#include "plain_test_platform.h"
#include "table_face.h"

#include "simulation_state.h"

#include <gtest/gtest.h>

using namespace Kepler;
using namespace RunSessions;

namespace {

std::vector<std::string> Replay(const TSession& session)
{
    Simulation() = SimulationState{};
    InitSimulationState({2026, 12, 8});
    TFixedTextEngine text;
    TPlainTestPlatform platform;
    platform.Text = &text;

    TTableFace face;
    face.Delay = session.Delay;
    TRunEngine engine(face);
    std::uint32_t now = FirstTick;
    TSessionLog log(session);
    const auto snapshot = [&] {
        return TSnapshot{engine.Depth(), now,      Simulation().DayNumber, PictureChecksum(face.Picture),
                         face.Mean,      face.True, face.Gauge};
    };
    std::vector<std::uint32_t> waitFrom(TRunEngine::MaxDepth + 1);
    engine.OnCycleBegin = [&] {
        waitFrom[std::size_t(engine.Depth())] = now;
        log.WaitPlace(snapshot());
    };
    const auto deliver = [&](const TCommand& command) {
        switch (command.Kind) {
        case TCommandKind::Start: engine.Start(now); break;
        case TCommandKind::Stop: engine.Stop(); break;
        case TCommandKind::Step: engine.ChangeStep(command.Value); break;
        case TCommandKind::Delay: face.Delay = command.Value; break;
        case TCommandKind::Infos:
            engine.Hold();
            now += std::uint32_t(command.Value);
            engine.Release();
            break;
        case TCommandKind::Close:
            if (engine.Depth() > 0)
                engine.Stop();
            break;
        }
    };
    const auto takeInput = [&] { log.TakePending(deliver); };

    for (int i = 0; i < session.Starts; ++i) {
        deliver(Start());
        while (engine.Depth() > 0) {
            takeInput();
            const int depth = engine.Depth();
            switch (engine.Need()) {
            case TRunNeed::rnDelay:
                now += engine.DelayLeft(now);
                engine.DelayOver(now);
                log.WaitEnded(depth, waitFrom[std::size_t(depth)], now);
                log.InputPlace(snapshot());
                break;
            case TRunNeed::rnInput: engine.InputTaken(now); break;
            case TRunNeed::rnNothing: ADD_FAILURE() << "a run is left held"; return log.Rows;
            }
        }
    }
    log.End(snapshot());
    return log.Rows;
}

class RunSessionsTest : public ::testing::TestWithParam<TSession> {};

TEST_P(RunSessionsTest, ShowsWhatTheRunLoopShowed)
{
    ExpectRecordedRows(GetParam().Name, Replay(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Recorded, RunSessionsTest, ::testing::ValuesIn(Sessions()), SessionTestName);

} // namespace
