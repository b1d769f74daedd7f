// The recorded sessions replayed through the window, its runs driven from
// the event loop by the platform's timers, one tick at a time on a
// hand-driven clock: the window must show what was recorded.
#include "desktop_run.h"
#include "form1.h"
#include "form_controls.h"
#include "injected_platform.h"
#include "recorded_rows_check.h"
#include "run_sessions.h"

#include "KeplerControls/meter.h"
#include "KeplerControls/spin_edit.h"

#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace Kepler;
using namespace RunSessions;

namespace {

std::vector<std::string> Replay(const TSession& session)
{
    InjectedPlatform platform;
    platform.Tick = FirstTick;
    TFixedTextEngine text;
    platform.Text = &text;
    std::vector<std::string> rows;
    {
        TForm1 form;
        const TForm1Controls c(form);
        form.show();
        TRunEngine& engine = form.Run().Engine();
        TSessionLog log(session);
        const auto snapshot = [&] {
            return TSnapshot{engine.Depth(),
                             platform.TickCount(),
                             Simulation().DayNumber,
                             PictureChecksum(c.ImgCanvas->Picture()),
                             c.EdtmA->text().toStdString(),
                             c.EdtwA->text().toStdString(),
                             c.Meter1->Value()};
        };
        std::vector<std::uint32_t> waitFrom(TRunEngine::MaxDepth + 1);
        engine.OnCycleBegin = [&] {
            waitFrom[std::size_t(engine.Depth())] = platform.TickCount();
            log.WaitPlace(snapshot());
        };
        const auto deliver = [&](const TCommand& command) {
            switch (command.Kind) {
            case TCommandKind::Start: form.BtnStartClick(); break;
            case TCommandKind::Stop: form.BtnStopClick(); break;
            case TCommandKind::Step: c.SpinEdit1->SetValue(command.Value); break;
            case TCommandKind::Delay: c.ScrollBarV->setValue(command.Value); break;
            case TCommandKind::Close: form.close(); break;
            case TCommandKind::Infos: {
                form.Optiions1Click();
                QMessageBox* box = nullptr;
                for (QMessageBox* b : form.findChildren<QMessageBox*>())
                    if (b->isVisible())
                        box = b;
                ASSERT_NE(box, nullptr);
                platform.AdvanceTimers(command.Value);
                box->button(QMessageBox::Ok)->click();
                break;
            }
            }
        };
        const auto takeInput = [&] { log.TakePending(deliver); };
        c.ScrollBarV->setValue(session.Delay);
        for (int i = 0; i < session.Starts; ++i) {
            deliver(Start());
            while (engine.Depth() > 0) {
                takeInput();
                const int depth = engine.Depth();
                const TRunNeed need = engine.Need();
                if (!platform.FireNextTimer(2000)) {
                    ADD_FAILURE() << "the runs got no more time";
                    break;
                }
                if (need == TRunNeed::rnDelay && engine.Depth() == depth && engine.Need() == TRunNeed::rnInput) {
                    log.WaitEnded(depth, waitFrom[std::size_t(depth)], platform.TickCount());
                    log.InputPlace(snapshot());
                }
            }
        }
        log.End(snapshot());
        rows = log.Rows;
    }
    return rows;
}

class RunSessionsWindowTest : public ::testing::TestWithParam<TSession> {};

TEST_P(RunSessionsWindowTest, ShowsWhatTheRunLoopShowed)
{
    ExpectRecordedRows(GetParam().Name, Replay(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Recorded, RunSessionsWindowTest, ::testing::ValuesIn(Sessions()), SessionTestName);

} // namespace
