// Depth of field: the list's values and message for lenses and mirrors, the values against
// the thin-lens geometry, the two number formats, and the commit of a custom circle of confusion.
#include <string>
#include <tuple>

#include "ModelTestSupport.h"

namespace lumarik::test {
namespace {

class DepthOfField : public ::testing::TestWithParam<DataRow> {};

// The rows of tests/data/depth_of_field_cases.tsv.
TEST_P(DepthOfField, ValuesAndMessage) {
    const DataRow& c = GetParam();
    ASSERT_EQ(c.size(), 16u);
    LumarikCode code;
    code.Constants().SetMirrorMode(c[1] == "1");
    code.DepthOfField().SetCofCType(std::stoi(c[5]));
    code.DepthOfField().SetCofCCustomVal(std::stof(c[6]));
    Choose(code, {{0, std::stof(c[2])}, {1, std::stof(c[3])}, {5, 10}});
    if (c[4] != "-") GiveAperture(code, kApStopRadius, std::stof(c[4]));
    ASSERT_TRUE(code.Solve(false));
    const DepthOfFieldView view = code.DepthOfFieldRows();
    for (int row = 0; row < kDofRowCount; ++row) EXPECT_EQ(view.values[row], c[7 + row]) << row;
    EXPECT_EQ(view.message.visible, c[13] != "-");
    EXPECT_EQ(view.message.caption, c[13] == "-" ? "" : c[13]);
    EXPECT_EQ(view.message.backColour, std::stoul(c[14]));
    EXPECT_EQ(view.messageHeight, std::stoi(c[15]));
}

INSTANTIATE_TEST_SUITE_P(Systems, DepthOfField,
                         ::testing::ValuesIn(ReadDataTable("depth_of_field_cases.tsv")), RowName);

struct GeometryCase {
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
    LumarikCode code;
    Choose(code, {{0, 100}, {1, -200}, {5, 10}});
    ASSERT_TRUE(code.Solve(true));
    GiveAperture(code, kApStopRadius, 12.5f);
    ASSERT_TRUE(code.ApertureCycle().buildListing);
    EXPECT_EQ(code.DepthOfFieldRows().values[kDofNear], " -199.80mm");

    DataDOF dof;
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
    // circle type, text, accepted, changed, box text, custom value afterwards
    const std::tuple<int, const char*, bool, bool, const char*, float> cases[] = {
        {0, "0,05", true, true, " 0,050mm", 0.05f},    {0, "0.1", true, true, " 0,10mm", 0.1f},
        {0, "0,025", true, false, " 0,025mm", 0.025f}, {0, "0,05mm", false, false, "", 0.025f},
        {0, "-0,05", true, false, " 0,025mm", 0.025f}, {0, "1e40", true, false, " 0,025mm", 0.025f},
        {1, "0,05", true, false, " 0,025mm", 0.025f}};
    for (const auto& [type, text, accepted, changed, box, custom] : cases) {
        LumarikCode code;
        code.SetSeparators({',', '.'});
        code.DepthOfField().SetCofCType(type);
        Choose(code, {{0, 100}, {1, -200}, {5, 10}});
        GiveAperture(code, kApStopRadius, 12.5f);
        ASSERT_TRUE(code.Solve(false));
        int backups = 0;
        const CustomCofCResult result = code.CommitCustomCofC(text, [&] { ++backups; });
        EXPECT_EQ(result.accepted, accepted) << text;
        EXPECT_EQ(result.changed && result.showDepthOfField, changed) << text;
        EXPECT_EQ(backups, changed ? 1 : 0) << text;
        EXPECT_EQ(result.boxText, box) << text;
        EXPECT_EQ(code.DepthOfField().CofCCustomVal(), custom) << text;
        if (type == kCofCCustom) {
            EXPECT_EQ(code.DepthOfField().Table()[kDofCofC], custom) << text;
        }
    }

    LumarikCode code;
    const CustomCofCResult result = code.CommitCustomCofC("0.05", nullptr);
    EXPECT_TRUE(result.changed && !result.showDepthOfField);
    EXPECT_EQ(code.DepthOfField().CofCCustomVal(), 0.05f);
    EXPECT_TRUE(code.CommitCustomCofC("3.4028234663852886e38", nullptr).changed);  // FLT_MAX
    for (float stored : {0.0f, -1.0f, NAN}) {
        code.DepthOfField().SetCofCCustomVal(stored);
        EXPECT_EQ(code.DepthOfField().CofCCustomVal(), 0.025f) << stored;
    }
    EXPECT_FALSE(code.ChooseCofCType(kCofCAiry));  // nothing to evaluate
}

}  // namespace
}  // namespace lumarik::test
