#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include "core/model/CVarType.h"
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
    EXPECT_THROW(Asin(1.0000001), CalcError);
    EXPECT_THROW(Acos(-1.5), CalcError);
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
    EXPECT_DOUBLE_EQ(Asin(1.0), M_PI / 2);
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

TEST(CVarTypeTest, NewRecordIsEmptyAndCopyToTakesEveryField) {
    const CVarType empty;
    EXPECT_EQ(empty.nVarType, 0);
    EXPECT_FALSE(empty.bVarValDef || empty.bLimLowDef || empty.bLimHihDef);
    EXPECT_EQ(empty.sVarValue + empty.sLimLow + empty.sLimHih, 0.0f);

    CVarType source;
    source.nVarType = 5;
    source.sVarValue = 25.0f;
    source.bVarValDef = true;
    source.sLimLow = 22.5f;
    source.sLimHih = 27.5f;
    source.bLimLowDef = true;
    source.bLimHihDef = true;
    CVarType target;
    target.nVarType = 1;
    source.CopyTo(target);
    EXPECT_EQ(target.nVarType, 5);
    EXPECT_EQ(target.sVarValue, 25.0f);
    EXPECT_EQ(target.sLimLow, 22.5f);
    EXPECT_EQ(target.sLimHih, 27.5f);
    EXPECT_TRUE(target.bVarValDef && target.bLimLowDef && target.bLimHihDef);
}

}  // namespace
}  // namespace lumarik
