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

// With a window manager's frame, in the screen's device pixels, rounded as
// Qt rounds the window's size: on a 768 high screen 125 % of a window 595
// high is 744, which fits under a title bar of 20 and a border of 1 each,
// but not under a frame 3 pixels higher.
TEST(ZoomStepsTest, TheFrameCountsInDevicePixels)
{
    const QSize window(618, 595);
    struct Case {
        double Scale;
        QMargins Frame;
        QSize Room;
        int Largest;
    } const cases[] = {
        {1.0, {1, 20, 1, 1}, {1024, 768}, 125},  // 744 + 21 = 765
        {1.0, {1, 23, 1, 1}, {1024, 768}, 125},  // 744 + 24 = 768: exactly
        {1.0, {1, 24, 1, 1}, {1024, 768}, 100},  // 744 + 25 = 769: one too many
        {1.0, {}, {1024, 744}, 125},             // no window manager: 743.75 shows as 744
        {1.0, {}, {1024, 743}, 100},
        {1.0, {1, 20, 1, 1}, {1920, 1080}, 175}, // 1041 + 21
        {1.5, {2, 30, 2, 2}, {1920, 1080}, 100}, // the desktop's own scale: 893 + 32 fits, 1116 + 32 not
        {2.0, {}, {3840, 2160}, 175},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LargestFittingZoomStep(window, c.Scale, c.Frame, c.Room), c.Largest)
            << c.Scale << " " << c.Frame.top() << " " << c.Room.height();
}

// A window that grew past the screen's edge comes back onto it, frame and all.
TEST(ZoomStepsTest, MovesTheFrameIntoTheRoom)
{
    const QRect screen(0, 0, 1024, 768);
    // The frame of the window at 125 % that ended 2 pixels below the screen.
    EXPECT_EQ(MoveIntoRoom(QRect(249, 5, 775, 765), screen), QPoint(0, -2));
    EXPECT_EQ(MoveIntoRoom(QRect(300, 0, 775, 765), screen), QPoint(-51, 0));
    EXPECT_EQ(MoveIntoRoom(QRect(-5, -3, 100, 100), screen), QPoint(5, 3));
    EXPECT_EQ(MoveIntoRoom(QRect(10, 10, 100, 100), screen), QPoint(0, 0));
    // Larger than the room: its top left corner stays on the screen.
    EXPECT_EQ(MoveIntoRoom(QRect(10, 10, 2000, 100), screen), QPoint(-10, 0));
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
