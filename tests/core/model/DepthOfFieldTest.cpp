// Depth of field: the list's values and message for lenses and mirrors, the values against
// the thin-lens geometry, the circle of confusion by type, the two number formats, and the commit
// of a custom circle of confusion.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "ModelTestSupport.h"

namespace lumarik::test {
namespace {

using Rows = std::array<std::string, kDofRowCount>;

struct DofCase {
    const char* name;
    friend void PrintTo(const DofCase& c, std::ostream* os) { *os << c.name; }
    bool mirror;
    float focal, objectDist, stopRadius;  // no aperture for a negative stop radius
    int cofcType;
    float custom;
    Rows values;
    const char* message;  // empty: hidden
    std::uint32_t colour;
    int height;
};

class DepthOfField : public ::testing::TestWithParam<DofCase> {};

TEST_P(DepthOfField, ValuesAndMessage) {
    const DofCase& c = GetParam();
    LumarikCode code;
    code.Constants().SetMirrorMode(c.mirror);
    code.DepthOfField().SetCofCType(c.cofcType);
    code.DepthOfField().SetCofCCustomVal(c.custom);
    Choose(code, {{0, c.focal}, {1, c.objectDist}, {5, 10}});
    if (c.stopRadius >= 0) GiveAperture(code, kApStopRadius, c.stopRadius);
    ASSERT_TRUE(code.Solve(false));
    const DepthOfFieldView view = code.DepthOfFieldRows();
    EXPECT_EQ(view.values, c.values);
    EXPECT_EQ(view.message.visible, *c.message != '\0');
    EXPECT_EQ(view.message.caption, c.message);
    EXPECT_EQ(view.message.backColour, c.colour);
    EXPECT_EQ(view.messageHeight, c.height);
}

const Rows kLensValues = {"  0.025mm",  "±0.200mm",   "  0.400mm",
                          " -199.80mm", " -200.20mm", " -100100mm"};
const Rows kNoValues = {"  ---", "  ---", "  ---", "  ---", "  ---", "  ---"};
const char* const kNeedsAperture = "Apertur muss groesser Null sein";
const char* const kAtInfinity = "Keine Schärfentiefe: Bild im Unendlichen";
const char* const kVirtualImage = "Schärfentiefe nur für reelle Bilder definiert";
constexpr std::uint32_t kRed = 255;
constexpr std::uint32_t kYellow = 65535;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Systems, DepthOfField, ::testing::Values(
    DofCase{"Lens", false, 100, -200, 12.5f, 0, 0.025f, kLensValues, "", 0, 0},
    // A concave mirror images like the lens of the same power.
    DofCase{"ConcaveMirror", true, -100, -200, 12.5f, 0, 0.025f, kLensValues, "", 0, 0},
    DofCase{"BeyondHyperfocal", false, 100, -200000, 12.5f, 0, 0.025f,
            {"  0.025mm", "±0.100mm", "  Infinity", " -66689mm", "  Infinity", " -100100mm"},
            "", 0, 0},
    DofCase{"CustomBelowAiryDiameter", false, 100, -200, 10, 0, 0.001f,
            {"  0.0010mm", "±0.0100mm", "  0.0200mm", " -199.99mm", " -200.01mm", " -2.00e+6mm"},
            "Der gewählte geometrische Unschärfekreis ist kleiner als der theoretisch mögliche "
            "beugungsbegrenzte Spotdurchmesser (Airy-Durchmesser)", kRed, 912},
    DofCase{"AiryDiameter", false, 100, -200, 10, 1, 0.001f,
            {"  0.0133mm", "±0.133mm", "  0.266mm", " -199.87mm", " -200.13mm", " -150196mm"},
            "", 0, 0},
    DofCase{"UnknownTypeHasNoCircle", false, 100, -200, 10, 2, 0.025f,
            {"  0.0mm", "±0.0", "  0.0", "  0.0", "  0.0", "  0.0"}, "", 0, 0},
    DofCase{"NoAperture", false, 100, -200, -1, 0, 0.025f, kNoValues, kNeedsAperture, kYellow, 285},
    DofCase{"ClosedStop", false, 100, -200, 0, 0, 0.025f, kNoValues, kNeedsAperture, kYellow, 285},
    // Without a real object and a real image at a finite distance there is no depth of field,
    // and no warning about an Airy diameter that has no value either.
    DofCase{"ImageAtInfinity", false, 100, -100, 12.5f, 0, 0.001f, kNoValues, kAtInfinity,
            kYellow, 285},
    DofCase{"MirrorImageAtInfinity", true, -100, -100, 12.5f, 0, 0.001f, kNoValues, kAtInfinity,
            kYellow, 285},
    DofCase{"VirtualObject", false, 100, 100, 12.5f, 0, 0.025f, kNoValues,
            "Schärfentiefe nur für reelle Objekte definiert", kYellow, 285},
    DofCase{"NegativeLens", false, -100, -250, 12.5f, 0, 0.025f, kNoValues, kVirtualImage,
            kYellow, 285},
    DofCase{"InsideFocalLength", false, 100, -50, 12.5f, 0, 0.025f, kNoValues, kVirtualImage,
            kYellow, 285},
    DofCase{"ConvexMirror", true, 100, -250, 12.5f, 0, 0.025f, kNoValues, kVirtualImage,
            kYellow, 285}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

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
