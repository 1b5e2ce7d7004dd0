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
    const char* boxText;
    double value;  // what the option holds afterwards
    friend void PrintTo(const OptionCase& c, std::ostream* os) {
        *os << static_cast<int>(c.option) << " \"" << c.typed << '"';
    }
};

double Held(const LumarikDocument& doc, BeamOption option) {
    const GaussianBeam& beam = doc.Beam();
    switch (option) {
        case BeamOption::kM2:
            return beam.GetM2(0);
        case BeamOption::kDiodeM2:
            return beam.GetM2(1);
        case BeamOption::kDetector:
            return beam.DetectorDistance();
        case BeamOption::kMinSpot:
            return beam.MinSpotDistance();
        case BeamOption::kDiodeParam:
            return beam.DiodeParamSetting().second;
    }
    return 0.0;
}

class BeamOptionBoxes : public ::testing::TestWithParam<OptionCase> {};

// German settings; a laser diode whose x section is f' = 100, s = 200, w = 1 mrad, so the y
// quantity is the divergence, entered in mrad; the detector stands at 120.4 mm.
TEST_P(BeamOptionBoxes, TakeWhatTheValueRowsTakeAndRefuseWhatCannotBeUsed) {
    const OptionCase c = GetParam();
    LumarikDocument doc;
    doc.SetSeparators(NumberSeparators::WithDecimal(','));
    GaussianBeam& beam = doc.Beam();
    beam.SetDiodeMode(true);
    for (int n : {kBeamFocal, kBeamObjectDist, kBeamObjDivergence}) beam.AddBeamVar(0, n, true);
    VarCollection& list = beam.Selection(0);
    const float values[] = {100.0f, 200.0f, 0.001f};
    for (int i = 1; i <= 3; ++i) {
        list.SetVarValue(i, values[i - 1]);
        list.SetVarValDef(i, true);
    }
    ASSERT_TRUE(beam.SolveBeam(true));
    beam.SetDetectorDistance(120.4);

    const BeamOptionCommit commit = doc.CommitBeamOption(c.option, c.typed);
    EXPECT_EQ(commit.stored, c.stored) << c.typed;
    EXPECT_EQ(commit.boxText, c.boxText);
    EXPECT_NEAR(Held(doc, c.option), c.value, 1e-9) << c.typed;
    const bool undoStep = c.stored && c.option != BeamOption::kMinSpot;
    EXPECT_EQ(doc.LastBackupReason(), undoStep ? kBackupBeamValue : -1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BeamOptionBoxes,
    ::testing::Values(
        OptionCase{BeamOption::kM2, "2,5", true, "2,5", 2.5},
        OptionCase{BeamOption::kM2, "4.5x", true, "4,5", 4.5},  // a unit, the other separator
        OptionCase{BeamOption::kM2, "50", false, "1,0", 1.0},
        OptionCase{BeamOption::kM2, "0", false, "1,0", 1.0},
        OptionCase{BeamOption::kM2, "1", false, "1,0", 1.0},  // unchanged: no undo step
        OptionCase{BeamOption::kM2, "abc", false, "1,0", 1.0},
        OptionCase{BeamOption::kDiodeM2, "49,9", true, "49,9", 49.9},
        OptionCase{BeamOption::kDetector, "80mm", true, "80,0mm", 80.0},
        OptionCase{BeamOption::kDetector, "120", false, "120,4mm", 120.4},  // as the results use it
        OptionCase{BeamOption::kDetector, "-5", false, "120,4mm", 120.4},
        OptionCase{BeamOption::kMinSpot, "250mm", true, "250,0mm", 250.0},
        OptionCase{BeamOption::kMinSpot, "0", false, "100,0mm", 100.0},
        OptionCase{BeamOption::kDiodeParam, "3mrad", true, "3,0mrad", 0.003},
        OptionCase{BeamOption::kDiodeParam, "1", false, "1,0mrad", 0.001},
        OptionCase{BeamOption::kDiodeParam, "-3", false, "1,0mrad", 0.001}));

}  // namespace
}  // namespace lumarik
