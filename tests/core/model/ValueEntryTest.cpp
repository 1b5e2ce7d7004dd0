// The slider arithmetic of a value row: the limit window a value opens or widens, and the
// slider position of a value and back.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <tuple>

#include "core/model/ValueEntry.h"

namespace lumarik {
namespace {

CVarType WithLimits(float value, float low, float high) {
    CVarType r;
    r.sVarValue = value;
    r.bVarValDef = r.bLimLowDef = r.bLimHihDef = true;
    r.sLimLow = low;
    r.sLimHih = high;
    return r;
}

// A first value opens a window around it, 0 opens none, a later value moves only the limit
// it crossed, and a huge one keeps the limits finite.
TEST(ExtendLimits, OpenAndWidenTheWindow) {
    CVarType r;
    EXPECT_FALSE(ExtendLimits(r, 0.0f, 0.1f));
    EXPECT_FALSE(r.bLimLowDef || r.bLimHihDef);
    EXPECT_TRUE(ExtendLimits(r, -250.0f, 0.1f));
    EXPECT_TRUE(r.bLimLowDef && r.bLimHihDef);
    EXPECT_FLOAT_EQ(r.sLimLow, -275.0f);
    EXPECT_FLOAT_EQ(r.sLimHih, -225.0f);
    CVarType focal;
    EXPECT_TRUE(ExtendLimits(focal, 100.0f, 0.1f));
    EXPECT_TRUE(focal.sLimLow == 90.0f && focal.sLimHih == 110.0f);

    r = WithLimits(100.0f, 90.0f, 110.0f);
    EXPECT_FALSE(ExtendLimits(r, 105.0f, 0.1f));
    EXPECT_TRUE(ExtendLimits(r, 200.0f, 0.1f));
    EXPECT_TRUE(ExtendLimits(r, -10.0f, 0.1f));
    EXPECT_FLOAT_EQ(r.sLimLow, -11.0f);
    EXPECT_FLOAT_EQ(r.sLimHih, 220.0f);

    CVarType huge;
    ExtendLimits(huge, 3.4e38f, 0.5f);
    EXPECT_TRUE(std::isfinite(huge.sLimHih) && std::isfinite(huge.sLimLow));
}

// Positions round halves to even; there is none without two distinct limits, outside them
// (however far) or for a value that is not a number.
TEST(Slider, PositionFollowsTheValue) {
    const std::tuple<CVarType, std::optional<int>> cases[] = {
        {WithLimits(100.0f, 90.0f, 110.0f), 50},
        {WithLimits(90.0f, 90.0f, 110.0f), 0},
        {WithLimits(110.0f, 90.0f, 110.0f), 100},
        {WithLimits(2.5f, 0.0f, 100.0f), 2},
        {WithLimits(3.5f, 0.0f, 100.0f), 4},
        {WithLimits(5.0f, 5.0f, 5.0f), std::nullopt},
        {WithLimits(120.0f, 90.0f, 110.0f), std::nullopt},
        {WithLimits(-3e38f, -3e38f, 3e38f), 0},
        {WithLimits(NAN, 0.0f, 100.0f), std::nullopt},
        {WithLimits(3e38f, 0.0f, 1.0f), std::nullopt}};
    for (const auto& [record, position] : cases) {
        EXPECT_EQ(SliderPosition(record, 0, 100), position) << record.sVarValue;
    }
    CVarType noLimits;
    noLimits.sVarValue = 5.0f;
    EXPECT_EQ(SliderPosition(noLimits, 0, 100), std::nullopt);
    // Half a step past the end rounds (to even) beyond it.
    EXPECT_EQ(SliderPosition(WithLimits(1.5f, 0.0f, 1.0f), 0, 1), std::nullopt);
}

TEST(Slider, ValueAtAPositionInvertsThePosition) {
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
