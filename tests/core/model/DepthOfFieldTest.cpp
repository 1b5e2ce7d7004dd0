// Depth of field: the list's values and message for lenses and mirrors, the values against
// the thin-lens geometry, the two number formats, and the commit of a custom circle of confusion.
#include <string>

#include "Scenes.h"

namespace lumarik::test {
namespace {

LUMARIK_SCENE_TESTS(Systems, DepthOfField, ValuesAndMessage);

struct GeometryCase {
    friend void PrintTo(const GeometryCase& c, std::ostream* os) { *os << c.name; }
    const char* name;
    Optics optics;
    float focal, objectDist, stopRadius, cofc;
};

class DepthOfFieldGeometry : public ::testing::TestWithParam<GeometryCase> {};

// Against the thin lens itself: with 1/a' - ρ/a = 1/f', the cone from the stop (radius r) to an
// image at x has the diameter 2r·|a' - x|/|x| in the image plane a'. That blur is the circle of
// confusion for the near and far points, for the far limit at infinity (image at f') when
// focused at the hyperfocal distance, and for an image plane moved by the depth of focus.
TEST_P(DepthOfFieldGeometry, BlurInTheImagePlaneIsTheCircleOfConfusion) {
    const GeometryCase& g = GetParam();
    LumarikCode code;
    g.optics.ApplyTo(code);
    code.DepthOfField().SetCofCCustomVal(g.cofc);
    Choose(code, {{0, g.focal}, {1, g.objectDist}, {5, 10}});
    GiveAperture(code, kApStopRadius, g.stopRadius);
    ASSERT_TRUE(code.Solve(false));
    const DofTable& t = code.DepthOfField().Table();
    const auto image = [&](double a) { return 1.0 / (1.0 / g.focal + g.optics.Rho() / a); };
    const auto blur = [&](double x, double plane) {
        return 2 * g.stopRadius * std::fabs(plane - x) / std::fabs(x) / g.cofc;
    };
    const double plane = image(g.objectDist);
    EXPECT_TRUE(Near(blur(image(-t[kDofNear]), plane), 1, 1e-5));
    const bool farAtInfinity = t[kDofFar] == kDofInfinity;
    EXPECT_TRUE(farAtInfinity ? blur(g.focal, plane) <= 1 + 1e-5
                              : Near(blur(image(-t[kDofFar]), plane), 1, 1e-5));
    EXPECT_TRUE(t[kDofNear] < -g.objectDist && (farAtInfinity || t[kDofFar] > -g.objectDist));
    EXPECT_TRUE(Near(t[kDofFieldDepth], t[kDofFar] - t[kDofNear], 1e-12));
    EXPECT_TRUE(Near(blur(g.focal, image(-t[kDofHyperfocal])), 1, 1e-5));
    EXPECT_TRUE(Near(blur(plane, plane + t[kDofFocusDepth]), 1, 1e-5));
}

// The circle larger than the stop puts the near point inside the focal length.
INSTANTIATE_TEST_SUITE_P(
    Systems, DepthOfFieldGeometry,
    ::testing::Values(
        GeometryCase{"ObjectAtInfinity", Optics{}, 50, kInfinity, 10, 0.03f},
        GeometryCase{"CircleBeyondStop", Optics{}, 100, -250, 12.5f, 30},
        GeometryCase{"DenseObjectSpace", Optics{true, false, 1.33f, 1.0f, 10}, 100, -400, 8, 0.02f},
        GeometryCase{"MirrorInWater", Optics{true, true, 1.33f}, -80, -300, 10, 0.02f}),
    [](const auto& info) { return std::string(info.param.name); });

// Choosing the aperture after the solve runs only the aperture step; the depth of field
// must follow it rather than keep the values of the missing aperture. An image at the
// infinity marker has no depth of field.
TEST(DepthOfField, FollowsAnApertureChosenAfterTheSolve) {
    ExpectScene("DofAfterSolve");
    DataDOF dof;  // the object away from the focal point
    dof.Evaluate(DofSystem{12.5f, -100.0f, -200.0f, kInfinity, 1.0f, 0.0f});
    EXPECT_EQ(dof.State(), DofState::kImageAtInfinity);
}

TEST(DepthOfFieldFormats, PrecisionFollowsTheSize) {
    for (const DataRow& r : ReadDataTable("dof_formats.tsv")) {
        EXPECT_EQ(DofSmallValueText(std::stod(r.at(0)), '.'), r.at(1)) << r[0];
        EXPECT_EQ(DofDistanceText(std::stod(r.at(0)), '.'), r.at(2)) << r[0];
    }
    EXPECT_EQ(DofDistanceText(-199.8, ','), "-199,80mm");
}

// Only a new positive custom value that fits a float is stored (and evaluated, after one undo
// backup); the box then shows the stored value. Without a solved system the value is kept for
// the next solve, but no list is shown; a stored value that cannot be a circle reads as the
// default.
TEST(CustomCofC, StoresOnlyANewPositiveCustomValue) {
    ExpectScene("CustomCofC");
}

}  // namespace
}  // namespace lumarik::test
