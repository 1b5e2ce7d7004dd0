// The one-beam formulas, which the solver test does not reach. Every relation against the ABCD
// law, with both roots, is a case of the solver test.
#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "BeamTestSupport.h"
#include "core/beam/BeamRelations.h"

namespace lumarik::test {
namespace {

TEST(BeamRadiusAt, AgreesWithTheBeamParameter) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> zs(-2000, 2000), rs(0.005, 2);
    for (int i = 0; i < 200; ++i) {
        const double z = zs(rng), r0 = rs(rng);
        const std::complex<double> q(z, kBeamPi * r0 * r0 / kLambda);
        EXPECT_NEAR(BeamRadiusAt(z, r0, kLambda), RadiusFromQ(q), 1e-9 * RadiusFromQ(q));
        EXPECT_EQ(BeamRadiusAt(z, -r0, kLambda), BeamRadiusAt(z, r0, kLambda));
        const double curvature = WavefrontRadiusAt(z, r0, kLambda);
        EXPECT_NEAR(curvature, 1.0 / (1.0 / q).real(), 1e-9 * std::fabs(curvature));
    }
    EXPECT_TRUE(BeamRadiusAt(10, 0, kLambda) == 0.0 &&
                WavefrontRadiusAt(0, 1, kLambda) == kBeamInfinite);
}

// The power of a Gaussian spot through a centred round aperture: the round case against
// 1 − exp(−2a²/w²) (a = w passes 86.47 %), the angle integral of an elliptical spot against the
// round case and against a sum over a fine grid of pixels inside the aperture.
TEST(TransmittedFraction, RoundAndEllipticalSpots) {
    EXPECT_NEAR(TransmittedFraction(1.0, 1.0, 1.0).value(), 0.864665, 1e-6);
    EXPECT_NEAR(TransmittedFraction(1.5, 1.0, 1.0).value(), 1.0 - std::exp(-4.5), 1e-12);
    EXPECT_EQ(TransmittedFraction(0.0, 2.0, 3.0).value(), 0.0);
    EXPECT_NEAR(TransmittedFraction(1e3, 2.0, 3.0).value(), 1.0, 1e-12);
    // Nearly round through the numerical path.
    EXPECT_NEAR(TransmittedFraction(0.7, 1.0, 1.0 + 1e-9).value(), 1.0 - std::exp(-0.98), 1e-8);
    for (const auto& [a, wx, wy] :
         {std::tuple{1.5, 1.0, 3.0}, std::tuple{0.4, 0.5, 0.2}, std::tuple{2.0, 4.0, 1.0}}) {
        // I ∝ exp(−2x²/wx² − 2y²/wy²), total power π·wx·wy/2.
        const double step = a / 400.0;
        double sum = 0.0;
        for (double x = -a + step / 2; x < a; x += step) {
            for (double y = -a + step / 2; y < a; y += step) {
                if (x * x + y * y <= a * a) {
                    sum += std::exp(-2.0 * x * x / (wx * wx) - 2.0 * y * y / (wy * wy));
                }
            }
        }
        const double brute = sum * step * step / (kBeamPi * wx * wy / 2.0);
        EXPECT_NEAR(TransmittedFraction(a, wx, wy).value(), brute, 2e-3) << a << ' ' << wx;
        EXPECT_NEAR(TransmittedFraction(a, wx, wy).value(), TransmittedFraction(a, wy, wx).value(),
                    1e-12);
    }
    EXPECT_FALSE(TransmittedFraction(-1.0, 1.0, 1.0) || TransmittedFraction(1.0, 0.0, 1.0) ||
                 TransmittedFraction(1.0, 1.0, std::nan("")));
}

}  // namespace
}  // namespace lumarik::test
