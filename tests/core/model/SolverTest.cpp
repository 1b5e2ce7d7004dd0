// The paraxial solver through LumarikCode::Solve: the worked examples of every branch, the
// failures and the trapped run-time errors from tests/data/solver_cases.tsv, the value memory,
// and the round trip: any admissible choice of three of a system's own values gives it back.
#include <string>

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
    SolverConstants atInfinity;
    atInfinity.objectAtInfinity = true;
    ValueTable t{50, -300};
    ASSERT_TRUE(ParaxialSolver(t, atInfinity).SolvePair(0, 1));
    EXPECT_EQ(t[2], 50.0f);
    t = {50, 0, 80};
    ASSERT_TRUE(ParaxialSolver(t, atInfinity).SolvePair(0, 2));
    EXPECT_EQ(t[1], kInfinity);
    t = {0, kInfinity, 80};
    ASSERT_TRUE(ParaxialSolver(t, atInfinity).SolvePair(1, 2));
    EXPECT_TRUE(t[0] == 80.0f && t[3] == 0.0f);
    t = {100, -100};                                                     // f' of an earlier solve
    EXPECT_FALSE(ParaxialSolver(t, SolverConstants{}).SolvePair(1, 2));  // a' = 0
    t.fill(10);
    EXPECT_FALSE(ParaxialSolver(t, SolverConstants{}).Solve(6, 7, 8));
    EXPECT_FALSE(ParaxialSolver(t, SolverConstants{}).Solve(0, 1, 9));
    EXPECT_EQ(t[3], 10.0f);
    t[3] = 1;  // m' = ρ: afocal
    EXPECT_FALSE(ParaxialSolver(t, SolverConstants{}).SolvePair(3, 4));
}

// An incomplete selection is no failure. The memory follows complete solves with continuity:
// it takes their values, keeps them through failures and solves without continuity, and loses
// them on an incomplete selection.
TEST(Solve, ValueMemoryFollowsContinuousSolves) {
    ExpectScene("ValueMemory");
}

struct SystemCase {
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

using RoundTripCase = std::pair<const SystemCase*, std::array<int, 3>>;  // named below

std::vector<RoundTripCase> AllCases() {
    std::vector<RoundTripCase> cases;
    for (const SystemCase& system : kSystems) {
        for (const auto& set : AdmissibleSelections()) cases.emplace_back(&system, set);
    }
    return cases;
}

class RoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, GivesTheSystemBack) {
    const SystemCase& system = *GetParam().first;
    const auto& set = GetParam().second;
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

INSTANTIATE_TEST_SUITE_P(Systems, RoundTrip, ::testing::ValuesIn(AllCases()), [](const auto& info) {
    std::string name = info.param.first->name;
    for (int number : info.param.second) name += std::string("_") + ShortName(number);
    return name;
});

}  // namespace
}  // namespace lumarik::test
