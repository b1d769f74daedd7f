// The spin box's text-to-value conversion on its own.
#include "text_to_int.h"

#include <gtest/gtest.h>

#include <string>
#include <climits>
#include <optional>

using namespace Kepler;

namespace {

// ASCII text as the UTF-16 the conversion reads.
std::u16string Utf16(const char* s)
{
    return std::u16string(s, s + std::char_traits<char>::length(s));
}

struct Case {
    const char* Text;
    std::optional<std::int32_t> Expected;
};

const Case Cases[] = {
    {"0", 0},
    {"7", 7},
    {"007", 7},
    {" 7", 7},
    {"   -12", -12},
    {"+7", 7},
    {"-0", 0},
    {"2147483647", INT_MAX},
    {"-2147483648", INT_MIN},
    {"2147483648", std::nullopt},
    {"-2147483649", std::nullopt},
    {"99999999999999999999", std::nullopt},
    {"$1A", 26},
    {"x1a", 26},
    {"X1A", 26},
    {"0x1A", 26},
    {"0X1a", 26},
    {"-$1A", -26},
    {" +0x10", 16},
    {"$7FFFFFFF", INT_MAX},
    {"$FFFFFFFF", -1},
    {"$80000000", INT_MIN},
    {"$100000000", std::nullopt},
    {"", std::nullopt},
    {" ", std::nullopt},
    {"-", std::nullopt},
    {"+", std::nullopt},
    {"$", std::nullopt},
    {"0x", std::nullopt},
    {"5 ", std::nullopt},
    {"- 5", std::nullopt},
    {"+-5", std::nullopt},
    {"12a", std::nullopt},
    {"$1G", std::nullopt},
    {"2,5", std::nullopt},
    {"2.5", std::nullopt},
};

TEST(TextToInt, ReadsDecimalAndHexadecimalOrNothing)
{
    for (const Case& c : Cases)
        EXPECT_EQ(TextToInt(Utf16(c.Text)), c.Expected) << "text \"" << c.Text << "\"";
}

// Digits of other scripts are no decimal digits here.
TEST(TextToInt, OnlyAsciiDigits)
{
    EXPECT_EQ(TextToInt(u"\u0663"), std::nullopt);   // Arabic-Indic three
    EXPECT_EQ(TextToInt(u"\uFF17"), std::nullopt);   // fullwidth seven
}

} // namespace
