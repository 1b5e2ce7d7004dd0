// The laser-diode mode: the rewrite of the selection when circularisation is switched on, the
// coupling of f' and s, and the quantity of the y section.
#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "BeamTestSupport.h"
#include "support/DataTable.h"

namespace lumarik::test {
namespace {

GaussianBeam Diode(bool circularise, int mode = 0) {
    GaussianBeam beam;
    beam.SetDiodeMode(true);
    beam.SetCircularise(circularise);
    beam.SetCollimationMode(mode);
    return beam;
}

// Where the coupling applies in a solution, and what an unsolved y section reports, is in the
// recordings.
TEST(Circularisation, CouplingOnlyBetweenFocalAndObjectDistance) {
    GaussianBeam rows = Diode(true, 1);
    ChooseBeam(rows, {{0, 100}, {1, 5}, {7, 30}});
    ASSERT_TRUE(rows.CoupleCircularisationPartner(1));
    EXPECT_EQ(rows.Selection(0).VarValue(2), 130.0f);  // s = f' + zr
    rows.Selection(0).SetVarValue(2, 80.0f);
    ASSERT_TRUE(rows.CoupleCircularisationPartner(2));
    EXPECT_EQ(rows.Selection(0).VarValue(1), 50.0f);  // f' = s − zr
    EXPECT_FALSE(rows.CoupleCircularisationPartner(3));
    GaussianBeam two = Diode(true);  // f' and s couple before a beam quantity is chosen
    ChooseBeam(two, {{0, 40}, {1, 5}});
    EXPECT_TRUE(two.CoupleCircularisationPartner(1) && two.Selection(0).VarValue(2) == 40.0f);
}

// Circularisation switched on: f', s and an object beam remain, and the stored y-section
// quantity follows that beam.
TEST(SetUpCircularisation, LeavesFocalObjectDistanceAndAnObjectBeam) {
    const std::vector<DataRow> cases = ReadDataTable("beam_circularisation_setup.tsv");
    ASSERT_EQ(cases.size(), 15u);
    for (const DataRow& c : cases) {
        for (bool viaDiodeMode : {false, true}) {
            GaussianBeam beam = Diode(viaDiodeMode);
            beam.SetDiodeMode(!viaDiodeMode);
            for (const Given& g : GivenFrom(c.at(1))) ChooseBeam(beam, {g});
            ASSERT_TRUE(c.at(2) == "no" || beam.SolveBeam(true)) << c.at(0);
            viaDiodeMode ? beam.SwitchDiodeMode(true) : beam.SwitchCircularisation(true);
            std::ostringstream chosen;
            const VarCollection& list = beam.Selection(0);
            for (int i = 1; i <= list.Count(); ++i) {
                chosen << ' ' << list.VarType(i) << '=';
                list.VarValDef(i) ? chosen << list.VarValue(i) : chosen << '-';
            }
            EXPECT_EQ(chosen.str().substr(1), c.at(3)) << c.at(0) << viaDiodeMode;
            EXPECT_EQ(beam.StoredDiodeParamNumber(), std::stoi(c.at(4))) << c.at(0) << viaDiodeMode;
        }
    }
    GaussianBeam off;  // only in laser-diode mode, and there only with circularisation ticked
    ChooseBeam(off, {{2, 50}});
    off.SetUpCircularisation();
    off.SwitchDiodeMode(true);
    EXPECT_EQ(off.Selection(0).Numbers(), std::vector<int>{2});
}

TEST(DiodeParam, NumberValueSettingsAndTypeChoice) {
    GaussianBeam beam = Diode(false);
    ChooseBeam(beam, {{0, 50}, {1, 100}, {5, 0.05}});
    ASSERT_TRUE(beam.SolveBeam(true));
    EXPECT_EQ(std::make_pair(beam.GetDiodeParamNumber(), beam.GetDiodeParamValue()),
              std::make_pair(5, beam.GetBeamValue(0, kBeamObjRadius)));
    beam.SetDiodeParamValue(0.08);
    ASSERT_TRUE(beam.SolveBeam(true));
    // Picking another quantity for the y section keeps its beam: the value is the y section's.
    const double wy = beam.GetBeamValue(1, kBeamObjDivergence);
    beam.RemoveBeamVar(0, kBeamObjRadius);
    beam.ChooseDiodeParamType(6);
    EXPECT_EQ(beam.DiodeParamSetting(), std::make_pair(6, wy));
    EXPECT_EQ(beam.DiodeControlStates().paramTypeIndex, 1);

    beam.LoadDiodeParam(0, std::nullopt);  // out of 5..7: the divergence of the x section
    EXPECT_EQ(beam.DiodeParamSetting(),
              std::make_pair(6, beam.GetBeamValue(0, kBeamObjDivergence)));
    beam.LoadDiodeParam(7, 12.0);
    EXPECT_EQ(beam.DiodeParamSetting(), std::make_pair(7, 12.0));
    beam.LoadDiodeParam(5, std::numeric_limits<double>::infinity());  // unreadable: the x value
    EXPECT_EQ(beam.DiodeParamSetting(), std::make_pair(5, beam.GetBeamValue(0, kBeamObjRadius)));
}

}  // namespace
}  // namespace lumarik::test
