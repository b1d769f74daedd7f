// The number that tells kept drawings with system colours in them whether
// they are still current.
#include "KeplerControls/colors.h"
#include "plain_test_platform.h"
#include "system_colors.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace Kepler;

namespace {

// A source whose colours change when the test says so.
class TChangingColors : public TSystemColors {
public:
    TColor Resolve(TColor) const override { return Face; }
    std::uint64_t Version() const override { return Changes; }
    TColor Face = RGB(1, 2, 3);
    std::uint64_t Changes = 7;
};

class SystemColourVersion : public ::testing::Test {
protected:
    TPlainTestPlatform Platform;
};

TEST_F(SystemColourVersion, StaysWhileNothingChanges)
{
    TChangingColors source;
    Platform.Colors = &source;
    const std::uint64_t v = SystemColorsVersion();
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(1, 2, 3));
    EXPECT_EQ(SystemColorsVersion(), v);
    EXPECT_EQ(SystemColorsVersion(), v);
}

// Each other source the platform gives changes it; the same source again,
// or another platform giving the same source, keeps it.
TEST_F(SystemColourVersion, ChangesWithEveryOtherSource)
{
    TChangingColors a, b;
    const struct {
        const TSystemColors* Source;
        bool Changes;
    } steps[] = {{&a, true}, {&b, true}, {nullptr, true}, {&a, true}, {&a, false}};
    std::uint64_t before = SystemColorsVersion();
    for (const auto& step : steps) {
        Platform.Colors = step.Source;
        const std::uint64_t after = SystemColorsVersion();
        EXPECT_EQ(after != before, step.Changes);
        before = after;
    }
    {
        TPlainTestPlatform same;
        same.Colors = &a;
        EXPECT_EQ(SystemColorsVersion(), before);
        same.Colors = &b;
        EXPECT_NE(SystemColorsVersion(), before);
    }
    EXPECT_EQ(SystemColors(), &a) << "the platform before is back";
}

TEST_F(SystemColourVersion, ChangesWhenTheSourcesColoursChange)
{
    TChangingColors source;
    Platform.Colors = &source;
    const std::uint64_t first = SystemColorsVersion();
    source.Face = RGB(4, 5, 6);
    source.Changes = 8;
    const std::uint64_t second = SystemColorsVersion();
    EXPECT_NE(second, first);
    EXPECT_EQ(SystemColorsVersion(), second);
    source.Changes = 7; // back to an earlier state is still a change
    EXPECT_NE(SystemColorsVersion(), second);
}

} // namespace
