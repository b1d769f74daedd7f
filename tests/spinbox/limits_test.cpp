#include "spin_fixture.h"

#include <climits>

using namespace Kepler;

TEST_F(SpinFixture, StepsStopAtTheLimitsWithoutNotification)
{
    Spin->SetMinValue(1);
    Spin->SetMaxValue(30);
    Spin->SetValue(30);
    CountChanges();
    Spin->StepUp();
    EXPECT_EQ(Spin->Text(), "30");
    Spin->SetValue(1);
    EXPECT_EQ(Changes, 1);
    Spin->StepDown();
    EXPECT_EQ(Spin->Text(), "1");
    Spin->SetValue(1);
    EXPECT_EQ(Changes, 1);
}

TEST_F(SpinFixture, TypedNumberIsClampedOnLeaving)
{
    Spin->SetMinValue(1);
    Spin->SetMaxValue(30);
    FocusSpin();
    Spin->SetText("");
    CountChanges();
    std::vector<std::int32_t> seen;
    Spin->OnChange = [&](QObject*) { seen.push_back(Spin->Value()); };
    QTest::keyClick(Spin, Qt::Key_9);
    QTest::keyClick(Spin, Qt::Key_9);
    EXPECT_EQ(seen, (std::vector<std::int32_t>{9, 99}));
    FocusOther();
    EXPECT_EQ(Spin->Text(), "30");
    EXPECT_EQ(seen, (std::vector<std::int32_t>{9, 99, 30}));
}

TEST_F(SpinFixture, LeavingKeepsTextWithinLimitsOrNotANumber)
{
    struct Case {
        const char* Typed;
        const char* AfterLeaving;
    };
    const Case cases[] = {{"0", "1"}, {"", ""}, {"abc", "abc"}, {"$1A", "$1A"}, {"0x1A", "0x1A"}, {"-5", "1"}};
    Spin->SetMinValue(1);
    Spin->SetMaxValue(30);
    for (const Case& c : cases) {
        FocusSpin();
        Spin->SetText(QString::fromLatin1(c.Typed));
        FocusOther();
        EXPECT_EQ(Spin->Text(), c.AfterLeaving) << "typed \"" << c.Typed << "\"";
    }
}

TEST_F(SpinFixture, WrittenValuesAreClamped)
{
    struct Case {
        std::int32_t Min, Max, Written;
        const char* Shown;
    };
    const Case cases[] = {
        {1, 30, 31, "30"}, {1, 30, -4, "1"}, {1, 30, 17, "17"},
        {0, 0, 100, "100"}, {0, 0, -3, "-3"},      // equal limits: none
        {5, 5, 100, "100"}, {5, 5, -3, "-3"},
        {10, 5, 3, "10"}, {10, 5, 7, "10"}, {10, 5, 12, "5"}, // inverted: lower limit first
    };
    for (const Case& c : cases) {
        Spin->SetMinValue(c.Min);
        Spin->SetMaxValue(c.Max);
        Spin->SetValue(c.Written);
        EXPECT_EQ(Spin->Text(), c.Shown) << c.Min << ".." << c.Max << " written " << c.Written;
    }
}

TEST_F(SpinFixture, EqualWriteFiresNothing)
{
    CountChanges();
    Spin->SetValue(5);
    Spin->SetValue(5);
    EXPECT_EQ(Changes, 1);
}

TEST_F(SpinFixture, IncrementIsReadAtStepTime)
{
    struct Case {
        const char* Text;
        std::int32_t Increment;
        bool Up;
        const char* After;
    };
    const Case cases[] = {
        {"5", -2, true, "3"},
        {"5", -2, false, "7"},
        {"07", 0, true, "7"},  // a zero step normalises the text
        {"abc", 0, true, "-4"}, // not a number: MinValue
        {"2147483647", 1, true, "2147483647"},   // saturates, never wraps
        {"-2147483648", 1, false, "-2147483648"},
        {"-2147483648", INT_MIN, true, "-2147483648"},
        {"0", INT_MIN, false, "2147483647"},
    };
    Spin->SetMinValue(-4);
    Spin->SetMaxValue(-4);
    for (const Case& c : cases) {
        Spin->SetText(QString::fromLatin1(c.Text));
        Spin->SetIncrement(c.Increment);
        if (c.Up)
            Spin->StepUp();
        else
            Spin->StepDown();
        EXPECT_EQ(Spin->Text(), c.After) << c.Text << (c.Up ? " up " : " down ") << c.Increment;
    }
}
