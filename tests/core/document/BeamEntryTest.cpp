#include <gtest/gtest.h>

#include "core/document/LumarikDocument.h"

namespace lumarik {
namespace {

// The beam mode with f', s and r chosen (rows 0, 1, 2). No asker: a sign rule applied to a beam
// row would refuse the value.
struct BeamEntry : ::testing::Test {
    LumarikDocument doc;
    void SetUp() override {
        doc.SetBeamMode(true);
        for (int n : {kBeamFocal, kBeamObjectDist, kBeamObjRadius}) {
            EXPECT_EQ(doc.SelectBeamParameter(n, true).outcome, BeamSelectOutcome::kAccepted);
        }
    }
    ValueCommit Type(int row, std::string_view text) {
        return doc.CommitValue(row, text, "shown before", true, nullptr);
    }
    float Value(int row) { return doc.RowRecord(row)->sVarValue; }
};

TEST_F(BeamEntry, RowsEditTheBeamQuantitiesWithoutTheLensSignRules) {
    EXPECT_FALSE(doc.RowHasRecord(kApertureRow));
    const ValueCommit f = Type(0, "100");
    EXPECT_EQ(doc.LastBackupReason(), kBackupBeamValue);
    EXPECT_TRUE(f.beam.shown && !f.beam.ok);  // s and r not typed yet: no solution from zeros
    EXPECT_EQ(Type(1, "200").outcome, ValueCommit::Outcome::kStored);  // a real waist: positive
    const ValueCommit r = Type(2, "0.5");
    EXPECT_EQ(r.boxText, "0.5mm");
    EXPECT_TRUE(r.beam.ok);
    EXPECT_FLOAT_EQ(doc.RowRecord(2)->sLimHih, 0.55f);

    // Refused limits give the messages of the lens mode; a slider step solves again.
    EXPECT_EQ(doc.CommitLimit(1, true, "150", "", nullptr).outcome, LimitCommit::Outcome::kRefused);
    const SliderCommit slid = doc.MoveSlider(0, 100, 0, 100);
    EXPECT_FLOAT_EQ(Value(0), 110.0f);
    EXPECT_TRUE(slid.beam.ok);
    EXPECT_EQ(doc.LastBackupReason(), kBackupSlider);

    // Undo takes the slider run back; leaving the beam mode shows the lens rows again.
    ASSERT_TRUE(doc.Undo());
    EXPECT_FLOAT_EQ(Value(0), 100.0f);
    doc.SetBeamMode(false);
    EXPECT_FALSE(doc.RowHasRecord(0));
}

TEST_F(BeamEntry, ADivergenceIsTypedInMilliradians) {
    doc.SelectBeamParameter(kBeamObjRadius, false);
    doc.SelectBeamParameter(kBeamObjDivergence, true);
    EXPECT_EQ(Type(2, "1").boxText, "1.0mrad");
    EXPECT_FLOAT_EQ(Value(2), 0.001f);
    // A fourth box is ignored without an undo step.
    doc.TakeBackup(kBackupClear);
    EXPECT_EQ(doc.SelectBeamParameter(kBeamImgRadius, true).outcome,
              BeamSelectOutcome::kIgnoredFull);
    EXPECT_EQ(doc.LastBackupReason(), kBackupClear);
}

TEST_F(BeamEntry, UndoAndClearCoverTheBeamState) {
    Type(0, "100");
    doc.TakeBackup(kBackupDiode);
    doc.Beam().SetDiodeMode(true);
    doc.Beam().SetWavelengthNm(1064);
    doc.Undo();
    EXPECT_FALSE(doc.Beam().DiodeMode());
    EXPECT_DOUBLE_EQ(doc.Beam().GetWavelengthNm(), 632.8);
    doc.Undo();  // and redo
    doc.SelectBeamParameter(kBeamFocal, false);
    doc.Undo();
    EXPECT_EQ(doc.Beam().Selection(0).Count(), 3);
    EXPECT_FLOAT_EQ(Value(0), 100.0f);

    EXPECT_TRUE(doc.CommitBeamWavelength("532nm").stored);
    EXPECT_EQ(doc.BeamWavelengthText(), "532.0nm");
    EXPECT_FALSE(doc.CommitBeamWavelength("-5").stored);
    doc.Undo();
    EXPECT_DOUBLE_EQ(doc.Beam().GetWavelengthNm(), 1064);

    doc.Clear();
    EXPECT_EQ(doc.Beam().Selection(0).Count(), 0);
    EXPECT_FALSE(doc.Beam().DiodeMode());
    doc.Undo();
    EXPECT_EQ(doc.Beam().Selection(0).Count(), 3);
    EXPECT_TRUE(doc.Beam().DiodeMode());
    EXPECT_TRUE(doc.BeamMode());
}

// The drawing's scale list and fixed distance change only the picture: no undo step.
TEST_F(BeamEntry, TheDrawingScaleTakesAListedModeAndAPositiveDistance) {
    for (int mode : {-1, int{kScaleModeCount}, int{kScaleAutomatic}}) {
        EXPECT_FALSE(doc.SetBeamDrawScaleType(mode)) << mode;
    }
    EXPECT_TRUE(doc.SetBeamDrawScaleType(kScaleToImage));
    EXPECT_EQ(doc.BeamDrawing().scaleMode, kScaleToImage);
    EXPECT_FALSE(doc.CommitBeamDrawScale("-5").stored);
    EXPECT_TRUE(doc.CommitBeamDrawScale("250").stored);
    EXPECT_FALSE(doc.CommitBeamDrawScale("250").stored);
    EXPECT_EQ(doc.BeamDrawing().fixedDistance, 250.0);
    EXPECT_EQ(doc.LastBackupReason(), kBackupBeamSelection);
    EXPECT_TRUE(doc.SetBeamDrawScaleType(kScaleAutomatic));
}

}  // namespace
}  // namespace lumarik
