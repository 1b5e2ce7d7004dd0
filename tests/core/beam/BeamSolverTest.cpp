// The beam solver through GaussianBeam: each of the fifteen cases against the ABCD law with
// both roots, the selection rules, worked cases at the edges of the relations, the derived
// results, calls outside the tables, and arbitrary input never giving NaN.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "BeamTestSupport.h"
#include "core/beam/BeamRelations.h"
#include "core/model/EffectiveConstants.h"
#include "support/DataTable.h"

namespace lumarik::test {
namespace {

struct CaseDef {
    friend void PrintTo(const CaseDef& c, std::ostream* os) { *os << c.name; }
    std::string name;
    std::vector<int> conjugate;
    bool object;
    bool image;
    BeamCase expected;
};

// The fifteen cases in the order of BeamCase.
std::vector<CaseDef> AllCases() {
    std::vector<CaseDef> cases;
    for (const DataRow& row : ReadDataTable("beam_solver_table.tsv")) {
        cases.push_back({row.at(0), NumbersIn(row.at(1)), row.at(2) == "yes", row.at(3) == "yes",
                         static_cast<BeamCase>(cases.size() + 1)});
    }
    return cases;
}

using Table = std::array<double, kBeamSelectableCount>;

// The solved table, or nothing; every solved table must obey the ABCD law.
std::optional<Table> SolveWith(const std::vector<int>& numbers, const BeamSystem& sys, bool alt) {
    GaussianBeam beam;
    beam.SetAltSolution(alt);
    for (int n : numbers) ChooseBeam(beam, {{n, sys.Value(n)}});
    const bool ok = beam.SolveBeamAxis(0, false);
    EXPECT_EQ(beam.Flags(0).solveFailed, !ok);
    if (!ok) return std::nullopt;
    ExpectConsistent(beam, 0, 1e-6);
    Table t{};
    for (int n = 0; n < kBeamSelectableCount; ++n)
        t[static_cast<std::size_t>(n)] = beam.GetBeamValue(0, n);
    return t;
}

// Distances on the scale of f', the beam quantities relatively; `tol` 1e-4 is the system.
bool Matches(const std::optional<Table>& t, const BeamSystem& sys, double tol) {
    if (!t) return false;
    for (int n : {0, 1, 2, 3, 5, 7, 8, 10}) {
        if (!Near((*t)[static_cast<std::size_t>(n)], sys.Value(n), tol, n < 3 ? sys.f : 0.0))
            return false;
    }
    return true;
}

class SolverCase : public ::testing::TestWithParam<CaseDef> {};

TEST_P(SolverCase, SolvesRandomSystemsAndAltSolutionReachesEachRoot) {
    const CaseDef& c = GetParam();
    const bool twoRoots = BeamCaseHasTwoRoots(c.expected);
    ASSERT_EQ(AllCases().size(), 15u);
    std::mt19937 rng(99);
    std::uniform_int_distribution<int> kind(0, 2);
    int reached[2] = {0, 0};
    int checked = 0;
    for (int trial = 0; trial < 300; ++trial) {
        const BeamSystem sys = RandomSystem(rng);
        std::vector<int> numbers = c.conjugate;
        if (c.object) numbers.push_back(kBeamObjRadius + kind(rng));
        if (c.image) numbers.push_back(kBeamImgRadius + kind(rng));
        ASSERT_EQ(ClassifyBeamCase(numbers), c.expected);
        if (trial == 0) {
            GaussianBeam box;
            for (int n : numbers) box.AddBeamVar(0, n, true);
            EXPECT_EQ(box.AltSolutionEnabled(), twoRoots);
        }
        const auto plain = SolveWith(numbers, sys, false);
        const auto alt = SolveWith(numbers, sys, true);
        if (!twoRoots) {
            ASSERT_TRUE(plain && alt && *plain == *alt) << "trial " << trial;
        } else if (plain && alt) {
            BeamSystem other{(*alt)[0], (*alt)[1], (*alt)[7]};
            if (Matches(plain, other, 0.02)) continue;  // the roots nearly coincide
        }
        ++checked;
        const bool hit[2] = {Matches(plain, sys, 1e-4), Matches(alt, sys, 1e-4)};
        EXPECT_TRUE(hit[0] || hit[1])
            << "trial " << trial << " f' " << sys.f << " s " << sys.s << " zr " << sys.zr;
        if (hit[0] != hit[1]) ++reached[hit[1] ? 1 : 0];
    }
    EXPECT_GT(checked, 200);
    if (twoRoots) {
        EXPECT_GT(reached[0], 5);
        EXPECT_GT(reached[1], 5);
    }
}

INSTANTIATE_TEST_SUITE_P(AbcdLaw, SolverCase, ::testing::ValuesIn(AllCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Selection, FollowsTheRulesAndLeavesAValidList) {
    const std::vector<DataRow> cases = ReadDataTable("beam_selection_cases.tsv");
    ASSERT_EQ(cases.size(), 8u);
    const char* outcomes[] = {"accepted", "ignored", "refused"};  // BeamSelectOutcome
    for (const DataRow& c : cases) {
        GaussianBeam beam;
        BeamSelectResult result;
        for (int n : NumbersIn(c.at(1))) result = beam.SelectBeamParameter(n, true);
        EXPECT_EQ(outcomes[static_cast<int>(result.outcome)], c.at(2)) << c.at(0);
        EXPECT_EQ(result.message, c.at(3)) << c.at(0);
        EXPECT_EQ(beam.Selection(0).Numbers(), NumbersIn(c.at(4))) << c.at(0);
    }
}

// Worked cases, each also checked against the ABCD law: second roots, degenerate limits, waists
// at the lens and signed inputs.
class Worked : public ::testing::TestWithParam<DataRow> {};

TEST_P(Worked, GivesTheAnswerAndARealSystem) {
    const DataRow& row = GetParam();  // name, root, given, expected
    const Given expected = GivenFrom(row.at(3)).at(0);
    for (bool alt : {false, true}) {
        if (row.at(1) != "both" && (row.at(1) == "alt") != alt) continue;
        GaussianBeam beam;
        beam.SetAltSolution(alt);
        for (const Given& g : GivenFrom(row.at(2))) ChooseBeam(beam, {g});
        ASSERT_TRUE(beam.SolveBeamAxis(0, false)) << "alt " << alt;
        EXPECT_NEAR(beam.GetBeamValue(0, expected.number), expected.value,
                    1e-4 * (1 + std::fabs(expected.value)));
        ExpectConsistent(beam, 0, 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(Edges, Worked, ::testing::ValuesIn(ReadDataTable("beam_worked_cases.tsv")),
                         [](const auto& info) { return info.param.at(0); });

// The recordings hold every result of their scenes; here the radii against the ABCD law and the
// detector distance rounded half to even.
TEST(DeriveBeamResults, PositionsRadiiAndDetector) {
    GaussianBeam beam;
    beam.SetOptics({10.0, 1.5, false, true});
    beam.SetDetectorOn(true);
    beam.SetDetectorDistance(12.5);
    const BeamSystem sys{100, 300, 30};
    ChooseBeam(beam, {{0, 100}, {1, 300}, {7, 30}});
    ASSERT_TRUE(beam.SolveBeamAxis(0, false));
    const double si = sys.SImage();
    EXPECT_DOUBLE_EQ(beam.GetBeamResult(0, kResDetector), 322);  // 12.5 rounds to 12
    EXPECT_NEAR(beam.GetBeamResult(0, kResDetectorRadius), RadiusFromQ({12 - si, sys.ZrImage()}),
                1e-9);
    EXPECT_NEAR(beam.GetBeamResult(0, kResLensRadius), RadiusFromQ({300, 30}), 1e-12);
    beam.SetDetectorDistance(13.5);
    ASSERT_TRUE(beam.DeriveBeamResults(0));
    EXPECT_DOUBLE_EQ(beam.GetBeamResult(0, kResDetector), 324);
    beam.SetDetectorDistance(5000);  // beyond every other point: the extents reach it
    ASSERT_TRUE(beam.DeriveBeamResults(0));
    EXPECT_NEAR(beam.BeamExtentMax(), 5310 + 0.02 * (5310 - 200), 1e-9);  // margin from F on
}

// Calls naming an axis or a number outside the tables are refused and change nothing.
TEST(GaussianBeam, CallsOutsideTheTablesAreRefused) {
    GaussianBeam beam;
    ChooseBeam(beam, {{0, 100}, {1, 300}, {5, 1.0}});
    ASSERT_TRUE(beam.SolveBeam(true));
    const std::vector<int> chosen = beam.Selection(0).Numbers();
    for (int axis : {-1, kBeamAxes}) {
        EXPECT_FALSE(beam.SolveBeamAxis(axis, true) || beam.DeriveBeamResults(axis) ||
                     beam.BeamFromGiven(axis, kBeamObjRadius, 1.0) ||
                     beam.BeamFromGiven(0, kBeamFocal, 1.0) || beam.ImageBeamFromObject(axis) ||
                     beam.ObjectBeamFromImage(axis) || beam.AddBeamVar(axis, 0, false) ||
                     beam.RemoveBeamVar(axis, 0));
        beam.SetBeamValue(axis, 0, 5.0);
        beam.RememberBeamValues(axis, KnownBeamValues::All());
        EXPECT_EQ(beam.GetBeamValue(axis, 0) + beam.GetBeamResult(axis, 0), 0.0);
        EXPECT_FALSE(beam.Memory(axis, 0).bVarValDef || beam.Flags(axis).solveFailed);
    }
    for (const auto& [n, k] : {std::pair{-1, -1}, std::pair{kBeamValueCount, kBeamResultCount},
                               std::pair{kBeamValueCount + 4, kBeamResultCount}}) {
        beam.SetBeamValue(0, n, 5.0);
        EXPECT_EQ(beam.GetBeamValue(0, n) + beam.GetBeamResult(0, k) + BeamScale(n), 1.0);
        EXPECT_EQ(std::string(BeamName(n)) + std::string(BeamResultName(k)) +
                      beam.Symbols().Symbol(n) + beam.Symbols().ResultSymbol(k),
                  "");
    }
    for (int n : {-1, kBeamSelectableCount})  // on a list with room
        EXPECT_FALSE(GaussianBeam().AddBeamVar(0, n, false) || beam.Memory(0, n).bVarValDef);
    GaussianBeam diode;  // the y section's quantity is one of the object beam
    for (int n : {kBeamFocal, kBeamObjRadius, kBeamImgRadius}) diode.SetDiodeParamNumber(n);
    EXPECT_EQ(diode.GetDiodeParamNumber(), kBeamObjRadius);
    beam.SetBeamValue(0, 0, std::nan(""));
    EXPECT_EQ(beam.GetBeamValue(0, 0), 100.0);
    EXPECT_EQ(beam.Selection(0).Numbers(), chosen);
}

// Without a solved beam or an aperture there is no power share; a solved one puts 1 - exp(-2)
// through a clear radius equal to the beam radius at the lens. The indices count
// only under the advanced options, and then if either differs from 1.
TEST(GaussianBeam, TransmissionNeedsASolveAndOpticsFollowTheOptions) {
    GaussianBeam beam;
    beam.SetOption(BeamOption::kLensAperture, 1000.0);
    ChooseBeam(beam, {{0, 100}, {1, 300}});
    EXPECT_FALSE(beam.LensTransmission());
    ChooseBeam(beam, {{5, 1.0}});
    ASSERT_TRUE(beam.SolveBeam(true));
    beam.SetOption(BeamOption::kLensAperture, 0.0);  // no aperture given
    EXPECT_FALSE(beam.LensTransmission());
    beam.SetOption(BeamOption::kLensAperture, beam.GetBeamResult(0, kResLensRadius));
    EXPECT_NEAR(beam.LensTransmission().value(), 1 - std::exp(-2.0), 1e-6);
    beam.Selection(0).SetVarValue(1, 0.0f);  // the failed solve leaves the old radii behind
    ASSERT_FALSE(beam.SolveBeam(true));
    EXPECT_FALSE(beam.LensTransmission());
    EffectiveConstants constants;
    constants.SetN(1.0f);
    constants.SetNPrime(1.33f);
    EXPECT_FALSE(BeamOpticsFrom(constants).indexNotOne);
    constants.SetAdvancedOptions(true);
    EXPECT_TRUE(BeamOpticsFrom(constants).indexNotOne);
    constants.SetNPrime(1.0f);
    EXPECT_FALSE(BeamOpticsFrom(constants).indexNotOne);
    constants.SetN(1.5f);
    EXPECT_TRUE(BeamOpticsFrom(constants).indexNotOne);
}

// Whatever the options and values, the tables stay finite and no text shows NaN or Inf.
TEST(SolveBeam, ArbitraryInputNeverGivesNaNOrCrashes) {
    std::mt19937 rng(5);
    const float values[] = {0.0f, 1e-30f, -1e-20f, 3.4e38f, -3.4e38f, 0.05f, 100.0f, -1.0f, 7.5e5f};
    auto any = [&] { return values[rng() % std::size(values)]; };
    for (int trial = 0; trial < 1500; ++trial) {
        GaussianBeam beam;
        beam.SetDiodeMode(trial % 3 == 0);
        beam.SetCircularise(trial % 6 == 0);
        beam.SetCollimationMode(trial % 4 == 0 ? 1 : 0);
        beam.SetAltSolution(trial % 2 == 0);
        beam.SetUseM2(true);
        beam.SetDetectorOn(trial % 5 == 0);
        beam.SetDetectorDistance(any());
        for (int n : {rng() % 11, rng() % 11, rng() % 11})
            if (!beam.Selection(0).Contains(n)) ChooseBeam(beam, {{n, any()}});
        std::string all;
        for (const BeamListRow& row : beam.ListBeamResults(beam.SolveBeam(true))) all += row.value;
        all += beam.MinimumSpotText() + beam.DepthOfFocusText(0) + beam.DepthOfFocusText(1);
        EXPECT_TRUE(all.find("NaN") == std::string::npos && all.find("Inf") == std::string::npos)
            << all;
        for (int axis = 0; axis < kBeamAxes; ++axis) {
            for (int n = 0; n < std::max(kBeamValueCount, kBeamResultCount); ++n)
                ASSERT_TRUE(
                    std::isfinite(beam.GetBeamValue(axis, n) + beam.GetBeamResult(axis, n)));
        }
    }
}

}  // namespace
}  // namespace lumarik::test
