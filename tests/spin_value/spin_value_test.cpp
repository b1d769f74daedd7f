// The spin box's value model on its own: what text reads as, what a write
// shows, the limits, stepping and the character filter.
#include "spin_value.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

using namespace Kepler;

namespace {

TSpinValue Limited(std::int32_t min, std::int32_t max)
{
    TSpinValue v;
    v.SetMinValue(min);
    v.SetMaxValue(max);
    return v;
}

TEST(SpinValue, StartsWithoutLimitsAndStepsByOne)
{
    const TSpinValue v;
    EXPECT_EQ(v.MinValue(), 0);
    EXPECT_EQ(v.MaxValue(), 0);
    EXPECT_EQ(v.Increment(), 1);
    EXPECT_TRUE(v.EditorEnabled());
    EXPECT_EQ(v.SteppedUp(u"0"), 1);
    EXPECT_EQ(v.SteppedDown(u"0"), -1);
    EXPECT_EQ(v.ValueOf(u""), 0);
}

// Text that is not a number reads as MinValue; no limit applies on reading.
TEST(SpinValue, ReadsTextOrMinValue)
{
    struct Case {
        const char16_t* Text;
        std::int32_t Expected;
    };
    const TSpinValue v = Limited(1, 30);
    const Case cases[] = {
        {u"9", 9},   {u"99", 99},  {u"0", 0},    {u"", 1},     {u"2,5", 1},  {u"-", 1},
        {u"+", 1},   {u"5 ", 1},   {u"- 5", 1},  {u" 7", 7},   {u"+7", 7},   {u"$1A", 26},
        {u"0x1A", 26}, {u"2147483647", INT_MAX}, {u"2147483648", 1}, {u"-2147483648", INT_MIN},
    };
    for (const Case& c : cases)
        EXPECT_EQ(v.ValueOf(c.Text), c.Expected) << std::string(c.Text, c.Text + std::char_traits<char16_t>::length(c.Text));
}

TEST(SpinValue, ClampsBetweenLimitsUnlessEqual)
{
    struct Case {
        std::int32_t Min, Max, In, Out;
    };
    const Case cases[] = {
        {1, 30, 0, 1},     {1, 30, 31, 30},   {1, 30, 15, 15},  {1, 30, INT_MIN, 1}, {1, 30, INT_MAX, 30},
        {0, 0, 99, 99},    {0, 0, -99, -99},  {5, 5, 3, 3},     {5, 5, 12, 12},
        // Inverted limits: the lower limit is checked first.
        {10, 5, 3, 10},    {10, 5, 7, 10},    {10, 5, 12, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Limited(c.Min, c.Max).ClampValue(c.In), c.Out) << c.Min << ".." << c.Max << " " << c.In;
}

TEST(SpinValue, WritesTheClampedNumberInDecimal)
{
    struct Case {
        std::int32_t Min, Max, In;
        const char16_t* Text;
    };
    const Case cases[] = {
        {0, 0, 0, u"0"},          {0, 0, 7, u"7"},   {0, 0, -7, u"-7"},
        {0, 0, INT_MAX, u"2147483647"}, {0, 0, INT_MIN, u"-2147483648"},
        {1, 30, 99, u"30"},       {1, 30, 0, u"1"},  {10, 5, 3, u"10"}, {10, 5, 7, u"10"}, {10, 5, 12, u"5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Limited(c.Min, c.Max).TextOf(c.In), c.Text) << c.In;
    EXPECT_EQ(IntToText(-10), u"-10");
    EXPECT_EQ(IntToText(100), u"100");
}

// A step reads the text, adds the increment and stops at the ends of the
// 32-bit range; the write that follows clamps.
TEST(SpinValue, StepsFromTheTextAndSaturates)
{
    struct Case {
        std::int32_t Increment;
        const char16_t* Text;
        std::int32_t Up, Down;
    };
    const Case cases[] = {
        {1, u"5", 6, 4},
        {-3, u"5", 2, 8},                    // a negative increment turns the steps round
        {0, u"07", 7, 7},                    // a zero step rewrites the value
        {0, u"abc", 0, 0},                   // text that is not a number steps from MinValue
        {1, u"2147483647", INT_MAX, INT_MAX - 1},
        {1, u"-2147483648", INT_MIN + 1, INT_MIN},
        {INT_MAX, u"10", INT_MAX, 10 - INT_MAX},
    };
    for (const Case& c : cases) {
        TSpinValue v;
        v.SetIncrement(c.Increment);
        const std::u16string text = c.Text;
        EXPECT_EQ(v.SteppedUp(text), c.Up) << c.Increment;
        EXPECT_EQ(v.SteppedDown(text), c.Down) << c.Increment;
    }
    // With the window's limits a step past either end writes that end again.
    const TSpinValue window = Limited(1, 30);
    EXPECT_EQ(window.TextOf(window.SteppedUp(u"30")), u"30");
    EXPECT_EQ(window.TextOf(window.SteppedDown(u"1")), u"1");
}

// Leaving the edit brings back only a number outside the limits; text that
// is not a number stays unless the limits are inverted.
TEST(SpinValue, BringsBackOnLeaving)
{
    struct Case {
        std::int32_t Min, Max;
        const char16_t* Text;
        bool Back;
    };
    const Case cases[] = {
        {1, 30, u"99", true},  {1, 30, u"0", true},   {1, 30, u"9", false}, {1, 30, u"", false},
        {1, 30, u"2,5", false}, {1, 30, u"$1A", false}, {0, 0, u"-99", false}, {5, 5, u"99", false},
        {10, 5, u"", true},    {10, 5, u"abc", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Limited(c.Min, c.Max).BringsBackOnLeaving(c.Text), c.Back) << c.Min << ".." << c.Max;
}

TEST(SpinValue, FiltersTypedCharacters)
{
    struct Case {
        char16_t Key;
        bool Editable, Locked;
    };
    const Case cases[] = {
        {u'0', true, false},  {u'9', true, false},  {u'+', true, false},  {u'-', true, false},
        {u'.', true, false},  {u',', false, false}, {u' ', false, false}, {u'a', false, false},
        {u'\b', true, false}, {u'\r', false, false}, {3, true, true},     {22, true, true},
        {24, true, true},     {0x1B, true, true},   {127, false, false},  {0x0663, false, false},
    };
    for (const Case& c : cases) {
        TSpinValue v;
        EXPECT_EQ(v.AcceptsKeyChar(c.Key, u"."), c.Editable) << "code " << int(c.Key);
        v.SetEditorEnabled(false);
        EXPECT_EQ(v.AcceptsKeyChar(c.Key, u"."), c.Locked) << "code " << int(c.Key) << " locked";
    }
}

// The separator counts only as one character, and only up to code 255.
TEST(SpinValue, TakesTheSeparatorItIsGiven)
{
    const TSpinValue v;
    EXPECT_TRUE(v.AcceptsKeyChar(u',', u","));
    EXPECT_FALSE(v.AcceptsKeyChar(u'.', u","));
    EXPECT_FALSE(v.AcceptsKeyChar(u',', u",,"));
    EXPECT_FALSE(v.AcceptsKeyChar(u',', u""));
    EXPECT_FALSE(v.AcceptsKeyChar(0x066B, u"\u066B")); // Arabic decimal separator
}

} // namespace
