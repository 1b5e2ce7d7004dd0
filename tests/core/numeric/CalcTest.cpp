#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include "core/numeric/Calc.h"

namespace lumarik {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(CalcTest, RunTimeErrorsAreRaised) {
    EXPECT_THROW(Div(1.0, 0.0), CalcError);
    EXPECT_THROW(Div(0.0, 0.0), CalcError);
    EXPECT_THROW(Div(1e308, 1e-308), CalcError);  // overflow
    EXPECT_THROW(Sqrt(-1e-12), CalcError);
    EXPECT_THROW(Sqrt(kNaN), CalcError);
    for (double x : {1.005, -1.005}) {  // just outside -1..1, on either side
        EXPECT_THROW(Asin(x), CalcError) << x;
        EXPECT_THROW(Acos(x), CalcError) << x;
    }
    EXPECT_THROW(Log(0.0), CalcError);
    EXPECT_THROW(Atan(kNaN), CalcError);
    EXPECT_THROW(Checked(kInf), CalcError);
    EXPECT_THROW(Single(3.5e38), CalcError);
    EXPECT_THROW(Single(-kInf), CalcError);
    EXPECT_THROW(Single(kNaN), CalcError);
}

TEST(CalcTest, ValidArgumentsGiveTheOrdinaryResult) {
    EXPECT_DOUBLE_EQ(Div(1.0, 4.0), 0.25);
    EXPECT_DOUBLE_EQ(Sqrt(0.0), 0.0);
    EXPECT_DOUBLE_EQ(Asin(1.0), M_PI / 2);  // the ends of -1..1 belong to it
    EXPECT_DOUBLE_EQ(Asin(-1.0), -M_PI / 2);
    EXPECT_DOUBLE_EQ(Acos(1.0), 0.0);
    EXPECT_DOUBLE_EQ(Acos(-1.0), M_PI);
    EXPECT_DOUBLE_EQ(Log(M_E), 1.0);
    EXPECT_DOUBLE_EQ(Atan(1.0), M_PI / 4);
    EXPECT_EQ(Single(FLT_MAX), FLT_MAX);
    EXPECT_EQ(Single(0.1), 0.1f);
}

TEST(CalcTest, InfinityMarkerIsTheStoredBitPattern) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &kInfinity, sizeof bits);
    EXPECT_EQ(bits, 0xE0AD78ECu);
    EXPECT_EQ(Single(-1e20), kInfinity);
}

}  // namespace
}  // namespace lumarik
