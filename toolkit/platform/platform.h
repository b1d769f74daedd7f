#pragma once
#include "local_date.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QAccessibleEvent;

namespace Kepler {

// A countdown made by the platform: once started, it calls its tick every
// interval until stopped or started again.
class TTimerEngine {
public:
    virtual ~TTimerEngine() = default;
    virtual void Start(int intervalMs) = 0;
    virtual void Stop() = 0;
};

// Everything the program asks of the system it runs on, in one place. The
// members do the real thing; a test installs a subclass that replaces the
// parts it drives (time, messages, alerts) and leaves the rest real.
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
    // Passes an event (a value change, say) on to assistive technology.
    virtual void Announce(QAccessibleEvent& event);
    // Shows an error message (UTF-8) to the user and returns when it is
    // dismissed.
    virtual void ShowError(const std::string& text);
    // The user's decimal separator (UTF-8), as numbers are typed and shown.
    virtual std::string DecimalSeparator();
};

// The installed platform; the real one until another is installed.
TPlatform& Platform();
// Installs a platform (nullptr: the real one again); returns the one it replaces.
TPlatform* InstallPlatform(TPlatform* platform);

} // namespace Kepler
