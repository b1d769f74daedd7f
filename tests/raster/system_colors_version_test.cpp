// The number that tells kept drawings with system colours in them whether
// they are still current.
#include "KeplerControls/colors.h"
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
    void TearDown() override { SetSystemColors(nullptr); }
};

TEST_F(SystemColourVersion, StaysWhileNothingChanges)
{
    TChangingColors source;
    SetSystemColors(&source);
    const std::uint64_t v = SystemColorsVersion();
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(1, 2, 3));
    EXPECT_EQ(SystemColorsVersion(), v);
    EXPECT_EQ(SystemColorsVersion(), v);
}

TEST_F(SystemColourVersion, ChangesWithEveryRegistration)
{
    TChangingColors a, b;
    const struct {
        const TSystemColors* Source;
    } steps[] = {{&a}, {&b}, {nullptr}, {&a}, {&a}};
    std::uint64_t before = SystemColorsVersion();
    for (const auto& step : steps) {
        SetSystemColors(step.Source);
        const std::uint64_t after = SystemColorsVersion();
        EXPECT_NE(after, before);
        before = after;
    }
}

TEST_F(SystemColourVersion, ChangesWhenTheSourcesColoursChange)
{
    TChangingColors source;
    SetSystemColors(&source);
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
