// Depth of field: the list's values and message for lenses and mirrors, the values against
// the thin-lens geometry, the circle of confusion by type, the two number formats, and the commit
// of a custom circle of confusion.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "ModelTestSupport.h"
#include "support/DataTable.h"

namespace lumarik::test {
namespace {

struct DofCase {
    std::string name;
    friend void PrintTo(const DofCase& c, std::ostream* os) { *os << c.name; }
    DataRow cells;  // one row of tests/data/depth_of_field_cases.tsv
};

std::vector<DofCase> DofCases() {
    std::vector<DofCase> cases;
    for (const DataRow& r : ReadDataTable("depth_of_field_cases.tsv"))
        cases.push_back({r.at(0), r});
    return cases;
}

class DepthOfField : public ::testing::TestWithParam<DofCase> {};

TEST_P(DepthOfField, ValuesAndMessage) {
    const DataRow& c = GetParam().cells;
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

TEST(DepthOfField, TableIsComplete) {
    EXPECT_EQ(DofCases().size(), 14u);
}

INSTANTIATE_TEST_SUITE_P(Systems, DepthOfField, ::testing::ValuesIn(DofCases()),
                         [](const auto& info) { return info.param.name; });

const std::array<std::string, kDofRowCount> kLensValues = {
    "  0.025mm", "±0.200mm", "  0.400mm", " -199.80mm", " -200.20mm", " -100100mm"};

struct GeometryCase {
    const char* name;
    friend void PrintTo(const GeometryCase& c, std::ostream* os) { *os << c.name; }
    Optics optics;
    float focal, objectDist, stopRadius, cofc;
};

class DepthOfFieldGeometry : public ::testing::TestWithParam<GeometryCase> {};

// The values against the thin lens itself: the near and far points are imaged to where their
// blur in the image plane is exactly the circle of confusion, and so on for the other rows.
TEST_P(DepthOfFieldGeometry, BlurInTheImagePlaneIsTheCircleOfConfusion) {
    const GeometryCase& g = GetParam();
    LumarikCode code;
    g.optics.ApplyTo(code);
    code.DepthOfField().SetCofCCustomVal(g.cofc);
    Choose(code, {{0, g.focal}, {1, g.objectDist}, {5, 10}});
    GiveAperture(code, kApStopRadius, g.stopRadius);
    ASSERT_TRUE(code.Solve(false));
    ASSERT_EQ(code.DepthOfField().State(), DofState::kEvaluated);
    const DofTable& t = code.DepthOfField().Table();

    // 1/a' - ρ/a = 1/f'; the cone from the stop (radius r) to an image at ax has the diameter
    // 2r·|a' - ax|/|ax| in the image plane a'.
    const double fp = g.focal;
    const double r = g.stopRadius;
    const auto image = [&](double a) { return 1.0 / (1.0 / fp + g.optics.Rho() / a); };
    const double imagePlane = image(g.objectDist);
    const auto blur = [&](double ax, double plane) {
        return 2 * r * std::fabs(plane - ax) / std::fabs(ax);
    };
    const double c = g.cofc;
    constexpr double kTolerance = 1e-5;

    EXPECT_TRUE(Near(blur(image(-t[kDofNear]), imagePlane), c, kTolerance));
    if (t[kDofFar] == kDofInfinity) {
        EXPECT_LE(blur(fp, imagePlane), c * (1 + kTolerance));
    } else {
        EXPECT_TRUE(Near(blur(image(-t[kDofFar]), imagePlane), c, kTolerance));
    }
    EXPECT_LT(t[kDofNear], -g.objectDist);
    EXPECT_TRUE(t[kDofFar] == kDofInfinity || t[kDofFar] > -g.objectDist);
    EXPECT_TRUE(Near(t[kDofFieldDepth], t[kDofFar] - t[kDofNear], 1e-12));
    // Focused at the hyperfocal distance the far limit reaches infinity (image at f').
    EXPECT_TRUE(Near(blur(fp, image(-t[kDofHyperfocal])), c, kTolerance));
    // The image plane may move by the depth of focus.
    EXPECT_TRUE(Near(blur(imagePlane, imagePlane + t[kDofFocusDepth]), c, kTolerance));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Systems, DepthOfFieldGeometry, ::testing::Values(
    GeometryCase{"LensInAir", Optics{}, 100, -250, 12.5f, 0.025f},
    GeometryCase{"CloseToFocus", Optics{}, 100, -120, 5, 0.05f},
    GeometryCase{"BeyondHyperfocal", Optics{}, 50, -50000, 10, 0.03f},
    GeometryCase{"ObjectAtInfinity", Optics{}, 50, kInfinity, 10, 0.03f},
    // The circle larger than the stop: the near point lies inside the focal length.
    GeometryCase{"CircleBeyondStop", Optics{}, 100, -250, 12.5f, 30},
    GeometryCase{"DenseImageSpace", Optics{true, false, 1.0f, 1.5f, 0}, 100, -100, 12.5f, 0.025f},
    GeometryCase{"DenseObjectSpace", Optics{true, false, 1.33f, 1.0f, 10}, 100, -400, 8, 0.02f},
    GeometryCase{"ConcaveMirror", Optics{false, true}, -100, -250, 12.5f, 0.025f},
    GeometryCase{"ConcaveMirrorInWater", Optics{true, true, 1.33f}, -80, -300, 10, 0.02f}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Choosing the aperture after the solve runs only the aperture step; the depth of field
// must follow it rather than keep the values of the missing aperture.
TEST(DepthOfField, FollowsAnApertureChosenAfterTheSolve) {
    LumarikCode code;
    Choose(code, {{0, 100}, {1, -200}, {5, 10}});
    ASSERT_TRUE(code.Solve(true));
    GiveAperture(code, kApStopRadius, 12.5f);
    ASSERT_TRUE(code.ApertureCycle().buildListing);
    EXPECT_EQ(code.DepthOfFieldRows().values, kLensValues);
}

TEST(DepthOfFieldFormats, PrecisionFollowsTheSize) {
    // clang-format off
    const std::vector<std::array<const char*, 3>> cases = {
        // value, small-value text, distance text
        {"0", " 0.0mm", " 0.0"}, {"12.5", " 12.5mm", " 12.50mm"}, {"-10", "-10.0mm", "-10.00mm"},
        {"2.25", " 2.25mm", " 2.25mm"}, {"0.5", " 0.50mm", " 0.500mm"},
        {"0.025", " 0.025mm", " 0.0250mm"}, {"0.0067", " 0.0067mm", " 0.00670mm"},
        {"0.00025", " 0.00025mm", " 2.50e-4mm"}, {"0.0001", " 1.00e-4mm", " 1.00e-4mm"},
        {"-1234.4", "-1234.4mm", "-1234mm"}, {"2.5e6", " 2500000.0mm", " 2.50e+6mm"},
        {"10.05", " 10.1mm", " 10.05mm"}, {"0.01005", " 0.0101mm", " 0.0101mm"},
        {"1005", " 1005.0mm", " 1005mm"},
        {"-1e20", "-100000000000000000000.0mm", " Infinity"}};
    // clang-format on
    for (const auto& [text, small, distance] : cases) {
        const double value = std::stod(text);
        EXPECT_EQ(DofSmallValueText(value, '.'), small) << text;
        EXPECT_EQ(DofDistanceText(value, '.'), distance) << text;
    }
    EXPECT_EQ(DofDistanceText(-199.8, ','), "-199,80mm");
}

struct CommitCase {
    const char* name;
    friend void PrintTo(const CommitCase& c, std::ostream* os) { *os << c.name; }
    int type;
    const char* text;
    bool accepted, changed;
    const char* box;
    float custom;  // afterwards
};

class CustomCofCCommit : public ::testing::TestWithParam<CommitCase> {};

TEST_P(CustomCofCCommit, StoresOnlyANewPositiveCustomValue) {
    const CommitCase& c = GetParam();
    LumarikCode code;
    code.SetSeparators({',', '.'});
    code.DepthOfField().SetCofCType(c.type);
    Choose(code, {{0, 100}, {1, -200}, {5, 10}});
    GiveAperture(code, kApStopRadius, 12.5f);
    ASSERT_TRUE(code.Solve(false));
    int backups = 0;
    const CustomCofCResult result = code.CommitCustomCofC(c.text, [&] { ++backups; });
    EXPECT_EQ(result.accepted, c.accepted);
    EXPECT_EQ(result.changed && result.showDepthOfField, c.changed);
    EXPECT_EQ(backups, c.changed ? 1 : 0);
    EXPECT_EQ(result.boxText, c.box);
    EXPECT_EQ(code.DepthOfField().CofCCustomVal(), c.custom);
    if (c.type == kCofCCustom) {
        EXPECT_EQ(code.DepthOfField().Table()[kDofCofC], c.custom);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, CustomCofCCommit, ::testing::Values(
    CommitCase{"NewValue", 0, "0,05", true, true, " 0,050mm", 0.05f},
    CommitCase{"PointAccepted", 0, "0.1", true, true, " 0,10mm", 0.1f},
    CommitCase{"SameValue", 0, "0,025", true, false, " 0,025mm", 0.025f},
    CommitCase{"NotANumber", 0, "0,05mm", false, false, "", 0.025f},
    CommitCase{"Negative", 0, "-0,05", true, false, " 0,025mm", 0.025f},
    CommitCase{"BeyondFloat", 0, "1e40", true, false, " 0,025mm", 0.025f},
    CommitCase{"AiryTypeKeepsCustom", 1, "0,05", true, false, " 0,025mm", 0.025f}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Without a solved system the new value is kept for the next solve, but no list is shown;
// a stored value that cannot be a circle reads as the default.
TEST(CustomCofC, KeptWithoutSolutionAndDefaultForUnusableValues) {
    LumarikCode code;
    const CustomCofCResult result = code.CommitCustomCofC("0.05", nullptr);
    EXPECT_TRUE(result.changed && !result.showDepthOfField);
    EXPECT_EQ(code.DepthOfField().CofCCustomVal(), 0.05f);
    for (float stored : {0.0f, -1.0f, NAN}) {
        code.DepthOfField().SetCofCCustomVal(stored);
        EXPECT_EQ(code.DepthOfField().CofCCustomVal(), 0.025f) << stored;
    }
}

}  // namespace
}  // namespace lumarik::test
