#include <gtest/gtest.h>

#include "core/model/LumarikCode.h"
#include "core/model/ModeSwitches.h"
#include "core/numeric/Calc.h"

namespace lumarik {
namespace {

void Give(LumarikCode& model, int number, float value, float low, float high) {
    model.AddVar(number, true);
    VarCollection& s = model.Selected();
    const int p = s.PositionOf(number);
    s.SetVarValue(p, value);
    s.SetVarValDef(p, true);
    s.SetLimLow(p, low);
    s.SetLimHih(p, high);
    s.SetLimLowDef(p, true);
    s.SetLimHihDef(p, true);
}

TEST(SwitchLensMirrorTest, FocalLengthAndLimitsChangeSignBothWays) {
    LumarikCode model;
    Give(model, kParFocal, 100.0f, 90.0f, 110.0f);
    ASSERT_TRUE(SwitchLensMirror(model, true));
    const CVarType& mirror = model.Selected().Item(1);
    EXPECT_EQ(mirror.sVarValue, -100.0f);
    EXPECT_EQ(mirror.sLimLow, -110.0f);
    EXPECT_EQ(mirror.sLimHih, -90.0f);
    EXPECT_FALSE(SwitchLensMirror(model, true));  // already a mirror: nothing happens
    ASSERT_TRUE(SwitchLensMirror(model, false));
    const CVarType& lens = model.Selected().Item(1);
    EXPECT_EQ(lens.sVarValue, 100.0f);
    EXPECT_EQ(lens.sLimLow, 90.0f);
    EXPECT_EQ(lens.sLimHih, 110.0f);
}

TEST(SwitchLensMirrorTest, AnUndefinedLimitStaysUndefinedOnItsNewSide) {
    LumarikCode model;
    Give(model, kParFocal, 100.0f, 90.0f, 110.0f);
    model.Selected().SetLimHihDef(1, false);
    SwitchLensMirror(model, true);
    const CVarType& r = model.Selected().Item(1);
    EXPECT_TRUE(r.bLimHihDef);
    EXPECT_EQ(r.sLimHih, -90.0f);
    EXPECT_FALSE(r.bLimLowDef);
}

TEST(SwitchLensMirrorTest, MirrorImageSpaceIndexFollowsTheObjectSpace) {
    LumarikCode model;
    model.Constants().SetAdvancedOptions(true);
    SwitchLensMirror(model, true);
    ASSERT_EQ(CommitAdvancedValue(model, kAdvIndexObject, 1.33).outcome,
              AdvancedCommit::Outcome::kAccepted);
    EXPECT_FLOAT_EQ(model.Constants().NPrime(), -1.33f);
    SwitchLensMirror(model, false);
    EXPECT_FLOAT_EQ(model.Constants().StoredNPrime(), 1.33f);
}

TEST(CommitAdvancedValueTest, RangesAndTheCurrentValue) {
    LumarikCode model;
    model.Constants().SetAdvancedOptions(true);
    using Outcome = AdvancedCommit::Outcome;
    const AdvancedCommit low = CommitAdvancedValue(model, kAdvIndexObject, 0.5);
    EXPECT_EQ(low.outcome, Outcome::kRefused);
    EXPECT_EQ(low.message, "Die Brechzahl im Objektraum muss zwischen 1.0 und 3.0 liegen!");
    EXPECT_EQ(CommitAdvancedValue(model, kAdvIndexImage, 3.01).message,
              "Die Brechzahl im Bildraum muss zwischen 1.0 und 3.0 liegen!");
    EXPECT_EQ(CommitAdvancedValue(model, kAdvIndexObject, 3.0).outcome, Outcome::kAccepted);
    EXPECT_EQ(CommitAdvancedValue(model, kAdvWavelength, 0.0).message,
              "Die Wellenlänge muß zwischen 10^1 & 10^6nm liegen! ");
    EXPECT_EQ(CommitAdvancedValue(model, kAdvWavelength, 546.1).outcome, Outcome::kUnchanged);
    for (const double ends : {10.0, 1e6}) {
        EXPECT_EQ(CommitAdvancedValue(model, kAdvWavelength, ends).outcome, Outcome::kAccepted);
    }
    EXPECT_EQ(CommitAdvancedValue(model, kAdvWavelength, 1.005e6).outcome, Outcome::kRefused);
    EXPECT_EQ(CommitAdvancedValue(model, kAdvSeparation, -25.0).outcome, Outcome::kAccepted);
    EXPECT_FLOAT_EQ(model.Constants().D(), -25.0f);
    EXPECT_EQ(CommitAdvancedValue(model, kAdvSeparation, 1e300).outcome, Outcome::kUnchanged);
}

TEST(MakeObjectDistanceNegativeTest, NegatesAndReopensTheCrossedLimit) {
    LumarikCode model;
    Give(model, kParObjectDist, 200.0f, -300.0f, 250.0f);
    MakeObjectDistanceNegative(model);
    const CVarType& r = model.Selected().Item(1);
    EXPECT_EQ(r.sVarValue, -200.0f);
    EXPECT_EQ(r.sLimLow, -300.0f);
    EXPECT_FLOAT_EQ(r.sLimHih, -180.0f);
}

TEST(MakeObjectDistanceNegativeTest, LeavesRealAndInfiniteObjectsAlone) {
    LumarikCode model;
    Give(model, kParObjectDist, -200.0f, -300.0f, -100.0f);
    MakeObjectDistanceNegative(model);
    EXPECT_EQ(model.Selected().Item(1).sVarValue, -200.0f);
    EXPECT_EQ(model.Selected().Item(1).sLimHih, -100.0f);

    LumarikCode infinite;
    Give(infinite, kParObjectDist, kInfinity, 0.0f, 0.0f);
    infinite.Selected().SetLimLowDef(1, false);
    infinite.Selected().SetLimHihDef(1, false);
    MakeObjectDistanceNegative(infinite);
    EXPECT_EQ(infinite.Selected().Item(1).sVarValue, kInfinity);
    EXPECT_FALSE(infinite.Selected().Item(1).bLimHihDef);
}

}  // namespace
}  // namespace lumarik
