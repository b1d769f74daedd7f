// The recorded sessions replayed on the run loop that waits by handling
// window messages, with the tick counter and message processing injected.
#include "form1.h"
#include "form_controls.h"
#include "injected_platform.h"
#include "run_sessions.h"

#include "KeplerControls/meter.h"
#include "KeplerControls/spin_edit.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

using namespace Kepler;
using namespace RunSessions;

namespace {

// The window with the two moments of a cycle made visible: the delay is read
// just before a run waits, and the picture changes just after a wait.
class TWatchedForm : public TForm1 {
public:
    std::function<void()> OnDelayRead;
    std::function<void()> OnPictureChanged;

    int DelayMs() const override
    {
        if (OnDelayRead)
            OnDelayRead();
        return TForm1::DelayMs();
    }
    void PictureChanged() override
    {
        TForm1::PictureChanged();
        if (OnPictureChanged)
            OnPictureChanged();
    }
};

std::vector<std::string> Replay(const TSession& session)
{
    InjectedPlatform platform;
    platform.Tick = FirstTick;
    TFixedTextEngine text;
    const TTextEngine* savedText = TextEngine();
    SetTextEngine(&text);
    std::vector<std::string> rows;
    {
        TWatchedForm form;
        TForm1Controls c(form);
        form.show();
        TSessionLog log(session);
        const auto snapshot = [&] {
            return TSnapshot{RunSimulationDepth(),
                             platform.Tick,
                             Simulation().DayNumber,
                             PictureChecksum(c.ImgCanvas->Picture()),
                             c.EdtmA->text().toStdString(),
                             c.EdtwA->text().toStdString(),
                             c.Meter1->Value()};
        };
        struct TLevel {
            bool Waiting = false;
            std::uint32_t From = 0;
        };
        std::vector<TLevel> levels(MaxRunDepth + 2);
        std::vector<int> passDepths;
        form.OnDelayRead = [&] {
            levels[std::size_t(RunSimulationDepth())] = {true, platform.Tick};
            log.WaitPlace(snapshot());
        };
        form.OnPictureChanged = [&] {
            const int depth = RunSimulationDepth();
            TLevel& level = levels[std::size_t(depth)];
            // A Start handled in this run's own message pass wipes the
            // picture; that is no end of its wait.
            if (!level.Waiting || (!passDepths.empty() && passDepths.back() == depth))
                return;
            level.Waiting = false;
            log.WaitEnded(depth, level.From, platform.Tick);
            log.InputPlace(snapshot());
        };
        const auto deliver = [&](const TCommand& command) {
            switch (command.Kind) {
            case TCommandKind::Start: form.BtnStartClick(); break;
            case TCommandKind::Stop: form.BtnStopClick(); break;
            case TCommandKind::Step: c.SpinEdit1->SetValue(command.Value); break;
            case TCommandKind::Delay: c.ScrollBarV->setValue(command.Value); break;
            case TCommandKind::Close: form.close(); break;
            case TCommandKind::Infos: {
                QTimer closer;
                QObject::connect(&closer, &QTimer::timeout, [&] {
                    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                        platform.Tick += std::uint32_t(command.Value);
                        box->button(QMessageBox::Ok)->click();
                        closer.stop();
                    }
                });
                closer.start(0);
                form.Optiions1Click();
                break;
            }
            }
        };
        platform.OnProcess = [&](int) {
            passDepths.push_back(RunSimulationDepth());
            while (!log.Pending.empty()) {
                const TCommand command = log.Pending.front();
                log.Pending.pop_front();
                deliver(command);
            }
            passDepths.pop_back();
        };
        c.ScrollBarV->setValue(session.Delay);
        for (int i = 0; i < session.Starts; ++i)
            form.BtnStartClick();
        log.End(snapshot());
        rows = log.Rows;
    }
    SetTextEngine(savedText);
    return rows;
}

TEST(RunSessionsOldLoopTest, EverySessionShowsWhatWasRecorded)
{
    const TTable table = ReadTable(KEPLER_RUN_SESSIONS_TABLE);
    std::ofstream out;
    if (const char* path = std::getenv("KEPLER_RECORD_RUN_SESSIONS"))
        out.open(path);
    for (const TSession& session : Sessions()) {
        const std::vector<std::string> rows = Replay(session);
        if (out.is_open()) {
            WriteSession(out, session.Name, rows);
            continue;
        }
        const auto recorded = table.find(session.Name);
        ASSERT_NE(recorded, table.end()) << "no rows recorded for " << session.Name;
        EXPECT_EQ(rows, recorded->second) << session.Name;
    }
}

} // namespace
