// The paraxial solver through LumarikCode::Solve: the worked examples of every branch, the
// failures and the trapped run-time errors from tests/data/solver_cases.tsv, the value memory,
// and the round trip: any admissible choice of three of a system's own values gives it back.
#include <string>
#include <tuple>

#include "Scenes.h"
#include "core/model/Selection.h"

namespace lumarik::test {
namespace {

class Solver : public ::testing::TestWithParam<DataRow> {};

TEST_P(Solver, CompletesTheTableOrShowsNoSolution) {
    LumarikCode code;
    SetUpSystem(code, GetParam(), 1);
    const auto expected = NumberedValues(GetParam().at(4));
    ASSERT_EQ(code.Solve(false), !expected.empty());
    EXPECT_EQ(code.NoSolution(), expected.empty());
    for (const auto& [number, value] : expected) {
        EXPECT_TRUE(Near(code.Value(number), value, 1e-4)) << ShortName(number);
    }
    for (float v : code.Values()) EXPECT_TRUE(std::isfinite(v));
}

INSTANTIATE_TEST_SUITE_P(Worked, Solver, ::testing::ValuesIn(ReadDataTable("solver_cases.tsv")),
                         RowName);

// The solver alone: with the object at infinity every pair that holds the object distance
// puts it there, whatever the table held; sets the selection rules refuse are refused here too.
TEST(ParaxialSolver, ObjectAtInfinityPairsAndRefusedSets) {
    ExpectScene("SolverAlone");
}

// An incomplete selection is no failure. The memory follows complete solves with continuity:
// it takes their values, keeps them through failures and solves without continuity, and loses
// them on an incomplete selection.
TEST(Solve, ValueMemoryFollowsContinuousSolves) {
    ExpectScene("ValueMemory");
}

struct SystemCase {
    friend void PrintTo(const SystemCase& c, std::ostream* os) { *os << c.name; }
    const char* name;
    Optics optics;
    double fp, a, u;
};

const SystemCase kSystems[] = {
    {"PositiveLens", Optics{}, 100.0, -200.0, 10.0},
    {"NegativeLens", Optics{}, -50.0, -150.0, 20.0},
    {"ImmersedLens", Optics{true, false, 1.0f, 1.5f, 10.0f}, 100.0, -200.0, 10.0},
    {"ConcaveMirror", Optics{false, true}, -100.0, -300.0, 10.0},
    {"VirtualObject", Optics{}, 100.0, 50.0, 10.0},
};

class RoundTrip : public ::testing::TestWithParam<std::tuple<SystemCase, std::array<int, 3>>> {};

TEST_P(RoundTrip, GivesTheSystemBack) {
    const auto& [system, set] = GetParam();
    const Reference given =
        ReferenceSystem(system.optics, system.fp, system.a, kParObjectHeight, system.u);

    // With f' and t the choice rule may pick the other of the two systems they allow; the
    // given field value is kept either way.
    Reference expected = given;
    if (set[0] == kParFocal && set[1] == kParTrack) {
        const double a =
            ObjectDistanceFromFocalAndTrack(system.optics, given[kParFocal], given[kParTrack]);
        expected = ReferenceSystem(system.optics, system.fp, a, set[2], given[set[2]]);
    }

    LumarikCode code;
    system.optics.ApplyTo(code);
    for (int number : set) Choose(code, {{number, static_cast<float>(given[number])}});
    ASSERT_TRUE(code.Solve(false));
    EXPECT_FALSE(code.NoSolution());
    for (int number : kSolvedNumbers) {
        EXPECT_TRUE(Near(code.Value(number), expected[number], 1e-4)) << ShortName(number);
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, RoundTrip,
                         ::testing::Combine(::testing::ValuesIn(kSystems),
                                            ::testing::ValuesIn(AdmissibleSelections())),
                         [](const auto& info) {
                             std::string name = std::get<0>(info.param).name;
                             for (int number : std::get<1>(info.param))
                                 name += "_" + std::string(ShortName(number));
                             return name;
                         });

}  // namespace
}  // namespace lumarik::test
