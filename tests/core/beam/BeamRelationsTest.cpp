// The thin-lens beam relations against the ABCD law: every relation over random systems of
// either sign of f' (both roots where there are two), the failing inputs, and the single-beam
// formulas. The degenerate limits are worked cases of the solver test.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <random>
#include <string>

#include "BeamTestSupport.h"
#include "core/beam/BeamRelations.h"

namespace lumarik::test {
namespace {

using Sys = BeamSystem;
constexpr double kTol = 1e-7;

// Light run backwards through the lens: the image waist becomes the object waist.
Sys Reversed(double f, double sImage, double zrImage) {
    return Sys{f, sImage, zrImage};
}

struct RelationCase {
    const char* name;
    std::function<std::optional<double>(const Sys&, bool alt)> eval;
    std::function<double(const Sys&)> expected;    // the value of the system itself
    std::function<bool(const Sys&, double)> fits;  // the result satisfies the law
    bool twoRoots;
    bool distance;  // compared on the scale of f' rather than relatively
};

// clang-format off
const RelationCase kRelations[] = {
    {"ImageDistance", [](const Sys& y, bool) { return ImageDistance(y.s, y.f, y.zr); },
     [](const Sys& y) { return y.SImage(); },
     [](const Sys& y, double v) { return Near(v, y.SImage(), kTol, y.f); }, false, true},
    {"ObjectDistance", [](const Sys& y, bool) { return ObjectDistance(y.SImage(), y.f, y.ZrImage()); },
     [](const Sys& y) { return y.s; },
     [](const Sys& y, double v) { return Near(v, y.s, kTol, y.f); }, false, true},
    {"MagFromObject", [](const Sys& y, bool) { return MagFromObject(y.s, y.f, y.zr); },
     [](const Sys& y) { return y.M(); },
     [](const Sys& y, double v) { return Near(v, y.M(), kTol); }, false, false},
    {"MagFromImage", [](const Sys& y, bool) { return MagFromImage(y.SImage(), y.f, y.ZrImage()); },
     [](const Sys& y) { return y.M(); },
     [](const Sys& y, double v) { return Near(v, y.M(), kTol); }, false, false},
    {"MagFromRayleigh", [](const Sys& y, bool) { return MagFromRayleigh(y.zr, y.ZrImage()); },
     [](const Sys& y) { return y.M(); },
     [](const Sys& y, double v) { return Near(v, y.M(), kTol); }, false, false},
    {"ObjectDistanceFromMag", [](const Sys& y, bool a) { return ObjectDistanceFromMag(y.M(), y.f, y.zr, a); },
     [](const Sys& y) { return y.s; },
     [](const Sys& y, double v) { return Near(Sys{y.f, v, y.zr}.M(), y.M(), kTol); }, true, true},
    {"FocalFromObjectMag", [](const Sys& y, bool a) { return FocalFromObjectMag(y.s, y.M(), y.zr, a); },
     [](const Sys& y) { return y.f; },
     [](const Sys& y, double v) { return Near(Sys{v, y.s, y.zr}.M(), y.M(), kTol); }, true, true},
    {"FocalFromImageMag",
     [](const Sys& y, bool a) { return FocalFromImageMag(y.SImage(), y.M(), y.ZrImage(), a); },
     [](const Sys& y) { return y.f; },
     [](const Sys& y, double v) { return Near(Reversed(v, y.SImage(), y.ZrImage()).M(), 1 / y.M(), kTol); },
     true, true},
    {"FocalFromObjectConj",
     [](const Sys& y, bool a) { return FocalFromObjectConj(y.s, y.SImage(), y.zr, a); },
     [](const Sys& y) { return y.f; },
     [](const Sys& y, double v) { return Near(Sys{v, y.s, y.zr}.SImage(), y.SImage(), kTol, y.f); },
     true, true},
    {"FocalFromImageConj",
     [](const Sys& y, bool a) { return FocalFromImageConj(y.s, y.SImage(), y.ZrImage(), a); },
     [](const Sys& y) { return y.f; },
     [](const Sys& y, double v) { return Near(Reversed(v, y.SImage(), y.ZrImage()).SImage(), y.s, kTol, y.f); },
     true, true},
    {"MagFromObjDistImgRayleigh",
     [](const Sys& y, bool a) { return MagFromObjDistImgRayleigh(y.s, y.f, y.ZrImage(), a); },
     [](const Sys& y) { return y.M(); },
     [](const Sys& y, double v) { return Near(Sys{y.f, y.s, y.ZrImage() / (v * v)}.M(), v, kTol); },
     true, false},
    {"MagFromImgDistObjRayleigh",
     [](const Sys& y, bool a) { return MagFromImgDistObjRayleigh(y.SImage(), y.f, y.zr, a); },
     [](const Sys& y) { return y.M(); },
     [](const Sys& y, double v) { return Near(Reversed(y.f, y.SImage(), y.zr * v * v).M(), 1 / v, kTol); },
     true, false},
};
// clang-format on

void PrintTo(const RelationCase& c, std::ostream* os) {
    *os << c.name;
}

class Relation : public ::testing::TestWithParam<RelationCase> {};

TEST_P(Relation, EveryResultObeysTheAbcdLawAndOneRootIsTheSystem) {
    const RelationCase& c = GetParam();
    std::mt19937 rng(20240611);
    int reached[2] = {0, 0};
    for (int trial = 0; trial < 500; ++trial) {
        const Sys sys = RandomSystem(rng);
        const std::optional<double> results[2] = {c.eval(sys, false), c.eval(sys, true)};
        const double expected = c.expected(sys);
        bool hit[2] = {false, false};
        for (int alt = 0; alt < 2; ++alt) {
            if (!results[alt]) continue;
            EXPECT_TRUE(c.fits(sys, *results[alt])) << "trial " << trial << ": " << *results[alt];
            hit[alt] = Near(*results[alt], expected, 1e-6, c.distance ? sys.f : 0.0);
        }
        EXPECT_TRUE(hit[0] || hit[1]) << "trial " << trial << " expected " << expected;
        if (!c.twoRoots) {
            EXPECT_TRUE(results[0] == results[1]);
        }
        if (hit[0] != hit[1]) ++reached[hit[1] ? 1 : 0];
    }
    if (c.twoRoots) {
        EXPECT_GT(reached[0], 10) << "the default root never gives the system";
        EXPECT_GT(reached[1], 10) << "AltSolution never gives the system";
    }
}

INSTANTIATE_TEST_SUITE_P(AbcdLaw, Relation, ::testing::ValuesIn(kRelations),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RelationFailure, InputsWithoutAPhysicalAnswerGiveNothing) {
    // clang-format off
    const std::optional<double> failures[] = {
        ImageDistance(100, 0, 10), ImageDistance(100, 100, 0), MagFromObject(100, 0, 10),
        MagFromImage(100, 100, 0), MagFromRayleigh(0, 5),
        ObjectDistanceFromMag(2, 100, 60, false),      // f'²/m² < zr²
        ObjectDistanceFromMag(0, 100, 60, false), FocalFromObjectMag(100, 0, 10, false),
        FocalFromObjectMag(0, 1, 10, false), FocalFromObjectMag(10, 2, 100, false),
        FocalFromObjectConj(50, -50, 50, false),       // s + s' = 0 and a vanishing linear term
        FocalFromObjectConj(50, 0, 10, false),         // the root f' = 0 is no lens
        MagFromImgDistObjRayleigh(100, 100, 20, true), // m = 0 at s' = f'
        MagFromImgDistObjRayleigh(50, 100, 0, false),
    };
    // clang-format on
    for (std::size_t i = 0; i < std::size(failures); ++i) EXPECT_FALSE(failures[i]) << i;
}

TEST(ImageDistance, LimitsOfTheWaistPosition) {
    EXPECT_NEAR(ImageDistance(200, 100, 1e-7).value(), 200, 1e-9);  // the ray law returns
    EXPECT_NEAR(MagFromObject(200, 100, 1e-7).value(), 1, 1e-9);
    EXPECT_DOUBLE_EQ(ImageDistance(100, 100, 7).value(), 100);  // focal plane to focal plane
    // One Rayleigh length beyond the focal point gives the farthest image waist.
    const double far = ImageDistance(120, 100, 20).value();
    EXPECT_NEAR(far, 100 + 100.0 * 100 / (2 * 20), 1e-9);
    for (double ds : {-5.0, -0.5, 0.5, 5.0})
        EXPECT_LT(ImageDistance(120 + ds, 100, 20).value(), far);
}

TEST(SolveQuadratic, KeepsBothRootsAccurateUnderCancellation) {
    const auto roots = SolveQuadratic(1.0, -1e8, 1.0).value();
    EXPECT_NEAR(roots.minus, 1e-8, 1e-22);
    EXPECT_NEAR(roots.plus, 1e8, 1e-6);
    const auto negative = SolveQuadratic(-2.0, 3.0, 5.0).value();  // roots -1 and 2.5
    EXPECT_DOUBLE_EQ(negative.minus, 2.5);
    EXPECT_DOUBLE_EQ(negative.plus, -1.0);
    EXPECT_FALSE(SolveQuadratic(1.0, 0.0, 1.0));
    EXPECT_FALSE(SolveQuadratic(0.0, 0.0, 1.0));
}

TEST(WaistFromGiven, OneQuantityGivesTheOtherTwo) {
    const auto waist = WaistFromGiven(WaistKind::kRadius, 1.0, kLambda).value();
    EXPECT_NEAR(waist.divergence * 1000, 0.2014, 5e-5);
    EXPECT_NEAR(waist.rayleigh, 4964.6, 0.05);
    EXPECT_EQ(WaistFromGiven(WaistKind::kRadius, -1.0, kLambda)->radius, 1.0);
    for (WaistKind kind : {WaistKind::kDivergence, WaistKind::kRayleigh}) {
        const double given = kind == WaistKind::kDivergence ? waist.divergence : waist.rayleigh;
        EXPECT_NEAR(WaistFromGiven(kind, given, kLambda)->radius, 1.0, 1e-12);
    }
    EXPECT_FALSE(WaistFromGiven(WaistKind::kRayleigh, 0.0, kLambda));
    EXPECT_FALSE(WaistFromGiven(WaistKind::kRadius, 1.0, 0.0));
    for (double r : {1e200, 1e-200}) EXPECT_FALSE(WaistFromGiven(WaistKind::kRadius, r, kLambda));
}

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
    EXPECT_EQ(BeamRadiusAt(10, 0, kLambda), 0.0);
    EXPECT_EQ(WavefrontRadiusAt(0, 1, kLambda), kBeamInfinite);
}

}  // namespace
}  // namespace lumarik::test
