// The paraxial solver through LumarikCode::Solve: the worked examples of every branch, the
// failures and the trapped run-time errors from tests/data/solver_cases.tsv, and the value memory.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "ModelTestSupport.h"
#include "support/DataTable.h"

namespace lumarik::test {
namespace {

struct Expect {
    int number;
    double value;
};

struct SolveCase {
    std::string name;
    friend void PrintTo(const SolveCase& c, std::ostream* os) { *os << c.name; }
    Optics optics;
    bool objectAtInfinity;
    std::vector<Given> given;
    std::vector<Expect> expected;  // empty: no solution expected
};

// "n=v n=v ...", with inf for the infinity marker.
std::vector<Expect> Values(const std::string& cell) {
    std::vector<Expect> values;
    std::istringstream in(cell);
    for (std::string item; in >> item;) {
        const std::size_t eq = item.find('=');
        const std::string v = item.substr(eq + 1);
        values.push_back({std::stoi(item.substr(0, eq)), v == "inf" ? kInfinity : std::stod(v)});
    }
    return values;
}

// The worked solves of tests/data/solver_cases.tsv.
std::vector<SolveCase> SolveCases() {
    const std::map<std::string, Optics> optics = {
        {"Air", {}},
        {"Mirror", {false, true}},
        {"Immersed", {true, false, 1.0f, 1.5f, 10.0f}},
        {"ImmersedNoGap", {true, false, 1.0f, 1.5f, 0.0f}}};
    std::vector<SolveCase> cases;
    for (const DataRow& r : ReadDataTable("solver_cases.tsv")) {
        SolveCase c{r.at(0), optics.at(r.at(1)), r.at(2) == "1", {}, Values(r.at(4))};
        for (const Expect& e : Values(r.at(3))) {
            c.given.push_back({e.number, static_cast<float>(e.value)});
        }
        cases.push_back(std::move(c));
    }
    return cases;
}

class Solver : public ::testing::TestWithParam<SolveCase> {};

TEST_P(Solver, CompletesTheTableOrShowsNoSolution) {
    const SolveCase& c = GetParam();
    LumarikCode code;
    c.optics.ApplyTo(code);
    for (const Given& g : c.given) Choose(code, {g});
    code.SetObjectAtInfinity(c.objectAtInfinity);
    const bool solvable = !c.expected.empty();
    ASSERT_EQ(code.Solve(false), solvable);
    EXPECT_EQ(code.NoSolution(), !solvable);
    for (const Expect& e : c.expected) {
        EXPECT_TRUE(Near(code.Value(e.number), e.value, 1e-4)) << ShortName(e.number);
    }
    for (float v : code.Values()) EXPECT_TRUE(std::isfinite(v));
}

TEST(Solver, TableIsComplete) {
    EXPECT_EQ(SolveCases().size(), 40u);
}

INSTANTIATE_TEST_SUITE_P(Worked, Solver, ::testing::ValuesIn(SolveCases()),
                         [](const auto& info) { return info.param.name; });

// The solver alone: with the object at infinity every pair that holds the object distance
// puts it there, whatever the table held.
TEST(ParaxialSolver, ObjectAtInfinityPairs) {
    SolverConstants atInfinity;
    atInfinity.objectAtInfinity = true;
    ValueTable t{};
    t[0] = 50;
    t[1] = -300;
    ASSERT_TRUE(ParaxialSolver(t, atInfinity).SolvePair(0, 1));
    EXPECT_EQ(t[2], 50.0f);
    t = {};
    t[0] = 50;
    t[2] = 80;
    ASSERT_TRUE(ParaxialSolver(t, atInfinity).SolvePair(0, 2));
    EXPECT_EQ(t[1], kInfinity);
    t = {};
    t[1] = kInfinity;
    t[2] = 80;
    ASSERT_TRUE(ParaxialSolver(t, atInfinity).SolvePair(1, 2));
    EXPECT_EQ(t[0], 80.0f);
    EXPECT_EQ(t[3], 0.0f);
}

TEST(Solve, IncompleteSelectionIsNotAFailure) {
    LumarikCode code;
    Choose(code, {{0, 100}, {1, -200}});
    EXPECT_FALSE(code.Solve(true));
    EXPECT_FALSE(code.NoSolution());
    code.AddVar(kParObjectHeight, true);  // chosen, but without a value
    EXPECT_FALSE(code.Solve(true));
    EXPECT_FALSE(code.NoSolution());
}

// The memory follows complete solves with continuity: it takes their values, keeps them
// through failures and solves without continuity, and loses them on an incomplete selection.
TEST(Solve, ValueMemoryFollowsContinuousSolves) {
    LumarikCode code;
    Choose(code, {{0, 100}, {1, -200}, {5, 10}});
    ASSERT_TRUE(code.Solve(true));
    for (int number = 0; number < kSelectableCount; ++number) {
        EXPECT_TRUE(code.Memory(number).bVarValDef);
        EXPECT_EQ(code.Memory(number).sVarValue, code.Value(number));
    }
    const int a = code.Selected().PositionOf(kParObjectDist);
    code.Selected().SetVarValue(a, 0.0f);
    EXPECT_FALSE(code.Solve(true));
    code.Selected().SetVarValue(a, -300.0f);
    ASSERT_TRUE(code.Solve(false));
    EXPECT_EQ(code.Memory(kParImageDist).sVarValue, 200.0f);

    code.RemoveVar(kParObjectHeight);
    EXPECT_FALSE(code.Solve(true));
    for (int number = 0; number < kSelectableCount; ++number) {
        EXPECT_FALSE(code.Memory(number).bVarValDef);
    }
}

}  // namespace
}  // namespace lumarik::test
