#include "core/format/Rounding.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <tuple>

#include "core/model/Calc.h"

namespace lumarik {
namespace {

TEST(Rounding, RoundHalfAwayOnTheShownDigits) {
    const std::tuple<double, int, double> cases[] = {
        {2.675, 2, 2.68}, {-1.005, 2, -1.01}, {-2.5, 0, -3},        {1234.5, -1, 1230},
        {1235, -1, 1240}, {1e-300, 2, 0},     {0.1 + 0.2, 20, 0.3}, {DBL_MAX, -309, 0}};
    for (const auto& [value, decimals, expected] : cases) {
        EXPECT_EQ(RoundHalfAway(value, decimals), expected) << value << " " << decimals;
    }
    EXPECT_EQ(RoundHalfAway(2.675f, 2), 2.68f);
    EXPECT_EQ(RoundHalfAway(static_cast<double>(2.675f), 2), 2.67);
    EXPECT_TRUE(std::signbit(RoundHalfAway(-0.004, 2)));
    EXPECT_TRUE(std::isnan(RoundHalfAway(std::nan(""), 2)));
    EXPECT_THROW(RoundHalfAway(DBL_MAX, -308), CalcError);
}

TEST(Rounding, RoundHalfEvenForSliderPositions) {
    const std::tuple<double, long> cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {0.5, 0},
        {-0.5, 0},
        {2.4999999, 2},
        {2.5000001, 3},
        {-0.6, -1},
        {7, 7},
        {4503599627370495.5, 4503599627370496},
        {-9223372036854775808.0, std::numeric_limits<long>::min()}};
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(RoundHalfEven(value), expected) << value;
    }
    for (const double value :
         {std::nan(""), std::numeric_limits<double>::infinity(), 9223372036854775808.0, -9.3e18}) {
        EXPECT_THROW(RoundHalfEven(value), CalcError) << value;
    }
}

}  // namespace
}  // namespace lumarik
