#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/document/LumarikDocument.h"

namespace lumarik {
namespace {

struct OptionCase {
    BeamOption option;
    const char* typed;
    bool stored;
    const char* boxText;  // the value the option holds afterwards, as the box shows it
    friend void PrintTo(const OptionCase& c, std::ostream* os) { *os << '"' << c.typed << '"'; }
};

class BeamOptionBoxes : public ::testing::TestWithParam<OptionCase> {};

// German settings; a laser diode whose x section is f' = 100, s = 200, w = 1 mrad, so the y
// quantity is the divergence, entered in mrad; the detector stands at 120.4 mm.
TEST_P(BeamOptionBoxes, TakeWhatTheValueRowsTakeAndRefuseWhatCannotBeUsed) {
    const OptionCase c = GetParam();
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

    const BeamOptionCommit commit = doc.CommitBeamOption(c.option, c.typed);
    EXPECT_EQ(commit.stored, c.stored) << c.typed;
    EXPECT_EQ(commit.boxText, c.boxText);
    EXPECT_EQ(beam.OptionText(c.option), c.boxText);
    const bool undoStep = c.stored && c.option != BeamOption::kMinSpot;
    EXPECT_EQ(doc.LastBackupReason(), undoStep ? kBackupBeamValue : -1);
}

// Which values each option takes is the beam's rule; here the typed text, the undo step and the
// box.
INSTANTIATE_TEST_SUITE_P(
    Cases, BeamOptionBoxes,
    ::testing::Values(
        OptionCase{BeamOption::kM2, "4.5x", true, "4,5"},  // a unit, the other separator
        OptionCase{BeamOption::kM2, "1", false, "1,0"},    // unchanged: no undo step
        OptionCase{BeamOption::kM2, "abc", false, "1,0"},
        OptionCase{BeamOption::kDetector, "80mm", true, "80,0mm"},
        OptionCase{BeamOption::kDetector, "120", false, "120,4mm"},  // as the results use it
        OptionCase{BeamOption::kMinSpot, "250mm", true, "250,0mm"},
        OptionCase{BeamOption::kDiodeParam, "3mrad", true, "3,0mrad"},
        OptionCase{BeamOption::kDiodeParam, "1", false, "1,0mrad"}));

}  // namespace
}  // namespace lumarik
