// What the window is told to show after a cycle: the classification of the solved system, the
// caption and colour of the virtual/invalid labels, and the results listing (its twenty rows in
// every mode, the special value texts, and when names are written).
#include <string>

#include "ModelTestSupport.h"
#include "core/model/ModelTexts.h"

namespace lumarik::test {
namespace {

class VirtualLabel : public ::testing::TestWithParam<DataRow> {};

// The rows of tests/data/virtual_labels.tsv.
TEST_P(VirtualLabel, FollowsTheClassification) {
    const DataRow& c = GetParam();
    LumarikCode code;
    SetUpSystem(code, c, 1);
    const ResultsView view = code.Recalculate();
    ASSERT_TRUE(view.ok && view.drawSystem && !view.showNoSolution);
    const std::string flags = c.at(4);
    EXPECT_EQ(code.IsVirtualObject(), flags[0] == '1');
    EXPECT_EQ(code.IsVirtualImage(), flags[1] == '1');
    EXPECT_EQ(code.IsImageAtInfinity(), flags[2] == '1');
    EXPECT_EQ(view.virtualLabel.visible, c.at(5) != "-");
    EXPECT_EQ(view.virtualLabel.caption, c.at(5) == "-" ? "" : c.at(5));
    EXPECT_EQ(view.virtualLabel.backColour, std::stoul(c.at(6)));
}

INSTANTIATE_TEST_SUITE_P(Systems, VirtualLabel,
                         ::testing::ValuesIn(ReadDataTable("virtual_labels.tsv")), RowName);

// A failed solve hides the label and the drawing (and the depth of field of the last good
// solve) until the next good solve; an incomplete selection shows rows but no results.
TEST(ResultsView, NoSolutionAndIncompleteSelection) {
    LumarikCode code;
    Choose(code, {{0, 100}, {4, 500}, {5, 10}});
    GiveAperture(code, kApStopRadius, 10);
    ASSERT_TRUE(code.Recalculate().ok);
    code.Selected().SetVarValue(code.Selected().PositionOf(kParTrack), 300.0f);
    ResultsView view = code.Recalculate();
    EXPECT_FALSE(view.ok || view.buildListing || view.drawSystem || view.virtualLabel.visible);
    EXPECT_TRUE(view.showNoSolution && view.resultListsVisible);
    EXPECT_FALSE(code.Refresh(true, false).drawSystem || code.ApertureCycle().ok);
    for (const std::string& v : code.DepthOfFieldRows().values) EXPECT_EQ(v, texts::kDofNoValue);
    code.Selected().SetVarValue(code.Selected().PositionOf(kParTrack), 500.0f);
    view = code.Recalculate();
    EXPECT_TRUE(view.ok && view.drawSystem && !view.showNoSolution);

    code.RemoveVar(kParTrack);
    view = code.SelectionCycle(false, true).view;
    EXPECT_FALSE(view.ok || view.showNoSolution || view.resultListsVisible);
    EXPECT_FALSE(view.virtualLabel.visible);
    EXPECT_EQ(view.visibleRows, 2);
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
    code.SetValue(kValueCount, 5.0f);
    EXPECT_EQ(code.Value(kValueCount), 0.0f);

    Choose(code, {{0, 100}, {1, -50}, {5, 10}});
    ASSERT_TRUE(code.Solve(false));
    EXPECT_FALSE(code.VirtualLabel(false).visible);
    EXPECT_TRUE(code.VirtualLabel(true).visible);
}

struct GoldenCase {
    const char* name;
    friend void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }
    Optics optics;
    float focal;
    int k;
    float aperture;
};

class Listing : public ::testing::TestWithParam<GoldenCase> {};

// The rows are those of tests/data/listing_golden.tsv, as system, name and value.
TEST_P(Listing, TwentyRows) {
    const GoldenCase& c = GetParam();
    LumarikCode code;
    c.optics.ApplyTo(code);
    Choose(code, {{0, c.focal}, {1, -200}, {5, 10}});
    GiveAperture(code, c.k, c.aperture);
    ASSERT_TRUE(code.Solve(false));
    const ListingRows rows = code.BuildListing(true);
    std::size_t row = 0;
    for (const DataRow& r : ReadDataTable("listing_golden.tsv")) {
        if (r.at(0) != c.name) continue;
        ASSERT_LT(row, rows.names.size());
        EXPECT_EQ(rows.names[row], r.at(1)) << "row " << row;
        EXPECT_EQ(rows.values[row], r.at(2)) << "row " << row;
        ++row;
    }
    EXPECT_EQ(row, rows.names.size());
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Listing,
    ::testing::Values(GoldenCase{"LensInAir", Optics{}, 100, kApStopRadius, 10},
                      GoldenCase{"ConcaveMirror", Optics{false, true}, -100, kApStopRadius, 12.5f},
                      GoldenCase{"TwoMedia", Optics{true, false, 1.0f, 1.5f, 10}, 100, kApFNumber,
                                 4}),
    [](const auto& info) { return std::string(info.param.name); });

class ListingValues : public ::testing::TestWithParam<DataRow> {};

// The rows of tests/data/listing_special.tsv.
TEST_P(ListingValues, SpecialTexts) {
    const DataRow& c = GetParam();
    LumarikCode code;
    code.SetSeparators({',', '.'});
    SetUpSystem(code, c, 1);
    if (c.at(4) != "-") GiveAperture(code, kApStopRadius, std::stof(c.at(4)));
    code.Solve(false);
    const ListingRows rows = code.BuildListing(false);
    for (std::size_t i = 5; i < c.size(); ++i) {
        const std::size_t colon = c[i].find(':');
        EXPECT_EQ(rows.values.at(std::stoul(c[i])), c[i].substr(colon + 1)) << c[i];
    }
}

INSTANTIATE_TEST_SUITE_P(States, ListingValues,
                         ::testing::ValuesIn(ReadDataTable("listing_special.tsv")), RowName);

int NamesWritten(const ListingRows& rows) {
    return static_cast<int>(std::count(rows.writeName.begin(), rows.writeName.end(), true));
}

// Names are written when the optional rows may have moved, on request, and while the window
// loads; a drag writes values only. The mirror radius's name is written on every listing.
TEST(ListingNames, WrittenOnlyWhenTheyMayHaveChanged) {
    LumarikCode code;
    Choose(code, {{0, 100}, {1, -200}, {5, 10}});
    ASSERT_TRUE(code.Solve(false));
    EXPECT_EQ(NamesWritten(code.BuildListing(false)), kListingRowCount);
    EXPECT_EQ(NamesWritten(code.BuildListing(false)), 0);
    EXPECT_EQ(NamesWritten(code.BuildListing(true)), kListingRowCount);
    EXPECT_EQ(NamesWritten(code.BuildListing(false, false, true)), kListingRowCount);
    EXPECT_EQ(NamesWritten(code.BuildListing(true, true)), 0);

    code.Constants().SetAdvancedOptions(true);
    code.Constants().SetNPrime(1.5f);
    EXPECT_EQ(NamesWritten(code.BuildListing(false)), kListingRowCount);

    code.Constants().SetAdvancedOptions(false);
    code.Constants().SetMirrorMode(true);
    EXPECT_EQ(NamesWritten(code.BuildListing(false)), kListingRowCount);
    const ListingRows again = code.BuildListing(false);
    EXPECT_EQ(NamesWritten(again), 1);
    EXPECT_TRUE(again.writeName[1]);
    EXPECT_EQ(NamesWritten(code.BuildListing(false, true)), 0);
}

}  // namespace
}  // namespace lumarik::test
