#include "spin_fixture.h"

#include <climits>

using namespace Kepler;

namespace {

struct TextCase {
    const char* Text;
    std::int32_t Expected;
};

// MinValue is 1 here, so 1 marks "not a number".
const TextCase TextCases[] = {
    {"2,5", 1},
    {"-", 1},
    {"+", 1},
    {"5 ", 1},
    {"- 5", 1},
    {" 7", 7},
    {"+7", 7},
    {"$1A", 26},
    {"0x1A", 26},
    {"x1a", 26},
    {"0X1a", 26},
    {"-$1A", -26},
    {"$FFFFFFFF", -1},
    {"$100000000", 1},
    {"$", 1},
    {"0x", 1},
    {"2147483647", INT_MAX},
    {"2147483648", 1},
    {"-2147483648", INT_MIN},
    {"-2147483649", 1},
    {"007", 7},
    {"", 1},
    {"12a", 1},
};

} // namespace

TEST_F(SpinFixture, TextReadsAsIntegerOrMinValue)
{
    Spin->SetMinValue(1);
    Spin->SetMaxValue(30);
    for (const TextCase& c : TextCases) {
        Spin->SetText(QString::fromLatin1(c.Text));
        EXPECT_EQ(Spin->Value(), c.Expected) << "text \"" << c.Text << "\"";
    }
}

TEST_F(SpinFixture, NewSpinBoxShowsZeroAndHasNoLimits)
{
    EXPECT_EQ(Spin->Text(), "0");
    Spin->StepUp();
    EXPECT_EQ(Spin->Text(), "1");
    Spin->StepDown();
    Spin->StepDown();
    EXPECT_EQ(Spin->Text(), "-1");
    Spin->SetText("");
    EXPECT_EQ(Spin->Value(), 0);
}
