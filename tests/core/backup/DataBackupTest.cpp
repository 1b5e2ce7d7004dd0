#include <gtest/gtest.h>

#include "core/backup/DataBackup.h"
#include "core/model/LumarikCode.h"
#include "core/model/Options.h"

namespace lumarik {
namespace {

class DataBackupTest : public ::testing::Test {
protected:
    DataBackupTest() {
        model.AddVar(kParFocal, true);
        model.AddVar(kParObjectDist, true);
    }
    // A change as the window makes it: backup first, then the new value.
    void Change(BackupReason reason, int index, int position, float value) {
        backup.TakeBackup(reason, index, model, options, beam);
        model.Selected().SetVarValue(position, value);
        model.Selected().SetVarValDef(position, true);
    }
    float Value(int position) const { return model.Selected().VarValue(position); }

    LumarikCode model;
    Options options;
    GaussianBeam beam;
    DataBackup backup;
};

TEST_F(DataBackupTest, UndoWithoutSnapshotDoesNothing) {
    EXPECT_FALSE(backup.Undo(model, options, beam));
    EXPECT_EQ(model.Selected().Count(), 2);
}

TEST_F(DataBackupTest, ASliderRunKeepsTheStateBeforeItsFirstMove) {
    Change(kBackupValue, 0, 1, 100.0f);
    for (int step = 1; step <= 10; ++step) Change(kBackupSlider, 0, 1, 100.0f + step);
    Change(kBackupSlider, 1, 2, -50.0f);  // another slider starts its own run
    Change(kBackupSlider, 1, 2, -60.0f);
    backup.Undo(model, options, beam);
    EXPECT_EQ(Value(1), 110.0f);
    EXPECT_FALSE(model.Selected().VarValDef(2));
}

TEST_F(DataBackupTest, ASliderRunAfterUndoTakesAFreshSnapshot) {
    Change(kBackupSlider, 0, 1, 101.0f);
    Change(kBackupSlider, 0, 1, 102.0f);
    backup.Undo(model, options, beam);  // back to before the run
    Change(kBackupSlider, 0, 1, 103.0f);
    backup.Undo(model, options, beam);
    EXPECT_FALSE(model.Selected().VarValDef(1));
}

// A change of the choice (reason 0) takes its snapshot like any other reason.
TEST_F(DataBackupTest, SelectionOptionsAndConstantsComeBackTogether) {
    backup.TakeBackup(kBackupSelection, 0, model, options, beam);
    model.Selected().Clear();
    model.Constants().SetMirrorMode(true);
    model.Constants().SetN(1.5f);
    model.SetObjectAtInfinity(true);
    options.positiveObj = true;
    options.drawHaltingRay = true;
    model.DepthOfField().SetCofCCustomVal(0.05f);
    ASSERT_TRUE(backup.Undo(model, options, beam));
    EXPECT_EQ(model.Selected().Numbers(), (std::vector<int>{kParFocal, kParObjectDist}));
    EXPECT_FALSE(model.Constants().MirrorMode());
    EXPECT_EQ(model.Constants().StoredN(), 1.0f);
    EXPECT_FALSE(model.ObjectAtInfinity());
    EXPECT_FALSE(options.positiveObj || options.drawHaltingRay);
    EXPECT_EQ(model.DepthOfField().CofCCustomVal(), 0.025f);
}

// Only the snapshot before opening a file holds what a file sets beyond the system (here the
// far-conjugate option and the advanced switch): its Undo returns to them, any other keeps them.
TEST_F(DataBackupTest, OnlyOpeningAFileTakesBackItsOptions) {
    for (BackupReason reason : {kBackupOpen, kBackupValue, kBackupSlider}) {
        options.hideRemConj = false;
        model.Constants().SetAdvancedOptions(false);
        backup.TakeBackup(reason, 0, model, options, beam);
        options.hideRemConj = true;
        model.Constants().SetAdvancedOptions(true);
        ASSERT_TRUE(backup.Undo(model, options, beam));
        const bool takenBack = reason == kBackupOpen;
        EXPECT_EQ(options.hideRemConj, !takenBack) << reason;
        EXPECT_EQ(model.Constants().AdvancedOptions(), !takenBack) << reason;
        backup.Undo(model, options, beam);  // and a second Undo redoes
        EXPECT_TRUE(options.hideRemConj) << reason;
    }
}

}  // namespace
}  // namespace lumarik
