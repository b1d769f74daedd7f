// The page's commands, called from its script (page.html): Start, Stop,
// the step box's rules, "Infos" holding the runs, and the timer that gives
// the runs their time.
#include "built_in_glyphs.h"
#include "web_face.h"
#include "web_run.h"

#include "platform.h"

#include "simulation_state.h"
#include "spin_value.h"

#include <emscripten/emscripten.h>

#include <string>
#include <string_view>

using namespace Kepler;

namespace {

// What the page supplies the core: its text, drawn from the desktop's
// glyphs. Clock and date are the C library's, which the browser feeds.
class TPagePlatform : public TPlatform {
public:
    const TTextEngine* TextEngine() override { return &Glyphs; }

private:
    TBuiltInGlyphs Glyphs;
};

struct TPage {
    TPagePlatform PagePlatform;
    TWebFace Face;
    TWebRun Run{Face};
    TSpinValue Step;

    TPage()
    {
        InstallPlatform(&PagePlatform);
        // The gauge shows its face from the start, with its labels.
        Face.ShowGauge();
        // The step box "Zeitschritte in Tagen": 1 to 30 days.
        Step.SetMinValue(1);
        Step.SetMaxValue(30);
    }
};

TPage& Page()
{
    static TPage page;
    return page;
}

// The step box's text holds only what its filter lets in (ASCII) or what was
// pasted; other characters stay what they are, so they never read as digits.
std::u16string Utf16(std::string_view text)
{
    std::u16string out;
    for (const unsigned char c : text)
        out.push_back(c < 0x80 ? char16_t(c) : u'\uFFFD');
    return out;
}

std::string Ascii(const std::u16string& text)
{
    return std::string(text.begin(), text.end());
}

// Returned texts live until the next call that returns one.
const char* Returned(std::string text)
{
    static std::string kept;
    kept = std::move(text);
    return kept.c_str();
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* kepler_start_date_text()
{
    const SimulationState& s = Simulation();
    return Returned(std::to_string(s.StartDay) + "." + std::to_string(s.StartMonth) + "."
                    + std::to_string(s.StartYear));
}

EMSCRIPTEN_KEEPALIVE void kepler_start() { Page().Run.Start(); }

EMSCRIPTEN_KEEPALIVE void kepler_stop() { Page().Run.Stop(); }

EMSCRIPTEN_KEEPALIVE void kepler_hold() { Page().Run.Hold(); }

EMSCRIPTEN_KEEPALIVE void kepler_release() { Page().Run.Release(); }

EMSCRIPTEN_KEEPALIVE void kepler_give_time() { Page().Run.GiveTime(); }

// The step box: what its text reads as, written to the simulation on every
// change of the text, as the desktop's change handler does.
EMSCRIPTEN_KEEPALIVE int kepler_step_changed(const char* text)
{
    const std::int32_t v = Page().Step.ValueOf(Utf16(text));
    Page().Run.ChangeStep(double(v));
    return v;
}

EMSCRIPTEN_KEEPALIVE int kepler_step_accepts(int key, const char* decimalSeparator)
{
    return Page().Step.AcceptsKeyChar(char16_t(key), Utf16(decimalSeparator)) ? 1 : 0;
}

// The text a step up (up != 0) or down writes.
EMSCRIPTEN_KEEPALIVE const char* kepler_step_stepped(const char* text, int up)
{
    const TSpinValue& step = Page().Step;
    const std::u16string t = Utf16(text);
    return Returned(Ascii(step.TextOf(up ? step.SteppedUp(t) : step.SteppedDown(t))));
}

// The text leaving the box leaves: the value brought between the limits,
// or the text as it is.
EMSCRIPTEN_KEEPALIVE const char* kepler_step_on_leaving(const char* text)
{
    const TSpinValue& step = Page().Step;
    const std::u16string t = Utf16(text);
    if (!step.BringsBackOnLeaving(t))
        return Returned(text);
    return Returned(Ascii(step.TextOf(step.ValueOf(t))));
}

} // extern "C"

int main()
{
    InitSimulationState(CurrentLocalDate());
    // The page shows the diagram until the first Start draws.
    Page();
    return 0;
}
