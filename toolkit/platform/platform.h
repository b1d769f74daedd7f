#pragma once
#include "announcement.h"
#include "local_date.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace Kepler {

class TSystemColors;
class TTextEngine;

// A countdown made by the platform: once started, it calls its tick every
// interval until stopped or started again.
class TTimerEngine {
public:
    virtual ~TTimerEngine() = default;
    virtual void Start(int intervalMs) = 0;
    virtual void Stop() = 0;
};

// Everything the program asks of the system it runs on, in one place and in
// plain types: what a face (the Qt one, say) supplies. The members here are
// what a program without a face gets: a clock and the date, no messages, no
// sound, timers that never tick, announcements that go nowhere, errors on
// the standard error stream, the C library's decimal separator, no text and
// the classic desktop's system colours. A face overrides them all; a test
// installs a subclass that replaces the parts it drives.
class TPlatform {
public:
    virtual ~TPlatform() = default;

    // A millisecond counter, 32 bits unsigned, wrapping after 2^32 ms.
    virtual std::uint32_t TickCount();
    // Today's local calendar date.
    virtual TLocalDate LocalDate();
    // The alert sound.
    virtual void Beep();
    // One pass over the pending window messages: handles what is queued now.
    virtual void ProcessMessages();
    // Blocks until a message arrives or timeoutMs milliseconds have passed,
    // whichever comes first, handling what arrives; never burns a core.
    virtual void WaitForMessages(int timeoutMs);
    // A timer that calls tick through the message loop.
    virtual std::unique_ptr<TTimerEngine> CreateTimer(std::function<void()> tick);
    // Passes a change (a new value, say) on to assistive technology.
    virtual void Announce(const TAnnouncement& announcement);
    // Shows an error message (UTF-8) to the user and returns when it is
    // dismissed.
    virtual void ShowError(const std::string& text);
    // The user's decimal separator (UTF-8), as numbers are typed and shown.
    virtual std::string DecimalSeparator();
    // How canvases measure and draw text; null: no text (nothing drawn,
    // width and height 0). It lives as long as the platform.
    virtual const TTextEngine* TextEngine();
    // Where system colours (clBtnFace and the others) come from; null: the
    // classic desktop's colours. It lives as long as the platform.
    virtual const TSystemColors* SystemColors();
};

// The installed platform; a plain one until a face installs its own.
TPlatform& Platform();
// Installs a platform (nullptr: the plain one again); returns the one it
// replaces (nullptr for the plain one). The platform must outlive its
// installation.
TPlatform* InstallPlatform(TPlatform* platform);

} // namespace Kepler
