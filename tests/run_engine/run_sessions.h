#pragma once
// Scripted sessions of runs and what each one showed, shared by every face
// that replays them. A session presses Start with a given delay and then
// plays the user at named places of the cycles: in the wait of the k-th
// cycle begun, or at the moment pending input is taken once more after the
// k-th cycle has drawn. Commands given at a place form one batch, handled in
// order like queued window messages; a batch that nests a run hands what is
// left of it on to the new run's first wait, as a nested message loop does.
//
// The log writes one row for each place reached (before its commands), one
// for each wait with the ticks it began and ended on, and one at the end.
// Free of Qt: the run engine's tests replay the sessions without it.
#include "KeplerControls/bitmap.h"
#include "KeplerControls/font.h"
#include "text_engine.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace RunSessions {

enum class TPlace { Wait, Input };

enum class TCommandKind {
    Start,
    Stop,
    Step,  // the step box set to Value days
    Delay, // the delay regulator set to Value milliseconds
    Infos, // the "Infos" box, open for Value milliseconds
    Close, // the window closed
};

struct TCommand {
    TCommandKind Kind;
    int Value = 0;
};

struct TCue {
    int Cycle;
    TPlace Place;
    std::vector<TCommand> Commands;
};

struct TSession {
    std::string Name;
    int Delay; // the regulator before the first Start
    std::vector<TCue> Cues;
    int Starts = 1; // Start pressed this often, each time once every run has ended
};

inline TCommand Start() { return {TCommandKind::Start}; }
inline TCommand Stop() { return {TCommandKind::Stop}; }
inline TCommand Step(int days) { return {TCommandKind::Step, days}; }
inline TCommand Delay(int ms) { return {TCommandKind::Delay, ms}; }
inline TCommand Infos(int ms) { return {TCommandKind::Infos, ms}; }
inline TCommand Close() { return {TCommandKind::Close}; }

// The first Start of every session happens at this tick.
inline constexpr std::uint32_t FirstTick = 1000;
// A session that has begun this many cycles is stopped: a run that does not
// end is a failure, not a hang.
inline constexpr int MaxCycles = 400;

// Starts nested one per place until the 17th, which meets the bound, then a
// Stop a cycle later.
inline std::vector<TCue> SeventeenStarts(TPlace place)
{
    std::vector<TCue> cues;
    for (int cycle = 1; cycle <= 16; ++cycle)
        cues.push_back({cycle, place, {Start()}});
    cues.push_back({17, place, {Stop()}});
    return cues;
}

inline const std::vector<TSession>& Sessions()
{
    using enum TPlace;
    static const std::vector<TSession> sessions = {
        // From 8 December 2026 the run ends by itself after 46 cycles.
        {"start", 0, {}},
        {"start-delay-20", 20, {}},
        {"stop-in-wait", 5, {{3, Wait, {Stop()}}}},
        {"stop-at-input", 5, {{3, Input, {Stop()}}}},
        {"second-start-in-wait", 3, {{2, Wait, {Start()}}, {6, Wait, {Stop()}}}},
        {"second-start-at-input", 3, {{2, Input, {Start()}}, {6, Input, {Stop()}}}},
        {"second-start-then-stop-in-one-batch", 3, {{2, Wait, {Start(), Stop()}}}},
        {"stop-then-start-in-one-batch", 3, {{2, Input, {Stop(), Start()}}, {5, Wait, {Stop()}}}},
        {"seventeen-starts-in-wait", 2, SeventeenStarts(Wait)},
        {"seventeen-starts-at-input", 2, SeventeenStarts(Input)},
        {"seventeenth-start-then-stop", 2,
         [] {
             auto cues = SeventeenStarts(TPlace::Wait);
             cues.back() = {17, TPlace::Input, {Start(), Stop(), Start()}};
             return cues;
         }()},
        {"step-in-wait", 4, {{2, Wait, {Step(30)}}, {5, Wait, {Stop()}}}},
        {"step-at-input", 4, {{2, Input, {Step(7)}}, {5, Input, {Stop()}}}},
        {"step-in-nested-run", 4, {{2, Wait, {Start()}}, {3, Input, {Step(12)}}, {5, Wait, {Stop()}}}},
        {"delay-in-wait", 10, {{2, Wait, {Delay(200)}}, {3, Wait, {Delay(0)}}, {6, Wait, {Stop()}}}},
        {"delay-at-input", 10, {{2, Input, {Delay(37)}}, {5, Input, {Stop()}}}},
        {"infos-in-wait", 50, {{2, Wait, {Infos(300)}}, {4, Wait, {Infos(20)}}, {6, Wait, {Stop()}}}},
        {"infos-at-input", 50, {{2, Input, {Infos(300)}}, {4, Input, {Stop()}}}},
        {"infos-in-nested-run", 30, {{2, Wait, {Start()}}, {3, Wait, {Infos(100)}}, {5, Input, {Stop()}}}},
        {"close-in-nested-run", 8, {{2, Wait, {Start()}}, {3, Input, {Start()}}, {6, Wait, {Close()}}}},
        {"restart-after-stop", 0, {{4, Input, {Stop()}}, {8, Wait, {Stop()}}}, 2},
    };
    return sessions;
}

