#include "common/numbers.hpp"

#include <gtest/gtest.h>

namespace {

using common::formatDecimal;
using common::parseDecimal;
using common::parseInt16;
using common::parseInt32;

TEST(Numbers, DecimalsAreWrittenShortWithAPoint) {
    EXPECT_EQ(formatDecimal(500.0f), "500");
    EXPECT_EQ(formatDecimal(431.36f), "431.36");
    EXPECT_EQ(formatDecimal(static_cast<float>(391 * 1.28)), "500.48");
    EXPECT_EQ(formatDecimal(static_cast<float>(static_cast<float>(500 / 1.28) * 1.28)), "500");
    EXPECT_EQ(formatDecimal(0.0f), "0");
    EXPECT_EQ(formatDecimal(-0.0f), "0");
    EXPECT_EQ(formatDecimal(0.1f + 0.2f), "0.3"); // seven digits, not the float's full tail
    EXPECT_EQ(formatDecimal(0.00125f), "0.00125");
    EXPECT_EQ(formatDecimal(123456789.0f), "123456800"); // no exponent
    EXPECT_EQ(formatDecimal(-2.5f), "-2.5");
}

TEST(Numbers, DecimalsReadWithPointOrComma) {
    EXPECT_DOUBLE_EQ(parseDecimal("500.48").value(), 500.48);
    EXPECT_DOUBLE_EQ(parseDecimal("500,48").value(), 500.48);
    EXPECT_DOUBLE_EQ(parseDecimal("-3").value(), -3.0);
    EXPECT_DOUBLE_EQ(parseDecimal("+.5").value(), 0.5);
    EXPECT_DOUBLE_EQ(parseDecimal("7.").value(), 7.0);
    EXPECT_DOUBLE_EQ(parseDecimal(" 12 ").value(), 12.0);
    for (const char* bad :
         {"", " ", "abc", "1.2.3", "1,2.3", "1e5", "0x10", "12a", "-", ".", "nan", "inf", "1 2"}) {
        EXPECT_FALSE(parseDecimal(bad).ok()) << bad;
    }
    EXPECT_FALSE(parseDecimal(std::string(200, '9')).ok());
}

TEST(Numbers, WholeNumbersRoundHalfToEvenAndNeverWrap) {
    EXPECT_EQ(parseInt16("2.5").value(), 2);
    EXPECT_EQ(parseInt16("3.5").value(), 4);
    EXPECT_EQ(parseInt16("-2.5").value(), -2);
    EXPECT_EQ(parseInt16("1,6").value(), 2);
    EXPECT_EQ(parseInt16("32767").value(), 32767);
    EXPECT_EQ(parseInt16("-32768").value(), -32768);
    EXPECT_FALSE(parseInt16("32768").ok());
    EXPECT_FALSE(parseInt16("32767.5").ok()); // rounds to 32768
    EXPECT_FALSE(parseInt16("-32769").ok());
    EXPECT_EQ(parseInt32("2147483647").value(), 2147483647);
    EXPECT_FALSE(parseInt32("2147483648").ok());
    EXPECT_FALSE(parseInt32("12abc").ok());
}

} // namespace
