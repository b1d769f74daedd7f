#pragma once
#include "platform.h"

namespace Kepler {

// The platform through Qt (the plain clock and date): Qt's event loop and
// timers, message box, beep and accessibility, the locale's decimal separator, Qt's text and the
// running palette's system colours.
class TQtPlatform : public TPlatform {
public:
    void Beep() override;
    void ProcessMessages() override;
    void WaitForMessages(int timeoutMs) override;
    std::unique_ptr<TTimerEngine> CreateTimer(std::function<void()> tick) override;
    void Announce(const TAnnouncement& announcement) override;
    void ShowError(const std::string& text) override;
    std::string DecimalSeparator() override;
    const TTextEngine* TextEngine() override;
    const TSystemColors* SystemColors() override;
};

} // namespace Kepler
