// The platform without a face, free of Qt: what a program gets before a
// face installs its own, and installing one in its place and back.
#include "accessibility_notify.h"
#include "beep.h"
#include "messages.h"
#include "platform.h"
#include "plain_test_platform.h"
#include "tick_counter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <string>
#include <vector>

using namespace Kepler;

namespace {

TEST(PlainPlatform, GivesAClockTheDateAndNoFace)
{
    TPlatform& plain = Platform();
    const std::uint32_t before = GetTickCount();
    WaitForMessages(20); // no messages: the time alone passes
    const std::uint32_t after = GetTickCount();
    EXPECT_GE(after - before, 20u);
    EXPECT_LT(after - before, 2000u);
    const TLocalDate date = plain.LocalDate(), today = CurrentLocalDate();
    EXPECT_EQ(date.Year * 10000 + date.Month * 100 + date.Day, today.Year * 10000 + today.Month * 100 + today.Day);
    EXPECT_EQ(plain.TextEngine(), nullptr);
    EXPECT_EQ(plain.SystemColors(), nullptr);
    EXPECT_EQ(plain.DecimalSeparator(), std::localeconv()->decimal_point);
    // Quiet where there is nothing to reach: no sound, no loop, no reader.
    MessageBeep();
    ProcessMessages();
    AnnounceValueChange({}, 1);
    bool ticked = false;
    const auto timer = plain.CreateTimer([&] { ticked = true; });
    ASSERT_NE(timer, nullptr);
    timer->Start(1);
    WaitForMessages(5);
    EXPECT_FALSE(ticked) << "without a message loop nothing calls a timer";
}

// A platform installed replaces the plain one while it lives; the helpers
// go to whatever is installed.
class TCountingPlatform : public TPlainTestPlatform {
public:
    std::uint32_t TickCount() override { return 4242; }
    void Beep() override { ++Beeps; }
    void Announce(const TAnnouncement& a) override { Heard.push_back(a); }
    int Beeps = 0;
    std::vector<TAnnouncement> Heard;
};

TEST(PlainPlatform, AnInstalledPlatformTakesOverAndGivesBack)
{
    TPlatform& plain = Platform();
    {
        TCountingPlatform counting;
        EXPECT_EQ(&Platform(), &counting);
        EXPECT_EQ(GetTickCount(), 4242u);
        MessageBeep();
        EXPECT_EQ(counting.Beeps, 1);
        int handle = 0;
        AnnounceValueChange(TAccessObject{&handle}, 2.5);
        ASSERT_EQ(counting.Heard.size(), 1u);
        EXPECT_EQ(counting.Heard[0].Object.Handle, &handle);
        EXPECT_EQ(counting.Heard[0].Change, acValueChange);
        EXPECT_EQ(std::get<double>(counting.Heard[0].Value), 2.5);
        {
            TPlainTestPlatform inner;
            EXPECT_EQ(&Platform(), &inner);
        }
        EXPECT_EQ(&Platform(), &counting);
    }
    EXPECT_EQ(&Platform(), &plain);
    EXPECT_EQ(InstallPlatform(nullptr), nullptr) << "the plain one is no installed platform";
}

} // namespace
