// The circularised laser diode couples f' and s: s = f' (minimum divergence) or s = f' + zr
// (largest waist distance). Whatever the user types or moves, the lens keeps the sign the user
// gave it and every coupled row stays inside its limits.
#include <gtest/gtest.h>

#include <cmath>

#include "core/document/LumarikDocument.h"

namespace lumarik {
namespace {

constexpr double kPi = 3.141592654;
constexpr double kLambdaMm = 632.8e-6;

class BeamCoupling : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        doc.SetBeamMode(true);
        for (BeamQuantity n : {kBeamFocal, kBeamObjectDist, kBeamObjDivergence}) {
            doc.SelectBeamParameter(n, true);
        }
        Type(0, "100");
        Type(1, "200");
        Type(2, "1");
        doc.SwitchDiodeMode(true);
        doc.SetCollimationMode(GetParam());
        doc.SwitchCircularisation(true);
    }
    ValueCommit Type(int row, const char* text) {
        return doc.CommitValue(row, text, "", true, nullptr);
    }
    const CVarType& Row(int row) const { return *doc.RowRecord(row); }
    double Focal() const { return Row(0).sVarValue; }
    double Object() const { return Row(1).sVarValue; }
    // The Rayleigh length of the waist with half divergence w: zr = λ/(π·w²), 201.43 mm at
    // 1 mrad.
    double Offset() const {
        const double w = Row(2).sVarValue;
        return GetParam() == 1 ? kLambdaMm / (kPi * w * w) : 0.0;
    }
    // s = f' (+ zr) and each row inside its own limits.
    void ExpectCoupledWithinLimits() const {
        EXPECT_NEAR(Object(), Focal() + Offset(), 1e-3 * std::fabs(Object()));
        for (int row = 0; row < 3; ++row) {
            const CVarType& r = Row(row);
            ASSERT_TRUE(r.bLimLowDef && r.bLimHihDef) << row;
            EXPECT_GE(r.sVarValue, r.sLimLow) << row;
            EXPECT_LE(r.sVarValue, r.sLimHih) << row;
        }
    }

    LumarikDocument doc;
};

// Every slider position of f' and of s either is refused (nothing changes, no undo step, a
// German reason) or leaves a converging lens with all rows inside their limits.
TEST_P(BeamCoupling, SlidersNeverTurnTheLensNorLeaveTheLimits) {
    Type(0, "60");
    int refused = 0;
    int moved = 0;
    for (int row : {0, 1}) {
        for (int position = 0; position <= 1000; position += 50) {
            const float focal = Row(0).sVarValue;
            const float object = Row(1).sVarValue;
            doc.SetConstructionRays(false);  // an undo step of another reason
            const BackupReason reason = doc.LastBackupReason();
            const SliderCommit c = doc.MoveSlider(row, position, 0, 1000);
            if (!c.beam.refusal.empty()) {
                ++refused;
                EXPECT_FALSE(c.moved);
                EXPECT_EQ(Row(0).sVarValue, focal);
                EXPECT_EQ(Row(1).sVarValue, object);
                EXPECT_EQ(doc.LastBackupReason(), reason);
                EXPECT_NE(c.beam.refusal.find("Der Wert bleibt unverändert"), std::string::npos);
                continue;
            }
            ++moved;
            EXPECT_GT(Focal(), 0.0);
            ExpectCoupledWithinLimits();
        }
    }
    EXPECT_GT(moved, 0);
    // The window of s reaches below f' = 0 in mode 1, that of f' out of s's window in both.
    EXPECT_GT(refused, 0);
}

// A typed value is the user's own choice and opens the limits, the coupled ones too; still it
// never turns the lens.
TEST_P(BeamCoupling, TypedValuesOpenTheLimitsButNeverTurnTheLens) {
    ExpectCoupledWithinLimits();
    EXPECT_TRUE(doc.Beam().AxisSolved(0));
    const float focal = Row(0).sVarValue;
    const float object = Row(1).sVarValue;
    doc.SetConstructionRays(false);
    const BackupReason reason = doc.LastBackupReason();
    // Mode 0: f' = s = −50; mode 1: f' = 100 − 201.4 < 0.
    const ValueCommit c = Type(1, GetParam() == 1 ? "100" : "-50");
    EXPECT_EQ(c.outcome, ValueCommit::Outcome::kRestored);
    EXPECT_NE(c.beam.refusal.find("umgekehrtem Vorzeichen"), std::string::npos);
    EXPECT_EQ(Row(0).sVarValue, focal);
    EXPECT_EQ(Row(1).sVarValue, object);
    EXPECT_EQ(doc.LastBackupReason(), reason);
    // A typed f' of the other sign is what the user asked for.
    EXPECT_EQ(Type(0, "-60").outcome, ValueCommit::Outcome::kStored);
    ExpectCoupledWithinLimits();
    Type(2, "2");  // a new divergence moves s in mode 1
    ExpectCoupledWithinLimits();
}

INSTANTIATE_TEST_SUITE_P(BothCollimationModes, BeamCoupling, ::testing::Values(0, 1));

}  // namespace
}  // namespace lumarik
