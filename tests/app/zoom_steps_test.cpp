#include "zoom_steps.h"

#include <gtest/gtest.h>

namespace {

// Ctrl+Plus and Ctrl+Minus walk the steps; the screen limits the way up.
TEST(ZoomStepsTest, PlusAndMinusWalkTheSteps)
{
    struct Case {
        int from, largest, larger, smaller;
    } const cases[] = {
        {100, 300, 125, 100}, // the bottom step stays the bottom
        {125, 300, 150, 100},
        {200, 300, 250, 175},
        {300, 300, 300, 250}, // the top step stays the top
        {150, 150, 150, 125}, // the screen allows no more: the zoom stays
        {175, 150, 175, 150}, // a screen that shrank never zooms in by going down
        {110, 300, 125, 100}, // between steps: to the neighbours
        {400, 300, 400, 300},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LargerZoomStep(c.from, c.largest), c.larger) << c.from << " up to " << c.largest;
        EXPECT_EQ(SmallerZoomStep(c.from), c.smaller) << c.from;
    }
}

TEST(ZoomStepsTest, LargestStepThatFitsTheScreen)
{
    const QSize window(618, 595);
    EXPECT_EQ(LargestFittingZoomStep(window, {1024, 768}), 125);
    EXPECT_EQ(LargestFittingZoomStep(window, {1920, 1080}), 175);
    EXPECT_EQ(LargestFittingZoomStep(window, {1236, 1190}), 200); // exactly fits
    EXPECT_EQ(LargestFittingZoomStep(window, {1235, 1190}), 175);
    EXPECT_EQ(LargestFittingZoomStep(window, {3840, 2160}), 300);
    EXPECT_EQ(LargestFittingZoomStep(window, {600, 400}), 100); // even 100 % is too large
}

TEST(ZoomStepsTest, StartsAtTheSavedStepAsFarAsTheScreenAllows)
{
    EXPECT_EQ(ZoomStepToUse(200, 300), 200);
    EXPECT_EQ(ZoomStepToUse(200, 150), 150);
    EXPECT_EQ(ZoomStepToUse(100, 100), 100);
    // Anything else in the settings file means a first start.
    for (int odd : {0, -100, 120, 1000})
        EXPECT_EQ(ZoomStepToUse(odd, 300), 100) << odd;
}

TEST(ZoomStepsTest, FullScreenFactorFillsTheTighterSide)
{
    EXPECT_DOUBLE_EQ(FillingFactor({618, 595}, {1920, 1080}), 1080.0 / 595);
    EXPECT_DOUBLE_EQ(FillingFactor({618, 595}, {1236, 4000}), 2.0);
    EXPECT_DOUBLE_EQ(FillingFactor({}, {1920, 1080}), 1.0);
}

} // namespace
