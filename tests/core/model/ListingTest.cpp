// The results listing: its twenty rows in lens mode, mirror mode and between two media, the
// special value texts (infinite distances, virtual object, placeholders), and when names are
// written.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "ModelTestSupport.h"
#include "support/DataTable.h"

namespace lumarik::test {
namespace {

struct GoldenCase {
    const char* name;
    friend void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }
    Optics optics;
    float focal;
    int k;
    float aperture;
};

// The rows of one system from tests/data/listing_golden.tsv, as name and value.
std::vector<std::pair<std::string, std::string>> GoldenRows(const std::string& system) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (const DataRow& r : ReadDataTable("listing_golden.tsv")) {
        if (r.size() == 3 && r[0] == system) rows.emplace_back(r[1], r[2]);
    }
    return rows;
}

class Listing : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(Listing, TwentyRows) {
    const GoldenCase& c = GetParam();
    LumarikCode code;
    c.optics.ApplyTo(code);
    Choose(code, {{0, c.focal}, {1, -200}, {5, 10}});
    GiveAperture(code, c.k, c.aperture);
    ASSERT_TRUE(code.Solve(false));
    const ListingRows rows = code.BuildListing(true);
    const auto expected = GoldenRows(c.name);
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(kListingRowCount));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(rows.names[i], expected[i].first) << "row " << i;
        EXPECT_EQ(rows.values[i], expected[i].second) << "row " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Listing,
    ::testing::Values(GoldenCase{"LensInAir", Optics{}, 100, kApStopRadius, 10},
                      GoldenCase{"ConcaveMirror", Optics{false, true}, -100, kApStopRadius, 12.5f},
                      GoldenCase{"TwoMedia", Optics{true, false, 1.0f, 1.5f, 10}, 100, kApFNumber,
                                 4}),
    [](const auto& info) { return std::string(info.param.name); });

struct SpecialCase {
    const char* name;
    friend void PrintTo(const SpecialCase& c, std::ostream* os) { *os << c.name; }
    Optics optics;
    bool objectAtInfinity;
    std::vector<Given> given;
    bool withAperture;
    std::vector<std::pair<int, const char*>> values;  // row, value
};

class ListingValues : public ::testing::TestWithParam<SpecialCase> {};

TEST_P(ListingValues, SpecialTexts) {
    const SpecialCase& c = GetParam();
    LumarikCode code;
    code.SetSeparators({',', '.'});
    c.optics.ApplyTo(code);
    for (const Given& g : c.given) Choose(code, {g});
    code.SetObjectAtInfinity(c.objectAtInfinity);
    if (c.withAperture) GiveAperture(code, kApStopRadius, 10);
    code.Solve(false);
    const ListingRows rows = code.BuildListing(false);
    for (const auto& [row, value] : c.values) {
        EXPECT_EQ(rows.values[static_cast<std::size_t>(row)], value) << "row " << row;
    }
}

const char* const kPlaceholder = "    ----";

// clang-format off
INSTANTIATE_TEST_SUITE_P(States, ListingValues, ::testing::Values(
    SpecialCase{"NoAperture", Optics{}, false, {{0, 100}, {1, -200}, {5, 10}}, false,
                {{0, " 100,0mm"}, {9, kPlaceholder}, {10, kPlaceholder}, {11, kPlaceholder},
                 {13, kPlaceholder}, {14, kPlaceholder}, {17, kPlaceholder}, {18, kPlaceholder}}},
    SpecialCase{"ObjectAtInfinity", Optics{}, true, {{0, 50}, {1, kInfinity}, {8, 0.1f}}, true,
                {{1, " In Unendlich"}, {2, " 50,0mm"}, {3, " Null"}, {4, " ---"}, {5, " ---"},
                 {10, " 2,5"}}},
    SpecialCase{"ComputedInfiniteObject", Optics{}, false, {{0, 100}, {2, 100}, {7, 5}}, true,
                {{1, "unendlich"}, {3, " 0,00x"}}},
    SpecialCase{"VirtualObject", Optics{}, false, {{0, 100}, {1, 50}, {5, 10}}, true,
                {{1, " 50,0mm     [Virtuell]"}}},
    SpecialCase{"ImageAtInfinity", Optics{}, false, {{0, 100}, {1, -100}, {5, 10}}, true,
                {{2, " In Unendlich"}, {3, " ---"}, {4, " ---"}, {7, " ---"}, {11, "----"},
                 {13, " 0,0995"}, {14, " 0,0"}, {17, ""}, {18, ""}}},
    SpecialCase{"ConvexMirror", Optics{false, true}, false, {{0, 50}, {1, -200}, {5, 10}}, true,
                {{1, "100,0mm    [Konvex]"}}},
    // Equal indices other than 1 add f without nodal points: one filler fewer.
    SpecialCase{"OneMedium", Optics{true, false, 1.33f, 1.33f, 0}, false, {{0, 100}, {1, -200}, {5, 10}},
                true, {{1, "-100,0mm"}, {15, " "}, {16, " "}, {18, " 244lp/mm*"}, {19, "  "}}},
    // Without solution f keeps its value, the others are empty.
    SpecialCase{"NoSolution", Optics{true, false, 1.0f, 1.5f, 0}, false, {{0, 100}, {4, 100}, {5, 10}}, true,
                {{0, ""}, {1, "-66,67mm"}, {4, ""}, {11, ""}, {12, " "}, {14, " "}, {17, " "},
                 {18, " "}}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

int NamesWritten(const ListingRows& rows) {
    int count = 0;
    for (bool write : rows.writeName) count += write ? 1 : 0;
    return count;
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
