// The collections of chosen parameters: ordering, capacity, diagnostics of faulty calls, the
// carry-over of values and limits from the value memory, and the slider arithmetic of a value
// row (the limit window a value opens or widens, the slider position of a value and back).
#include <cfloat>
#include <optional>
#include <string>

#include "Scenes.h"
#include "core/model/ValueEntry.h"

namespace lumarik::test {
namespace {

// Numbers stay sorted, a fourth add is ignored silently; faulty adds and removes are reported
// and change nothing.
TEST(Collections, KeepNumberOrderAndReportFaultyCalls) {
    ExpectScene("NumberOrder");
}

// Replace exchanges in number order or changes nothing; AppendCopy keeps the given order.
TEST(Collections, ReplaceAndAppendCopy) {
    ExpectScene("ReplaceAppend");
}

// A carried record takes value and flag from the memory, its limits from the memory where
// defined there, otherwise opened by the margin around a defined value that can be widened;
// a defined 0 has both limits at 0.
TEST(CarriedRecord, FillsValueAndLimitsFromMemory) {
    ExpectScene("CarriedRecord");
}

// Selecting a parameter again brings back the value of the last continuous solve, with limits
// opened by the slider margin (clamped to 10..80 %); after an incomplete solve it starts
// without a value.
TEST(Collections, ReselectedParameterCarriesItsLastSolvedValue) {
    ExpectScene("Reselected");
}

// The memories answer only for their own numbers, the first and the last included, and carry
// into a record chosen again.
TEST(Collections, MemoriesAnswerOnlyForTheirOwnNumbers) {
    ExpectScene("Memories");
}

CVarType WithLimits(float value, float low, float high) {
    CVarType r;
    r.sVarValue = value;
    r.bVarValDef = r.bLimLowDef = r.bLimHihDef = true;
    r.sLimLow = low;
    r.sLimHih = high;
    return r;
}

// A first value opens a window around it, 0 opens none, a later value moves only the limit
// it crossed, and a huge one keeps the limits finite.
TEST(ExtendLimits, OpenAndWidenTheWindow) {
    ExpectScene("ExtendLimits");
}

TEST(Slider, PositionFollowsTheValue) {
    const std::vector<DataRow> rows = ReadDataTable("slider_positions.tsv");
    ASSERT_EQ(rows.size(), 13u);
    for (const DataRow& r : rows) {
        const CVarType record = WithLimits(std::stof(r[0]), std::stof(r[1]), std::stof(r[2]));
        const std::optional<int> position =
            r[5] == "-" ? std::nullopt : std::optional<int>(std::stoi(r[5]));
        EXPECT_EQ(SliderPosition(record, std::stoi(r[3]), std::stoi(r[4])), position) << r[0];
    }
    CVarType noLimits;
    noLimits.sVarValue = 5.0f;
    EXPECT_EQ(SliderPosition(noLimits, 0, 100), std::nullopt);
}

TEST(Slider, ValueAtAPositionInvertsThePosition) {
    const CVarType r = WithLimits(0.0f, -275.0f, -225.0f);
    EXPECT_FLOAT_EQ(SliderValue(r, 0, 0, 100), -275.0f);
    EXPECT_FLOAT_EQ(SliderValue(r, 100, 0, 100), -225.0f);
    EXPECT_FLOAT_EQ(SliderValue(r, 60, 10, 110), -250.0f);
    EXPECT_EQ(SliderValue(WithLimits(0.0f, 0.0f, FLT_MAX), 100, 0, 100), FLT_MAX);
    for (int position = 0; position <= 100; ++position) {
        CVarType moved = r;
        moved.sVarValue = SliderValue(r, position, 0, 100);
        EXPECT_EQ(SliderPosition(moved, 0, 100), position);
    }
}

}  // namespace
}  // namespace lumarik::test
