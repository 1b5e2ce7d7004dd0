#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/document/LumarikDocument.h"

namespace lumarik {
namespace {

// Which values each option takes is the beam's rule; the document reads the typed text (with a
// unit, either separator), takes an undo step for a stored value, except for the minimum-spot
// distance, and shows what the option holds afterwards. German settings; a laser diode whose x
// section is f' = 100, s = 200, w = 1 mrad, so the y quantity is the divergence, entered in
// mrad; the detector stands at 120.4 mm, as the results use it.
TEST(BeamOptionBoxes, TakeWhatTheValueRowsTakeAndRefuseWhatCannotBeUsed) {
    LumarikDocument doc;
    doc.SetSeparators(NumberSeparators::WithDecimal(','));
    GaussianBeam& beam = doc.Beam();
    beam.SetDiodeMode(true);
    const std::pair<int, float> given[] = {
        {kBeamFocal, 100.0f}, {kBeamObjectDist, 200.0f}, {kBeamObjDivergence, 0.001f}};
    for (const auto& [number, value] : given) {
        beam.AddBeamVar(0, number, true);
        beam.Selection(0).SetVarValue(beam.Selection(0).Count(), value);
        beam.Selection(0).SetVarValDef(beam.Selection(0).Count(), true);
    }
    ASSERT_TRUE(beam.SolveBeam(true));
    beam.SetDetectorDistance(120.4);

    const std::tuple<BeamOption, const char*, bool, const char*> cases[] = {
        {BeamOption::kDetector, "120", false, "120,4mm"},
        {BeamOption::kDetector, "80mm", true, "80,0mm"},
        {BeamOption::kMinSpot, "250mm", true, "250,0mm"},
        {BeamOption::kDiodeParam, "1", false, "1,0mrad"},
        {BeamOption::kDiodeParam, "3mrad", true, "3,0mrad"},
        {BeamOption::kM2, "1", false, "1,0"},
        {BeamOption::kM2, "abc", false, "1,0"},
        {BeamOption::kM2, "4.5x", true, "4,5"}};
    for (const auto& [option, typed, stored, boxText] : cases) {
        doc.TakeBackup(kBackupClear);
        const BeamOptionCommit commit = doc.CommitBeamOption(option, typed);
        EXPECT_EQ(commit.stored, stored) << typed;
        EXPECT_TRUE(commit.boxText == boxText && beam.OptionText(option) == boxText) << typed;
        const bool undoStep = stored && option != BeamOption::kMinSpot;
        EXPECT_EQ(doc.LastBackupReason(), undoStep ? kBackupBeamValue : kBackupClear) << typed;
    }
}

}  // namespace
}  // namespace lumarik