// Text as a fixed pattern of pixels, the same on every machine, so that a
// picture's checksum does not depend on the fonts installed.
class TFixedTextEngine : public Kepler::TTextEngine {
public:
    Kepler::TTextMetrics LineMetrics(const Kepler::TFont&) const override { return {9, 2}; }
    int TextWidth(const Kepler::TFont&, const std::string& text) const override { return 6 * int(text.size()); }
    void DrawText(Kepler::TBitmap& target, int x, int y, const Kepler::TFont& font,
                  const std::string& text) const override
    {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const int c = static_cast<unsigned char>(text[i]);
            for (int k = 0; k < 5; ++k)
                target.SetPixel(x + 6 * int(i) + (c + k) % 5, y - 1 - (c * (k + 1)) % 8, font.Color());
        }
    }
};

// The inside of the picture, the part every Start wipes: the outermost
// pixels keep whatever picture the face started with.
inline std::uint64_t PictureChecksum(const Kepler::TBitmap& picture)
{
    std::uint64_t h = 1469598103934665603ull;
    const std::uint32_t* bits = picture.Bits();
    for (int y = 1; y < picture.Height() - 1; ++y)
        for (int x = 1; x < picture.Width() - 1; ++x) {
            h ^= bits[std::size_t(y) * std::size_t(picture.Width()) + std::size_t(x)] & 0xFFFFFFu;
            h *= 1099511628211ull;
        }
    return h;
}

// What the user sees at a moment, with the run's depth and day number.
struct TSnapshot {
    int Depth;
    std::uint32_t Tick;
    double DayNumber;
    std::uint64_t Picture;
    std::string Mean;
    std::string True;
    double Gauge;
};

// Numbers in the shortest form that reads back exactly, whatever the locale.
inline std::string Number(double v)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, v).ptr;
    return std::string(text, end);
}

inline std::string Text(const TSnapshot& s)
{
    char picture[17];
    std::snprintf(picture, sizeof picture, "%016llx", static_cast<unsigned long long>(s.Picture));
    return "depth " + std::to_string(s.Depth) + " tick " + std::to_string(s.Tick) + " day " + Number(s.DayNumber)
           + " picture " + picture + " gauge " + Number(s.Gauge) + " mean \"" + s.Mean + "\" true \"" + s.True
           + "\"";
}

// The rows of one session and the commands waiting to be handled.
class TSessionLog {
public:
    explicit TSessionLog(const TSession& session) : FSession(session) {}

    std::vector<std::string> Rows;
    std::deque<TCommand> Pending;

    int Cycles() const { return FCycles; }

    // A run at `depth` begins a cycle and is about to wait.
    void WaitPlace(const TSnapshot& s)
    {
        ++FCycles;
        if (int(FCycleAtDepth.size()) <= s.Depth)
            FCycleAtDepth.resize(std::size_t(s.Depth) + 1);
        FCycleAtDepth[std::size_t(s.Depth)] = FCycles;
        Rows.push_back("wait-place " + std::to_string(FCycles) + " " + Text(s));
        Queue(FCycles, TPlace::Wait);
        if (FCycles >= MaxCycles)
            Pending.push_back(Stop());
    }

    void WaitEnded(int depth, std::uint32_t from, std::uint32_t to)
    {
        Rows.push_back("wait " + std::to_string(CycleAt(depth)) + " from " + std::to_string(from) + " to "
                       + std::to_string(to));
    }

    // The run at `depth` has drawn its cycle and takes pending input.
    void InputPlace(const TSnapshot& s)
    {
        const int cycle = CycleAt(s.Depth);
        Rows.push_back("input-place " + std::to_string(cycle) + " " + Text(s));
        Queue(cycle, TPlace::Input);
    }

    void End(const TSnapshot& s) { Rows.push_back("end " + Text(s)); }

    // Hands the waiting commands to `deliver` in their order, also those a
    // delivered command queues.
    template <class Deliver>
    void TakePending(Deliver&& deliver)
    {
        while (!Pending.empty()) {
            const TCommand command = Pending.front();
            Pending.pop_front();
            deliver(command);
        }
    }

private:
    int CycleAt(int depth) const
    {
        return depth < int(FCycleAtDepth.size()) ? FCycleAtDepth[std::size_t(depth)] : 0;
    }
    void Queue(int cycle, TPlace place)
    {
        for (const TCue& cue : FSession.Cues)
            if (cue.Cycle == cycle && cue.Place == place)
                Pending.insert(Pending.end(), cue.Commands.begin(), cue.Commands.end());
    }

    const TSession& FSession;
    int FCycles = 0;
    std::vector<int> FCycleAtDepth;
};

// The recorded table: for each session its rows, in the file's order.
using TTable = std::map<std::string, std::vector<std::string>>;

inline TTable ReadTable(const std::string& path)
{
    TTable table;
    std::ifstream in(path);
    std::string line;
    std::vector<std::string>* rows = nullptr;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        if (line.rfind("session ", 0) == 0)
            rows = &table[line.substr(8)];
        else if (rows)
            rows->push_back(line);
    }
    return table;
}

inline void WriteSession(std::ostream& out, const std::string& name, const std::vector<std::string>& rows)
{
    out << "session " << name << "\n";
    for (const std::string& row : rows)
        out << row << "\n";
}

} // namespace RunSessions
