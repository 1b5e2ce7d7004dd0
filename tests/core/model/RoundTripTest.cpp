// Solving a system from any admissible choice of three of its own values gives the whole
// system back.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "ModelTestSupport.h"
#include "core/model/Selection.h"

namespace lumarik::test {
namespace {

struct SystemCase {
    const char* name;
    Optics optics;
    double fp;
    double a;
    double u;
};

const std::vector<SystemCase>& Systems() {
    static const std::vector<SystemCase> kSystems = {
        {"PositiveLens", Optics{}, 100.0, -200.0, 10.0},
        {"NegativeLens", Optics{}, -50.0, -150.0, 20.0},
        {"ImmersedLens", Optics{true, false, 1.0f, 1.5f, 10.0f}, 100.0, -200.0, 10.0},
        {"ConcaveMirror", Optics{false, true}, -100.0, -300.0, 10.0},
        {"VirtualObject", Optics{}, 100.0, 50.0, 10.0},
    };
    return kSystems;
}

struct RoundTripCase {
    std::size_t system;
    std::array<int, 3> set;
    friend void PrintTo(const RoundTripCase& c, std::ostream* os) {
        *os << "system " << c.system << " set " << c.set[0] << c.set[1] << c.set[2];
    }
};

std::vector<RoundTripCase> AllCases() {
    std::vector<RoundTripCase> cases;
    for (std::size_t s = 0; s < Systems().size(); ++s) {
        for (const auto& set : AdmissibleSelections()) cases.push_back({s, set});
    }
    return cases;
}

class RoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, GivesTheSystemBack) {
    const SystemCase& system = Systems()[GetParam().system];
    const auto& set = GetParam().set;
    const Reference given =
        ReferenceSystem(system.optics, system.fp, system.a, kParObjectHeight, system.u);

    // With f' and t the choice rule may pick the other of the two systems they allow; the
    // given field value is kept either way.
    Reference expected = given;
    const bool focalAndTrack = set[0] == kParFocal && set[1] == kParTrack;
    if (focalAndTrack) {
        const double a =
            ObjectDistanceFromFocalAndTrack(system.optics, given[kParFocal], given[kParTrack]);
        expected = ReferenceSystem(system.optics, system.fp, a, set[2],
                                   given[static_cast<std::size_t>(set[2])]);
    }

    LumarikCode code;
    system.optics.ApplyTo(code);
    for (int number : set) {
        Choose(code, {{number, static_cast<float>(given[static_cast<std::size_t>(number)])}});
    }
    ASSERT_TRUE(code.Solve(false));
    EXPECT_FALSE(code.NoSolution());
    for (int number : kSolvedNumbers) {
        EXPECT_TRUE(Near(code.Value(number), expected[static_cast<std::size_t>(number)], 1e-4))
            << "parameter " << ShortName(number);
    }
}

std::string CaseName(const ::testing::TestParamInfo<RoundTripCase>& info) {
    std::string name = Systems()[info.param.system].name;
    for (int number : info.param.set) name += std::string("_") + ShortName(number);
    return name;
}

INSTANTIATE_TEST_SUITE_P(Systems, RoundTrip, ::testing::ValuesIn(AllCases()), CaseName);

}  // namespace
}  // namespace lumarik::test
