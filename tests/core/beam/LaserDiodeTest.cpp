// The laser-diode mode: the y section built from the x section, circularisation giving both
// sections the same output beam, the rewrite of the selection when circularisation is switched
// on, the coupling of f' and s, and the quantity of the y section.
#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
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

// The recording of this scene holds both sections; here the y section against the ABCD law.
TEST(LaserDiode, WithoutCircularisationTheYSectionUsesTheSameLens) {
    GaussianBeam beam = Diode(false);
    ChooseBeam(beam, {{0, 50}, {1, 100}, {6, 0.001}});
    beam.SetDiodeParamValue(0.003);
    ASSERT_TRUE(beam.SolveBeam(true) && beam.AxisSolved(1));
    ExpectConsistent(beam, 1, 1e-6);
}

// The y quantity (5..7) and the collimation mode.
class Circularisation : public ::testing::TestWithParam<std::tuple<int, int>> {};

// Whatever the y quantity and the collimation mode, both sections leave the crossed cylinder
// lenses with the same waist radius, placed as the mode says.
TEST_P(Circularisation, BothSectionsLeaveWithTheSameWaist) {
    const auto [t, mode] = GetParam();
    std::mt19937 rng(31 + t * 2 + mode);
    std::uniform_real_distribution<double> focal(5, 200), zrs(0.05, 3), ratio(0.2, 5);
    for (int trial = 0; trial < 50; ++trial) {
        const double fx = focal(rng);
        const BeamSystem xBeam{fx, fx, zrs(rng) * fx};
        const BeamSystem yBeam{fx, fx, xBeam.zr * ratio(rng)};
        GaussianBeam beam = Diode(true, mode);
        ChooseBeam(beam, {{0, fx}, {1, 1.0}, {t, xBeam.Value(t)}});
        beam.SetDiodeParamValue(yBeam.Value(t));
        ASSERT_TRUE(beam.SolveBeam(true) && beam.AxisSolved(1));
        for (int axis = 0; axis < 2; ++axis) {
            const double f = beam.GetBeamValue(axis, kBeamFocal);
            const double zr = beam.GetBeamValue(axis, kBeamObjRayleigh);
            EXPECT_NEAR(beam.GetBeamValue(axis, kBeamObjectDist), f + (mode == 1 ? zr : 0.0),
                        1e-5 * f);
            ExpectConsistent(beam, axis, 1e-6);
        }
        const double rx = beam.GetBeamValue(0, kBeamImgRadius);
        EXPECT_NEAR(beam.GetBeamValue(1, kBeamImgRadius), rx, 1e-5 * rx);
        EXPECT_NEAR(beam.GetBeamValue(1, kBeamObjRayleigh), yBeam.zr, 1e-5 * yBeam.zr);
    }
}

INSTANTIATE_TEST_SUITE_P(Quantities, Circularisation,
                         ::testing::Combine(::testing::Values(5, 6, 7), ::testing::Values(0, 1)));

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
