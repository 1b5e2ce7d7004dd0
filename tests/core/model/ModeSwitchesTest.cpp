// The mode switches: lens/mirror, the advanced constants' ranges and the real-object sign.
#include <gtest/gtest.h>

#include "ModelTestSupport.h"
#include "core/model/ModeSwitches.h"

namespace lumarik::test {
namespace {

// Parameter `number` with a value and both limits defined.
const CVarType& Give(LumarikCode& model, int number, float value, float low, float high) {
    Choose(model, {{number, value}});
    VarCollection& s = model.Selected();
    const int p = s.PositionOf(number);
    s.SetLimLow(p, low);
    s.SetLimHih(p, high);
    s.SetLimLowDef(p, true);
    s.SetLimHihDef(p, true);
    return s.Item(p);
}

bool Holds(const CVarType& r, float value, float low, float high) {
    return r.sVarValue == value && r.sLimLow == low && r.sLimHih == high;
}

// The focal length and its limits change sign both ways; an undefined limit stays undefined
// on its new side.
TEST(SwitchLensMirror, FocalLengthAndLimitsChangeSign) {
    LumarikCode model;
    const CVarType& r = Give(model, kParFocal, 100.0f, 90.0f, 110.0f);
    ASSERT_TRUE(SwitchLensMirror(model, true));
    EXPECT_TRUE(Holds(r, -100.0f, -110.0f, -90.0f));
    EXPECT_FALSE(SwitchLensMirror(model, true));  // already a mirror: nothing happens
    ASSERT_TRUE(SwitchLensMirror(model, false));
    EXPECT_TRUE(Holds(r, 100.0f, 90.0f, 110.0f));

    model.Selected().SetLimHihDef(1, false);
    SwitchLensMirror(model, true);
    EXPECT_TRUE(r.bLimHihDef && !r.bLimLowDef && r.sLimHih == -90.0f);
}

TEST(SwitchLensMirror, MirrorImageSpaceIndexFollowsTheObjectSpace) {
    LumarikCode model;
    model.Constants().SetAdvancedOptions(true);
    SwitchLensMirror(model, true);
    ASSERT_EQ(CommitAdvancedValue(model, kAdvIndexObject, 1.33).outcome,
              AdvancedCommit::Outcome::kAccepted);
    EXPECT_FLOAT_EQ(model.Constants().NPrime(), -1.33f);
    SwitchLensMirror(model, false);
    EXPECT_FLOAT_EQ(model.Constants().StoredNPrime(), 1.33f);
}

TEST(CommitAdvancedValue, RangesAndTheCurrentValue) {
    LumarikCode model;
    model.Constants().SetAdvancedOptions(true);
    using Outcome = AdvancedCommit::Outcome;
    EXPECT_EQ(CommitAdvancedValue(model, kAdvIndexObject, 0.5).message,
              "Die Brechzahl im Objektraum muss zwischen 1.0 und 3.0 liegen!");
    const std::tuple<int, double, Outcome> cases[] = {
        {kAdvIndexImage, 3.01, Outcome::kRefused},    {kAdvIndexObject, 3.0, Outcome::kAccepted},
        {kAdvWavelength, 0.0, Outcome::kRefused},     {kAdvWavelength, 546.1, Outcome::kUnchanged},
        {kAdvWavelength, 10.0, Outcome::kAccepted},   {kAdvWavelength, 1e6, Outcome::kAccepted},
        {kAdvWavelength, 1.005e6, Outcome::kRefused}, {kAdvWavelength, 9.95, Outcome::kRefused},
        {kAdvSeparation, -25.0, Outcome::kAccepted},  {kAdvSeparation, 1e300, Outcome::kUnchanged}};
    for (const auto& [which, value, outcome] : cases) {
        EXPECT_EQ(CommitAdvancedValue(model, which, value).outcome, outcome) << value;
    }
    EXPECT_FLOAT_EQ(model.Constants().D(), -25.0f);
}

// A virtual object distance is negated and the limit it crossed reopened; real and infinite
// objects are left alone.
TEST(MakeObjectDistanceNegative, NegatesOnlyAPositiveFiniteDistance) {
    LumarikCode model;
    const CVarType& r = Give(model, kParObjectDist, 200.0f, -300.0f, 250.0f);
    MakeObjectDistanceNegative(model);
    EXPECT_EQ(r.sVarValue, -200.0f);
    EXPECT_EQ(r.sLimLow, -300.0f);
    EXPECT_FLOAT_EQ(r.sLimHih, -180.0f);
    MakeObjectDistanceNegative(model);
    EXPECT_TRUE(Holds(r, -200.0f, -300.0f, r.sLimHih));
    LumarikCode crossed;  // the negated value lies below the negated low limit
    const CVarType& c = Give(crossed, kParObjectDist, 200.0f, 150.0f, 250.0f);
    MakeObjectDistanceNegative(crossed);
    EXPECT_TRUE(Holds(c, -200.0f, -220.0f, -180.0f));

    LumarikCode infinite;
    const CVarType& i = Give(infinite, kParObjectDist, kInfinity, 0.0f, 0.0f);
    infinite.Selected().SetLimHihDef(1, false);
    MakeObjectDistanceNegative(infinite);
    EXPECT_TRUE(i.sVarValue == kInfinity && !i.bLimHihDef);
}

}  // namespace
}  // namespace lumarik::test
