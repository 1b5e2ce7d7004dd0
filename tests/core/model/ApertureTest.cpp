// The aperture step: every aperture parameter gives back the same aperture of a system, the
// diffraction values agree with each other in any medium, failures end only the aperture step.
#include <string>

#include "Scenes.h"
#include "core/model/ApertureValues.h"

namespace lumarik::test {
namespace {

constexpr double kLambdaMm = 546.1e-6;

struct ApertureSystem {
    friend void PrintTo(const ApertureSystem& c, std::ostream* os) { *os << c.name; }
    const char* name;
    Optics optics;
    float focal;
};

class ApertureRoundTrip : public ::testing::TestWithParam<ApertureSystem> {};

// Solved with a stop radius of 10, each other aperture value given instead reproduces r, K, NA
// and NA'; a given Airy radius, a paraxial statement taking the sign of a', only |r|, |K|, |NA|.
// Airy radius, working F-number and MTF cut-off are 0.61·λ/NA', 1/(2·NA') and 2·NA'/λ.
TEST_P(ApertureRoundTrip, EveryParameterGivesTheSameAperture) {
    LumarikCode code;
    GetParam().optics.ApplyTo(code);
    Choose(code, {{0, GetParam().focal}, {1, -300}, {5, 10}});
    GiveAperture(code, kApStopRadius, 10.0f);
    ASSERT_TRUE(code.Solve(false));
    std::array<float, kApertureCount> reference{};
    for (int k = 0; k < kApertureCount; ++k) reference[k] = code.ApertureValue(k);
    const double ne = code.EffectiveFNumber();
    EXPECT_TRUE(Near(reference[kApAiryRadius], 1.22 * kLambdaMm * ne, 1e-5));
    EXPECT_TRUE(Near(std::fabs(code.MtfCutOff()) * kLambdaMm * ne, 1.0, 1e-5));

    for (int k = kApFNumber; k < kApertureCount; ++k) {
        GiveAperture(code, k, reference[k]);
        ASSERT_TRUE(code.Solve(false)) << "k = " << k;
        const bool airy = k == kApAiryRadius;
        for (int j = 0; j <= (airy ? kApNA : kApNAImage); ++j) {
            const double v = code.ApertureValue(j), r = reference[j];
            EXPECT_TRUE(Near(airy ? std::fabs(v) : v, airy ? std::fabs(r) : r, 1e-5)) << k << j;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Systems, ApertureRoundTrip,
    ::testing::Values(ApertureSystem{"NegativeLens", Optics{}, -50},
                      ApertureSystem{"ImageInMedium", Optics{true, false, 1.0f, 1.5f, 10}, 100},
                      ApertureSystem{"ConcaveMirror", Optics{false, true}, -100}),
    [](const auto& info) { return std::string(info.param.name); });

// The values of the lens in air for a given stop radius or F-number are in the listing's
// scenes; these are the cases with a twist.
LUMARIK_SCENE_TESTS(Cases, ApertureStep, CompletesTheTable);

// A division by zero in the aperture step (an F-number of 0) ends that step only: the solve
// succeeds, the aperture still counts as given, the memory is left alone.
TEST(ApertureStep, RunTimeErrorEndsOnlyTheApertureStep) {
    ExpectScene("ApertureRunTimeError");
}

TEST(ArcSine, IsTheArcsineBelowOneAndKeepsItsContinuationAbove) {
    const double halfPi = 3.141592654 / 2, sixth = std::asin(0.5);
    const std::pair<double, double> cases[] = {{0.5, sixth},           {-0.5, -sixth},
                                               {1.0, halfPi},          {1.5, halfPi + sixth},
                                               {-1.5, halfPi + sixth}, {1.9995, halfPi}};
    for (const auto& [x, expected] : cases) EXPECT_NEAR(ArcSine(x), expected, 1e-12) << x;
}

}  // namespace
}  // namespace lumarik::test
