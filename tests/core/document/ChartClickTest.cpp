#include <gtest/gtest.h>

#include "core/document/LumarikDocument.h"
#include "core/model/ModelTestSupport.h"

namespace lumarik {
namespace {

constexpr float kDegree = 3.14159265f / 180.0f;

// f' = 50, object at infinity, w = 20°, F/2.
struct ChartClickDoc : ::testing::Test {
    LumarikDocument doc;
    void SetUp() override {
        LumarikCode& code = doc.Model();
        test::Choose(
            code,
            {{kParFocal, 50.0f}, {kParObjectDist, kInfinity}, {kParObjectAngle, 20.0f * kDegree}});
        code.SetObjectAtInfinity(true);
        test::GiveAperture(code, kApFNumber, 2.0f);
        ASSERT_TRUE(code.Solve(true));
    }
    float W() const { return doc.Model().Selected().VarValue(3); }
    float F() const { return doc.Model().Apertures().VarValue(1); }
};

TEST_F(ChartClickDoc, RefusesPointsOutsideTheRangesWithoutABackup) {
    for (auto [na, field] : {std::pair{0.0099f, 10.0f}, std::pair{1.01f, 10.0f},
                             std::pair{0.1f, 0.099f}, std::pair{0.1f, 90.5f}}) {
        EXPECT_FALSE(doc.ApFieldParamsChng(na, field).has_value()) << na << " " << field;
    }
    doc.SetBeamMode(true);  // nor while the beam mode is shown or a parameter is missing
    EXPECT_FALSE(doc.ApFieldParamsChng(0.1f, 5.0f).has_value());
    doc.SetBeamMode(false);
    EXPECT_EQ(doc.LastBackupReason(), -1);
    EXPECT_FALSE(doc.ChartUndoAvailable());
    EXPECT_TRUE(doc.ApFieldParamsChng(1.0f, 10.0f).has_value());  // the ends are admissible
    EXPECT_TRUE(doc.ApFieldParamsChng(0.01f, 0.1f).has_value());
    doc.TakeBackup(kBackupValue);
    doc.Model().Selected().Remove(kParObjectAngle);
    EXPECT_FALSE(doc.ApFieldParamsChng(0.1f, 5.0f).has_value());
    EXPECT_EQ(doc.LastBackupReason(), kBackupValue);
}

// The chart's own undo restores the values once, and only until another edit.
TEST_F(ChartClickDoc, ChartUndoRestoresTheValuesOnce) {
    const std::optional<ResultsView> view = doc.ApFieldParamsChng(0.1f, 5.0f);
    ASSERT_TRUE(view.has_value());
    EXPECT_TRUE(view->ok);
    EXPECT_EQ(doc.LastBackupReason(), kBackupChart);
    EXPECT_NEAR(W(), 5.0f * kDegree, 1e-6);
    EXPECT_NEAR(F(), 5.0f, 1e-5);
    ASSERT_TRUE(doc.UndoChart().has_value());
    EXPECT_EQ(W(), 20.0f * kDegree);
    EXPECT_EQ(F(), 2.0f);
    EXPECT_FALSE(doc.UndoChart().has_value());

    ASSERT_TRUE(doc.ApFieldParamsChng(0.1f, 5.0f).has_value());
    doc.TakeBackup(kBackupSlider, 0);
    EXPECT_FALSE(doc.ChartUndoAvailable());
    ASSERT_TRUE(doc.ApFieldParamsChng(0.2f, 5.0f).has_value());
    doc.Undo();
    EXPECT_FALSE(doc.ChartUndoAvailable());

    doc.TakeBackup(kBackupValue);
    doc.Model().Apertures().Clear();  // without an aperture value no click is taken
    doc.Model().Solve(true);
    EXPECT_FALSE(doc.ApFieldParamsChng(0.1f, 5.0f).has_value());
    EXPECT_EQ(doc.LastBackupReason(), kBackupValue);
}

}  // namespace
}  // namespace lumarik
