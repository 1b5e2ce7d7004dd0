// The laser-diode mode: the y section built from the x section, circularisation giving both
// sections the same output beam, the rewrite of the selection when circularisation is switched
// on, the coupling of f' and s, and the state of the controls.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "BeamTestSupport.h"

namespace lumarik::test {
namespace {

GaussianBeam Diode(bool circularise, int mode = 0) {
    GaussianBeam beam;
    beam.SetDiodeMode(true);
    beam.SetCircularise(circularise);
    beam.SetCollimationMode(mode);
    return beam;
}

TEST(LaserDiode, WithoutCircularisationTheYSectionUsesTheSameLens) {
    GaussianBeam beam = Diode(false);
    ChooseBeam(beam, {{0, 50}, {1, 100}, {6, 0.001}});
    beam.SetDiodeParamValue(0.003);
    ASSERT_TRUE(beam.SolveBeam(true) && beam.AxisSolved(1));
    ASSERT_EQ(beam.Selection(1).Numbers(), (std::vector<int>{0, 1, 6}));
    ExpectConsistent(beam, 1, 1e-6);
    EXPECT_GT(
        std::fabs(beam.GetBeamValue(0, kBeamImageDist) - beam.GetBeamValue(1, kBeamImageDist)), 1);
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

// Circularisation switched on, or the laser-diode mode switched on again while the
// circularisation flag stayed set and the selection was changed meanwhile: f', s and an object
// beam remain, and the stored y-section quantity follows that beam.
TEST(SetUpCircularisation, LeavesFocalObjectDistanceAndAnObjectBeam) {
    // clang-format off
    const struct { const char* name; std::vector<Given> given; bool solveFirst; std::vector<int> expected; int paramNumber; } cases[] = {
        {"Empty", {}, false, {0, 1, 6}, 6},
        {"FocalOnly", {{0, 50}}, false, {0, 1, 6}, 6},
        {"ImageDistanceOnly", {{2, 50}}, false, {0, 1, 6}, 6},
        {"ObjectBeamOnly", {{7, 20}}, false, {0, 1, 7}, 6},
        {"ImageBeamOnly", {{8, 0.02}}, false, {0, 1, 5}, 5},
        {"FocalAndObject", {{0, 50}, {1, 70}}, false, {0, 1, 6}, 6},
        {"FocalAndBeam", {{0, 50}, {5, 0.05}}, false, {0, 1, 6}, 6},
        {"TwoConjugates", {{2, 50}, {3, 2}}, false, {0, 1, 6}, 6},
        {"TwoBeams", {{5, 0.05}, {8, 0.02}}, false, {0, 1, 6}, 6},
        {"SolvedImageRadius", {{0, 100}, {1, 300}, {8, 0.02}}, true, {0, 1, 5}, 5},
        {"SolvedImageDistance", {{0, 100}, {2, 300}, {5, 0.05}}, true, {0, 1, 5}, 6},
        {"SolvedObjectAndImage", {{1, 300}, {2, 200}, {10, 12}}, true, {0, 1, 7}, 7},
        {"SolvedImageAndMag", {{2, 200}, {3, 0.5}, {6, 0.002}}, true, {0, 1, 6}, 6}};
    // clang-format on
    for (const auto& c : cases) {
        for (bool viaDiodeMode : {false, true}) {
            GaussianBeam beam = Diode(viaDiodeMode);
            beam.SetDiodeMode(!viaDiodeMode);
            for (const Given& g : c.given) ChooseBeam(beam, {g});
            ASSERT_TRUE(!c.solveFirst || beam.SolveBeam(true)) << c.name;
            viaDiodeMode ? beam.SwitchDiodeMode(true) : beam.SwitchCircularisation(true);
            EXPECT_EQ(beam.Selection(0).Numbers(), c.expected) << c.name << viaDiodeMode;
            EXPECT_EQ(beam.StoredDiodeParamNumber(), c.paramNumber) << c.name << viaDiodeMode;
        }
    }
}

TEST(SetUpCircularisation, TakesSolvedValuesAndEqualises) {
    GaussianBeam beam = Diode(false);
    ChooseBeam(beam, {{0, 100}, {1, 300}, {8, 0.02}});
    ASSERT_TRUE(beam.SolveBeam(true));
    const float r = static_cast<float>(beam.GetBeamValue(0, kBeamObjRadius));
    beam.SetCircularise(true);
    beam.SetUpCircularisation();
    EXPECT_TRUE(beam.Selection(0).Item(3).bVarValDef && beam.Selection(0).Item(3).sVarValue == r);
    EXPECT_EQ(beam.Selection(0).Item(2).sVarValue, 100.0f);  // s starts in the front focal plane

    GaussianBeam partly = Diode(false);
    ChooseBeam(partly, {{1, 80}, {5, 0.05}});
    partly.SetCircularise(true);
    partly.SetUpCircularisation();
    EXPECT_TRUE(partly.Selection(0).VarValDef(1) && partly.Selection(0).VarValue(1) == 80.0f);

    GaussianBeam solved = Diode(false);  // f' and s both taken from the solution stay apart
    ChooseBeam(solved, {{2, 200}, {3, 0.5}, {6, 0.002}});
    ASSERT_TRUE(solved.SolveBeam(true));
    const float f = static_cast<float>(solved.GetBeamValue(0, kBeamFocal));
    const float sx = static_cast<float>(solved.GetBeamValue(0, kBeamObjectDist));
    solved.SetCircularise(true);
    solved.SetUpCircularisation();
    EXPECT_TRUE(f != sx && solved.Selection(0).VarValue(1) == f &&
                solved.Selection(0).VarValue(2) == sx);

    GaussianBeam off;
    ChooseBeam(off, {{2, 50}});
    off.SetUpCircularisation();  // only in laser-diode mode
    off.SwitchDiodeMode(true);   // and there only with circularisation ticked
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

    const auto entries = beam.DiodeParamEntries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[2].text + std::to_string(entries[2].number), "Rayleighlänge: zr7");
}

// The recordings hold the states for each scene; circularisation ticked outside the laser-diode
// mode is not shown ticked and leaves every box and the caption as they are.
TEST(DiodeControls, EnabledStatesAndCaption) {
    GaussianBeam beam;
    beam.SetCircularise(true);
    const DiodeControls s = beam.DiodeControlStates();
    EXPECT_FALSE(s.circulariseEnabled || s.circulariseTicked || s.collimationEnabled ||
                 s.paramTypeEnabled || s.diodeM2Enabled);
    for (bool enabled : s.selectionEnabled) EXPECT_TRUE(enabled);
    EXPECT_EQ(beam.ModeCaption(), "   Berechnung von Gaußschen Strahlen");
}

}  // namespace
}  // namespace lumarik::test
