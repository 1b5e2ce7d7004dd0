// The paraxial solver through LumarikCode::Solve: worked examples of every branch, the
// failures (no solution), the trapped run-time errors, and the value memory.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "ModelTestSupport.h"

namespace lumarik::test {
namespace {

const Optics kAir{};
const Optics kMirror{false, true};
const Optics kImmersed{true, false, 1.0f, 1.5f, 10.0f};
const Optics kImmersedNoGap{true, false, 1.0f, 1.5f, 0.0f};
const double kW = std::atan(10.0 / -200.0);
const float kWf = static_cast<float>(kW);

struct Expect {
    int number;
    double value;
};

struct SolveCase {
    const char* name;
    Optics optics;
    bool objectAtInfinity;
    std::vector<Given> given;
    std::vector<Expect> expected;  // empty: no solution expected
};

void PrintTo(const SolveCase& c, std::ostream* os) {
    *os << c.name;
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

std::string Named(const ::testing::TestParamInfo<SolveCase>& info) {
    return info.param.name;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Branches, Solver, ::testing::Values(
    SolveCase{"LensInAir", kAir, false, {{0, 100}, {1, -200}, {5, 10}},
              {{2, 200}, {3, -1}, {4, 400}, {6, kW}, {8, kW}, {7, -10}, {20, -100}}},
    SolveCase{"ObjectAtFocus", kAir, false, {{0, 100}, {1, -100}, {5, 10}},
              {{2, kInfinity}, {3, 0}, {4, 0}}},
    SolveCase{"ObjectMarkerWithoutFlag", kAir, false, {{0, 100}, {1, kInfinity}, {5, 10}},
              {{2, 100}, {3, 0}, {4, 0}}},
    SolveCase{"ObjectAtInfinity", kAir, true, {{0, 50}, {1, kInfinity}, {8, 0.1f}},
              {{1, kInfinity}, {2, 50}, {3, 0}, {4, 0}, {7, 50 * std::tan(0.1f)}}},
    SolveCase{"ObjectAtInfinityWithImageDistance", kAir, true, {{1, kInfinity}, {2, 80}, {8, 0.1f}},
              {{0, 80}, {20, -80}, {3, 0}, {4, 0}}},
    SolveCase{"InfinityFlagNeedsObjectDistanceChosen", kAir, true, {{0, 100}, {5, 10}, {6, kWf}},
              {{1, -200}, {2, 200}, {3, -1}}},
    SolveCase{"ImageAtFocus", kAir, false, {{0, 100}, {2, 100}, {7, 5}},
              {{1, kInfinity}, {3, 0}, {4, 0}}},
    SolveCase{"FocalTrackReducedImage", kAir, false, {{0, 100}, {4, 500}, {5, 10}},
              {{1, -361.8034}, {2, 138.1966}, {3, -0.381966}}},
    SolveCase{"FocalTrackVirtualImage", kAir, false, {{0, 100}, {4, -50.0f / 3}, {5, 10}},
              {{1, -100.0 / 3}, {2, -50}, {3, 1.5}}},
    // Both roots put the object behind a negative lens: the larger object distance is taken.
    SolveCase{"FocalTrackVirtualObject", kAir, false, {{0, -100}, {4, -500}, {5, 10}},
              {{1, 361.8034}, {2, -138.1966}}},
    SolveCase{"ZeroMagnificationWithFocal", kAir, false, {{0, 100}, {3, 0}, {7, 5}},
              {{1, kInfinity}, {2, 100}, {4, 0}, {8, std::atan(0.05)}}},
    SolveCase{"ZeroMagnificationWithObject", kAir, false, {{1, -200}, {3, 0}, {5, 10}},
              {{2, 0}, {0, 0}, {4, 0}, {7, 0}}},
    SolveCase{"ZeroMagnificationWithImage", kAir, false, {{2, 80}, {3, 0}, {7, 4}},
              {{1, kInfinity}, {0, 80}, {4, 0}}},
    SolveCase{"Mirror", kMirror, false, {{0, 100}, {1, -200}, {5, 10}},
              {{20, 100}, {2, 200.0 / 3}, {3, 1.0 / 3}, {4, 200 + 200.0 / 3}}},
    SolveCase{"ImmersedObjectMagnification", kImmersedNoGap, false, {{1, -200}, {3, -1}, {5, 10}},
              {{2, 300}, {0, 150}, {20, -100}, {4, 500}}},
    SolveCase{"ImmersedPrincipalPlaneGap", kImmersed, false, {{0, 100}, {1, -200}, {5, 10}},
              {{20, -200.0 / 3}, {2, 150}, {3, -0.5}, {4, 360}}},
    SolveCase{"ThreeFieldsObjectAngle", kAir, false, {{5, 10}, {6, kWf}, {7, -10}},
              {{1, -200}, {2, 200}, {0, 100}, {3, -1}, {4, 400}}},
    SolveCase{"ThreeFieldsImmersed", kImmersedNoGap, false, {{5, 10}, {6, kWf}, {7, -5}},
              {{1, -200}, {2, 150}, {0, 100}, {3, -0.5}}},
    SolveCase{"ThreeFieldsImageAngle", kAir, false, {{5, 10}, {7, -10}, {8, kWf}},
              {{1, -200}, {2, 200}, {0, 100}, {6, kW}}}), Named);

INSTANTIATE_TEST_SUITE_P(NoRealSystem, Solver, ::testing::Values(
    SolveCase{"TrackBelowFourFocalLengths", kAir, false, {{0, 100}, {4, 300}, {5, 10}}, {}},
    SolveCase{"ZeroObjectDistance", kAir, false, {{1, 0}, {2, 100}, {7, 5}}, {}},
    SolveCase{"ZeroImageDistance", kAir, false, {{1, -100}, {2, 0}, {5, 5}}, {}},
    SolveCase{"AfocalDistances", kAir, false, {{1, -100}, {2, -100}, {5, 5}}, {}},
    SolveCase{"AfocalObjectAndTrack", kAir, false, {{1, -100}, {4, 0}, {5, 5}}, {}},
    SolveCase{"AfocalImageAndMagnification", kAir, false, {{2, 100}, {3, 1}, {7, 5}}, {}},
    SolveCase{"AfocalImageAndTrack", kAir, false, {{2, 100}, {4, 0}, {7, 5}}, {}},
    SolveCase{"MagnificationEqualsIndexRatio", kImmersed, false,
              {{3, static_cast<float>(1 / 1.5)}, {4, 100}, {5, 5}}, {}},
    SolveCase{"ObjectMagnificationAtZeroDistance", kAir, false, {{1, 0}, {3, -1}, {5, 5}}, {}}),
    Named);

INSTANTIATE_TEST_SUITE_P(TrappedRunTimeErrors, Solver, ::testing::Values(
    SolveCase{"DivisionByZeroObjectDistance", kAir, false, {{0, 100}, {1, 0}, {5, 10}}, {}},
    SolveCase{"ZeroFocalLength", kAir, false, {{0, 0}, {2, 100}, {7, 5}}, {}},
    SolveCase{"TrackOverflowsFloat", kAir, false, {{1, -1e38f}, {2, 3e38f}, {8, 1.4f}}, {}},
    SolveCase{"HeightOverflowsFloat", kAir, false, {{1, -100}, {2, 3e38f}, {5, 1e37f}}, {}},
    SolveCase{"ZeroFieldAngle", kAir, false, {{0, 100}, {5, 10}, {6, 0}}, {}},
    SolveCase{"ZeroObjectHeight", kAir, false, {{0, 100}, {5, 0}, {7, 5}}, {}}), Named);

// Sets the selection rules refuse can still come back from a saved file; they have no
// solution rather than one computed from stale table entries.
INSTANTIATE_TEST_SUITE_P(RefusedSets, Solver, ::testing::Values(
    SolveCase{"ThreeDistances", kAir, false, {{0, 100}, {1, -200}, {2, 200}}, {}},
    SolveCase{"BothAnglesWithHeight", kAir, false, {{5, 10}, {6, 0.1f}, {8, 0.1f}}, {}},
    SolveCase{"ObjectDistanceHeightAngle", kAir, false, {{1, -200}, {5, 10}, {6, 0.1f}}, {}},
    SolveCase{"MagnificationBothHeights", kAir, false, {{3, -1}, {5, 10}, {7, -10}}, {}},
    SolveCase{"ImageDistanceAngleHeight", kAir, false, {{2, 200}, {6, 0.1f}, {7, 5}}, {}},
    SolveCase{"BothAnglesWithDistance", kAir, false, {{0, 100}, {6, 0.1f}, {8, 0.1f}}, {}}),
    Named);
// clang-format on

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
