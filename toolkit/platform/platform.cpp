#include "platform.h"

#include <chrono>
#include <clocale>
#include <cstdio>
#include <thread>
#include <utility>

namespace Kepler {

namespace {

TPlatform*& Installed()
{
    static TPlatform* installed = nullptr;
    return installed;
}

// Without a message loop nothing would ever call the tick.
class TIdleTimer : public TTimerEngine {
public:
    void Start(int) override {}
    void Stop() override {}
};

} // namespace

TPlatform& Platform()
{
    static TPlatform plain;
    return Installed() ? *Installed() : plain;
}

TPlatform* InstallPlatform(TPlatform* platform)
{
    return std::exchange(Installed(), platform);
}

std::uint32_t TPlatform::TickCount()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

TLocalDate TPlatform::LocalDate()
{
    return CurrentLocalDate();
}

void TPlatform::Beep() {}

void TPlatform::ProcessMessages() {}

void TPlatform::WaitForMessages(int timeoutMs)
{
    // No message can arrive: the wait is the time alone.
    if (timeoutMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
}

std::unique_ptr<TTimerEngine> TPlatform::CreateTimer(std::function<void()>)
{
    return std::make_unique<TIdleTimer>();
}

void TPlatform::Announce(const TAnnouncement&) {}

void TPlatform::ShowError(const std::string& text)
{
    std::fprintf(stderr, "%s\n", text.c_str());
}

std::string TPlatform::DecimalSeparator()
{
    const std::lconv* conv = std::localeconv();
    return conv && conv->decimal_point && *conv->decimal_point ? conv->decimal_point : ".";
}

const TTextEngine* TPlatform::TextEngine() { return nullptr; }

const TSystemColors* TPlatform::SystemColors() { return nullptr; }

} // namespace Kepler
