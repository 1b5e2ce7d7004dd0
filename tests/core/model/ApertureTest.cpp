// The aperture step: every aperture parameter gives back the same aperture of a system, the
// diffraction values agree with each other in any medium, failures end only the aperture step;
// and the cardinal points.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "ModelTestSupport.h"
#include "core/model/ApertureValues.h"

namespace lumarik::test {
namespace {

constexpr double kLambdaMm = 546.1e-6;

struct ApertureSystemCase {
    const char* name;
    friend void PrintTo(const ApertureSystemCase& c, std::ostream* os) { *os << c.name; }
    Optics optics;
    std::vector<Given> given;
};

class ApertureRoundTrip : public ::testing::TestWithParam<ApertureSystemCase> {};

// The system is solved with a stop radius of 10; each other aperture value of it, given
// instead, must reproduce r, K, NA and NA' (in magnitude: a radius from a given Airy radius
// takes the sign of a'). A given Airy radius is a paraxial statement, so only r, NA and K
// must follow from it.
TEST_P(ApertureRoundTrip, EveryParameterGivesTheSameAperture) {
    const ApertureSystemCase& c = GetParam();
    LumarikCode code;
    c.optics.ApplyTo(code);
    for (const Given& g : c.given) Choose(code, {g});
    GiveAperture(code, kApStopRadius, 10.0f);
    ASSERT_TRUE(code.Solve(false));
    ASSERT_FALSE(code.ApertureMissing());
    std::array<float, kApertureCount> reference{};
    for (int k = 0; k < kApertureCount; ++k) reference[k] = code.ApertureValue(k);

    // Airy radius, working F-number and MTF cut-off are 0.61·λ/NA', 1/(2·NA') and 2·NA'/λ
    // with the same paraxial NA'.
    const double ne = code.EffectiveFNumber();
    EXPECT_TRUE(Near(reference[kApAiryRadius], 1.22 * kLambdaMm * ne, 1e-5));
    EXPECT_TRUE(Near(std::fabs(code.MtfCutOff()) * kLambdaMm * ne, 1.0, 1e-5));

    for (int k = kApFNumber; k < kApertureCount; ++k) {
        GiveAperture(code, k, reference[k]);
        ASSERT_TRUE(code.Solve(false)) << "k = " << k;
        const int last = k == kApAiryRadius ? kApNA : kApNAImage;
        for (int j = 0; j <= last; ++j) {
            EXPECT_TRUE(Near(std::fabs(code.ApertureValue(j)), std::fabs(reference[j]), 1e-5))
                << "k " << k << " j " << j;
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Systems, ApertureRoundTrip, ::testing::Values(
    ApertureSystemCase{"LensInAir", Optics{}, {{0, 100}, {1, -200}, {5, 10}}},
    ApertureSystemCase{"NegativeLens", Optics{}, {{0, -50}, {1, -150}, {5, 10}}},
    ApertureSystemCase{"ObjectInMedium", Optics{true, false, 1.5f, 1.5f, 0}, {{0, 100}, {1, -200}, {5, 10}}},
    ApertureSystemCase{"ImageInMedium", Optics{true, false, 1.0f, 1.5f, 10}, {{0, 100}, {1, -200}, {5, 10}}},
    ApertureSystemCase{"ConcaveMirror", Optics{false, true}, {{0, -100}, {1, -300}, {5, 10}}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct ApertureCase {
    const char* name;
    friend void PrintTo(const ApertureCase& c, std::ostream* os) { *os << c.name; }
    Optics optics;
    bool objectAtInfinity;
    std::vector<Given> given;
    int k;
    float value;
    // r, K, NA, NA', Airy radius, then the effective F-number and the MTF cut-off.
    std::array<double, 7> expected;
};

class ApertureStep : public ::testing::TestWithParam<ApertureCase> {};

TEST_P(ApertureStep, CompletesTheTable) {
    const ApertureCase& c = GetParam();
    LumarikCode code;
    c.optics.ApplyTo(code);
    for (const Given& g : c.given) Choose(code, {g});
    code.SetObjectAtInfinity(c.objectAtInfinity);
    GiveAperture(code, c.k, c.value);
    ASSERT_TRUE(code.Solve(false));
    for (int k = 0; k < kApertureCount; ++k) {
        EXPECT_TRUE(Near(code.ApertureValue(k), c.expected[k], 1e-4)) << "entry " << k;
    }
    EXPECT_TRUE(Near(code.EffectiveFNumber(), c.expected[5], 1e-4));
    EXPECT_TRUE(Near(code.MtfCutOff(), c.expected[6], 1e-4));
}

const Optics kAir{};
const Optics kDenseObjectSpace{true, false, 1.5f, 1.5f, 0};

// The values of the lens in air for a given stop radius or F-number are in the listing's
// tests; these are the cases with a twist.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, ApertureStep, ::testing::Values(
    // |a|·tan(arcsin(NA/n)) inverts NA = n·sin(atan(r/|a|)); dividing tan(arcsin(NA)) by n
    // instead would give r = 41.93.
    ApertureCase{"ObjectSideNAInMedium", kDenseObjectSpace, false, {{0, 100}, {1, -200}, {5, 10}},
                 kApNA, 0.3f, {40.82483, 1.224745, 0.3, 0.3, 0.001087969, 1.632993, 1121.356}},
    ApertureCase{"AiryRadiusZero", kAir, false, {{0, 100}, {1, -200}, {5, 10}}, kApAiryRadius, 0,
                 {0, 0, 0, 0, 0, 0, 0}},
    // The mirror's NA' carries the sign of n' = -1; the working F-number stays positive.
    ApertureCase{"Mirror", Optics{false, true}, false, {{0, -100}, {1, -200}, {5, 10}},
                 kApStopRadius, 12.5f, {12.5, -4, 0.06237829, -0.06237829, 0.005329936, 8, 228.8958}},
    ApertureCase{"ObjectAtInfinity", kAir, true, {{0, 50}, {1, kInfinity}, {8, 0.1f}},
                 kApFNumber, 2, {12.5, 2, 0, 0.2425356, 0.001332484, 2, 915.5832}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A division by zero in the aperture step (an F-number of 0) ends that step only: the solve
// succeeds, the aperture still counts as given, the memory is left alone.
TEST(ApertureStep, RunTimeErrorEndsOnlyTheApertureStep) {
    LumarikCode code;
    Choose(code, {{0, 100}, {1, -200}, {5, 10}});
    GiveAperture(code, kApStopRadius, 10.0f);
    ASSERT_TRUE(code.Solve(true));
    GiveAperture(code, kApFNumber, 0.0f);
    EXPECT_TRUE(code.Solve(true));
    EXPECT_FALSE(code.NoSolution() || code.ApertureMissing());
    EXPECT_EQ(code.ApertureMemory(kApFNumber).sVarValue, 5.0f);
    EXPECT_EQ(code.ApertureValue(kApStopRadius), 10.0f);

    code.Apertures().SetVarValDef(1, false);
    EXPECT_TRUE(code.Solve(true));
    EXPECT_TRUE(code.ApertureMissing());
    EXPECT_FALSE(code.ApertureMemory(kApFNumber).bVarValDef);
}

TEST(ArcSine, IsTheArcsineBelowOneAndKeepsItsContinuationAbove) {
    const double halfPi = 3.141592654 / 2;
    const double sixth = std::asin(0.5);
    // clang-format off
    const std::vector<std::pair<double, double>> cases = {
        {0.5, sixth}, {-0.5, -sixth}, {1.0, halfPi}, {1.5, halfPi + sixth},
        {-1.5, halfPi + sixth}, {1.9995, halfPi}};
    // clang-format on
    for (const auto& [x, expected] : cases) EXPECT_NEAR(ArcSine(x), expected, 1e-12) << x;
}

// P, P', F, F', N, N' between two media, and for a mirror, whose nodal points lie at its
// centre of curvature.
TEST(CardinalPoints, FollowFocalLengthsAndSeparation) {
    const std::vector<std::pair<Optics, std::array<double, kCardinalCount>>> cases = {
        {Optics{true, false, 1.0f, 1.5f, 10}, {0, 10, -200.0 / 3, 110, 100.0 / 3, 130.0 / 3}},
        {Optics{false, true}, {0, 0, 100, 100, 200, 200}}};
    for (const auto& [optics, expected] : cases) {
        LumarikCode code;
        optics.ApplyTo(code);
        Choose(code, {{0, 100}, {1, -300}, {5, 10}});
        ASSERT_TRUE(code.Solve(false));
        for (int i = 0; i < kCardinalCount; ++i) {
            EXPECT_TRUE(Near(code.CardinalPoint(i), expected[i], 1e-6)) << i;
        }
    }
}

}  // namespace
}  // namespace lumarik::test
