#include <gtest/gtest.h>

#include <cmath>

#include "core/model/ValueEntry.h"

namespace lumarik {
namespace {

CVarType WithLimits(float value, float low, float high) {
    CVarType r;
    r.sVarValue = value;
    r.bVarValDef = true;
    r.sLimLow = low;
    r.sLimHih = high;
    r.bLimLowDef = r.bLimHihDef = true;
    return r;
}

TEST(ExtendLimitsTest, FirstValueOpensAWindowAroundIt) {
    CVarType focal;
    EXPECT_TRUE(ExtendLimits(focal, 100.0f, 0.1f));
    EXPECT_FLOAT_EQ(focal.sLimLow, 90.0f);
    EXPECT_FLOAT_EQ(focal.sLimHih, 110.0f);

    CVarType object;
    EXPECT_TRUE(ExtendLimits(object, -250.0f, 0.1f));
    EXPECT_FLOAT_EQ(object.sLimLow, -275.0f);
    EXPECT_FLOAT_EQ(object.sLimHih, -225.0f);
}

TEST(ExtendLimitsTest, ZeroLeavesUndefinedLimitsUndefined) {
    CVarType r;
    EXPECT_FALSE(ExtendLimits(r, 0.0f, 0.1f));
    EXPECT_FALSE(r.bLimLowDef || r.bLimHihDef);
}

TEST(ExtendLimitsTest, ALaterValueMovesOnlyTheLimitItCrossed) {
    CVarType r = WithLimits(100.0f, 90.0f, 110.0f);
    EXPECT_FALSE(ExtendLimits(r, 105.0f, 0.1f));
    EXPECT_TRUE(ExtendLimits(r, 200.0f, 0.1f));
    EXPECT_FLOAT_EQ(r.sLimLow, 90.0f);
    EXPECT_FLOAT_EQ(r.sLimHih, 220.0f);
    EXPECT_TRUE(ExtendLimits(r, -10.0f, 0.1f));
    EXPECT_FLOAT_EQ(r.sLimLow, -11.0f);
    EXPECT_FLOAT_EQ(r.sLimHih, 220.0f);
}

TEST(ExtendLimitsTest, AHugeValueKeepsFiniteLimits) {
    CVarType r;
    ExtendLimits(r, 3.4e38f, 0.5f);
    EXPECT_TRUE(std::isfinite(r.sLimHih));
    EXPECT_TRUE(std::isfinite(r.sLimLow));
}

TEST(SliderTest, PositionFollowsTheValueAndRoundsHalvesToEven) {
    EXPECT_EQ(SliderPosition(WithLimits(100.0f, 90.0f, 110.0f), 0, 100), 50);
    EXPECT_EQ(SliderPosition(WithLimits(90.0f, 90.0f, 110.0f), 0, 100), 0);
    EXPECT_EQ(SliderPosition(WithLimits(110.0f, 90.0f, 110.0f), 0, 100), 100);
    EXPECT_EQ(SliderPosition(WithLimits(2.5f, 0.0f, 100.0f), 0, 100), 2);
    EXPECT_EQ(SliderPosition(WithLimits(3.5f, 0.0f, 100.0f), 0, 100), 4);
}

TEST(SliderTest, NoPositionWithoutTwoDistinctLimitsOrOutsideTheRange) {
    CVarType noLimits;
    noLimits.sVarValue = 5.0f;
    EXPECT_EQ(SliderPosition(noLimits, 0, 100), std::nullopt);
    EXPECT_EQ(SliderPosition(WithLimits(5.0f, 5.0f, 5.0f), 0, 100), std::nullopt);
    EXPECT_EQ(SliderPosition(WithLimits(120.0f, 90.0f, 110.0f), 0, 100), std::nullopt);
    EXPECT_EQ(SliderPosition(WithLimits(-3e38f, -3e38f, 3e38f), 0, 100), 0);
}

TEST(SliderTest, ValueAtAPositionInvertsThePosition) {
    const CVarType r = WithLimits(0.0f, -275.0f, -225.0f);
    EXPECT_FLOAT_EQ(SliderValue(r, 0, 0, 100), -275.0f);
    EXPECT_FLOAT_EQ(SliderValue(r, 100, 0, 100), -225.0f);
    for (int position = 0; position <= 100; ++position) {
        CVarType moved = r;
        moved.sVarValue = SliderValue(r, position, 0, 100);
        EXPECT_EQ(SliderPosition(moved, 0, 100), position);
    }
}

}  // namespace
}  // namespace lumarik
