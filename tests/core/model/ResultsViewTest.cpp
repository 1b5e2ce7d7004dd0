// What the window is told to show after a cycle: the classification of the solved system and
// the caption and colour of the virtual/invalid labels.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "ModelTestSupport.h"
#include "core/model/ModelTexts.h"

namespace lumarik::test {
namespace {

const char* const kAtInfinity = "Bild im Unendlichen";
const char* const kVirtualImage = "Virtuelles Bild";
constexpr std::uint32_t kRed = 255;
constexpr std::uint32_t kYellow = 65535;

struct LabelCase {
    const char* name;
    friend void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.name; }
    Optics optics;
    bool objectAtInfinity;
    std::vector<Given> given;
    bool virtualObject, virtualImage, imageAtInfinity;
    const char* caption;  // empty: hidden
    std::uint32_t colour;
};

class VirtualLabel : public ::testing::TestWithParam<LabelCase> {};

TEST_P(VirtualLabel, FollowsTheClassification) {
    const LabelCase& c = GetParam();
    LumarikCode code;
    c.optics.ApplyTo(code);
    for (const Given& g : c.given) Choose(code, {g});
    code.SetObjectAtInfinity(c.objectAtInfinity);
    const ResultsView view = code.Recalculate();
    ASSERT_TRUE(view.ok && view.drawSystem && !view.showNoSolution);
    EXPECT_EQ(code.IsVirtualObject(), c.virtualObject);
    EXPECT_EQ(code.IsVirtualImage(), c.virtualImage);
    EXPECT_EQ(code.IsImageAtInfinity(), c.imageAtInfinity);
    EXPECT_EQ(view.virtualLabel.visible, *c.caption != '\0');
    EXPECT_EQ(view.virtualLabel.caption, c.caption);
    EXPECT_EQ(view.virtualLabel.backColour, c.colour);
}

const Optics kAir{};
const Optics kMirror{false, true};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Systems, VirtualLabel, ::testing::Values(
    LabelCase{"RealImage", kAir, false, {{0, 100}, {1, -200}, {5, 10}}, 0, 0, 0, "", 0},
    LabelCase{"ImageAtInfinity", kAir, false, {{0, 100}, {1, -100}, {5, 10}}, 0, 0, 1,
              kAtInfinity, kYellow},
    LabelCase{"VirtualImage", kAir, false, {{0, 100}, {1, -50}, {5, 10}}, 0, 1, 0,
              kVirtualImage, kRed},
    LabelCase{"VirtualObject", kAir, false, {{0, 100}, {1, 50}, {5, 10}}, 1, 0, 0,
              "Virtuelles Objekt", kRed},
    LabelCase{"VirtualObjectAndImage", kAir, false, {{0, -20}, {1, 50}, {5, 10}}, 1, 1, 0,
              "Virtuelles Objekt/Bild", kRed},
    LabelCase{"VirtualObjectImageAtInfinity", kAir, false, {{0, -100}, {1, 100}, {5, 10}}, 1, 0, 1,
              "Virtuelles Objekt - Bild im Unendlichen", kYellow},
    LabelCase{"NegativeLensObjectAtInfinity", kAir, true, {{0, -50}, {1, kInfinity}, {8, 0.1f}},
              0, 1, 0, kVirtualImage, kRed},
    LabelCase{"PositiveLensObjectAtInfinity", kAir, true, {{0, 50}, {1, kInfinity}, {8, 0.1f}},
              0, 0, 0, "", 0},
    LabelCase{"ConvexMirrorObjectAtInfinity", kMirror, true, {{0, 50}, {1, kInfinity}, {8, 0.1f}},
              0, 1, 0, kVirtualImage, kRed},
    LabelCase{"ConcaveMirrorObjectAtFocus", kMirror, false, {{0, -100}, {1, -100}, {5, 10}},
              0, 0, 1, kAtInfinity, kYellow},
    LabelCase{"ConcaveMirrorRealImage", kMirror, false, {{0, -100}, {1, -300}, {5, 10}},
              0, 0, 0, "", 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ResultsView, NoSolutionHidesTheVirtualLabelAndTheDrawingUntilTheNextGoodSolve) {
    LumarikCode code;
    Choose(code, {{0, 100}, {4, 500}, {5, 10}});
    GiveAperture(code, kApStopRadius, 10);
    ASSERT_TRUE(code.Recalculate().ok);
    code.Selected().SetVarValue(code.Selected().PositionOf(kParTrack), 300.0f);
    ResultsView view = code.Recalculate();
    EXPECT_FALSE(view.ok || view.buildListing || view.drawSystem || view.virtualLabel.visible);
    EXPECT_TRUE(view.showNoSolution && view.resultListsVisible);
    EXPECT_FALSE(code.Refresh(true, false).drawSystem);
    // Nor is the depth of field of the last good solve shown.
    for (const std::string& v : code.DepthOfFieldRows().values) EXPECT_EQ(v, texts::kDofNoValue);
    code.Selected().SetVarValue(code.Selected().PositionOf(kParTrack), 500.0f);
    view = code.Recalculate();
    EXPECT_TRUE(view.ok && view.drawSystem && !view.showNoSolution);
}

TEST(ResultsView, IncompleteSelectionShowsRowsButNoResults) {
    LumarikCode code;
    Choose(code, {{0, 100}});
    code.AddApVar(kApFNumber, true);
    const ResultsView view = code.SelectionCycle(false, true).view;
    EXPECT_FALSE(view.ok || view.showNoSolution || view.resultListsVisible);
    EXPECT_FALSE(view.virtualLabel.visible);
    EXPECT_EQ(view.visibleRows, 1);
    EXPECT_TRUE(view.apertureRowVisible && view.rewriteNames);
}

// Without a full selection the image counts as virtual when object and image heights stand
// on the same side of the axis; only the plain image at infinity is labelled while the
// drawing is hidden.
TEST(Classification, VirtualImageFromHeightsAndDrawingGate) {
    LumarikCode code;
    code.SetValue(kParObjectHeight, 10.0f);
    code.SetValue(kParImageHeight, 20.0f);
    EXPECT_TRUE(code.IsVirtualImage());
    code.SetValue(kParImageHeight, -20.0f);
    EXPECT_FALSE(code.IsVirtualImage());

    Choose(code, {{0, 100}, {1, -50}, {5, 10}});
    ASSERT_TRUE(code.Solve(false));
    EXPECT_FALSE(code.VirtualLabel(false).visible);
    EXPECT_TRUE(code.VirtualLabel(true).visible);
}

}  // namespace
}  // namespace lumarik::test
