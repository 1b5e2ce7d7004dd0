#include <gtest/gtest.h>

#include <fstream>

#include "core/document/LumarikDocument.h"
#include "core/document/ValueAsker.h"
#include "support/TempFolder.h"

namespace lumarik {
namespace {

struct NeverAsked : ValueAsker {
    std::optional<std::string> Ask(std::string_view prompt, std::string_view,
                                   std::string_view) override {
        ADD_FAILURE() << "asked: " << prompt;
        return std::nullopt;
    }
};

// The beam mode with f', s and r chosen (rows 0, 1, 2).
struct BeamEntry : ::testing::Test {
    LumarikDocument doc;
    NeverAsked asker;
    void SetUp() override {
        doc.SetBeamMode(true);
        for (int n : {kBeamFocal, kBeamObjectDist, kBeamObjRadius}) {
            EXPECT_EQ(doc.SelectBeamParameter(n, true).outcome, BeamSelectOutcome::kAccepted);
        }
    }
    ValueCommit Type(int row, std::string_view text) {
        return doc.CommitValue(row, text, "shown before", true, &asker);
    }
    float Value(int row) { return doc.RowRecord(row)->sVarValue; }
};

TEST_F(BeamEntry, RowsEditTheBeamQuantitiesWithoutTheLensSignRules) {
    EXPECT_FALSE(doc.RowHasRecord(kApertureRow));
    const ValueCommit f = Type(0, "100");
    EXPECT_EQ(f.boxText, "100.0mm");
    EXPECT_EQ(doc.LastBackupReason(), kBackupBeamValue);
    EXPECT_TRUE(f.beam.shown);
    EXPECT_FALSE(f.beam.ok);  // s and r not typed yet: no solution from zeros
    EXPECT_EQ(Type(1, "200").outcome, ValueCommit::Outcome::kStored);  // a real waist: positive
    const ValueCommit r = Type(2, "0.5");
    EXPECT_EQ(r.boxText, "0.5mm");
    EXPECT_TRUE(r.beam.ok);
    EXPECT_FLOAT_EQ(doc.RowRecord(2)->sLimHih, 0.55f);
    // zr = 1241 mm at 632.8 nm puts the image waist near the focal point.
    EXPECT_NEAR(doc.Beam().GetBeamValue(0, kBeamImageDist), 100.645, 0.001);

    // Refused limits give the messages of the lens mode; a slider step solves again.
    EXPECT_EQ(doc.CommitLimit(1, true, "150", "", &asker).outcome, LimitCommit::Outcome::kRefused);
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
    // A fourth box is ignored without an undo step; a refused one takes one.
    doc.TakeBackup(kBackupClear);
    EXPECT_EQ(doc.SelectBeamParameter(kBeamImgRadius, true).outcome,
              BeamSelectOutcome::kIgnoredFull);
    EXPECT_EQ(doc.LastBackupReason(), kBackupClear);
}

TEST_F(BeamEntry, UndoClearAndRecallCoverTheBeamState) {
    Type(0, "100");
    doc.TakeBackup(kBackupDiode);
    doc.Beam().SetDiodeMode(true);
    doc.Beam().SetWavelengthNm(1064);
    doc.Undo();
    EXPECT_FALSE(doc.Beam().DiodeMode());
    EXPECT_DOUBLE_EQ(doc.Beam().GetWavelengthNm(), 632.8);
    doc.Undo();  // and redo
    EXPECT_TRUE(doc.Beam().DiodeMode());
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

using BeamSettingsFile = test::TempFolder;

TEST_F(BeamSettingsFile, SavedBeamStateLoadsBackAndDamagedValuesTakeTheirDefaults) {
    LumarikDocument saved;
    saved.SetBeamMode(true);
    saved.SelectBeamParameter(kBeamFocal, true);
    saved.SelectBeamParameter(kBeamImgRayleigh, true);
    saved.CommitValue(0, "80", "", true, nullptr);
    saved.Beam().SetWavelengthNm(1064);
    saved.Beam().SetDiodeMode(true);
    saved.Beam().SetCollimationMode(1);
    INICode ini(m_dir / "Lumarik.INI");
    ASSERT_TRUE(ini.WriteStrings(saved.SettingsEntries()).ok);
    LumarikDocument loaded;
    loaded.Load(ini);
    EXPECT_TRUE(loaded.BeamMode());
    EXPECT_EQ(loaded.Beam().Selection(0).Numbers(), (std::vector<int>{0, 10}));
    EXPECT_FLOAT_EQ(loaded.Beam().Selection(0).VarValue(1), 80.0f);
    EXPECT_DOUBLE_EQ(loaded.Beam().GetWavelengthNm(), 1064);
    EXPECT_TRUE(loaded.Beam().DiodeMode());
    EXPECT_EQ(loaded.Beam().CollimationMode(), 1);

    std::ofstream(m_dir / "Lumarik.INI")
        << "[ExtraGB]\nGBWaveLen=abc\nGBMfactor=-2\nGBDrgScale=-4\n"
           "GBDrgScaleType=9\nGBDiodeCollimationMode=7\nGBConjDist=0\n"
           "ShowExtraGB=falsch\n";
    loaded.Load(ini);
    EXPECT_FALSE(loaded.BeamMode());
    EXPECT_FALSE(loaded.Opts().showExtraGB);
    EXPECT_DOUBLE_EQ(loaded.Beam().GetWavelengthNm(), 632.8);
    EXPECT_DOUBLE_EQ(loaded.Beam().GetM2(0), 1.0);
    EXPECT_DOUBLE_EQ(loaded.Opts().beamDrawScale, 0.0);
    EXPECT_EQ(loaded.Opts().beamDrawScaleType, 6);
    EXPECT_EQ(loaded.Beam().CollimationMode(), 1);
    EXPECT_DOUBLE_EQ(loaded.Beam().MinSpotDistance(), 100.0);
    EXPECT_EQ(loaded.Beam().Selection(0).Count(), 0);
}

}  // namespace
}  // namespace lumarik
