// The collections of chosen parameters: ordering, capacity, diagnostics of faulty calls, the
// carry-over of values and limits from the value memory, and the slider arithmetic of a value
// row (the limit window a value opens or widens, the slider position of a value and back).
#include <cfloat>
#include <optional>
#include <string>
#include <tuple>

#include "ModelTestSupport.h"
#include "core/model/ModelTexts.h"
#include "core/model/ValueEntry.h"

namespace lumarik::test {
namespace {

using Numbers = std::vector<int>;
using Reports = std::vector<std::string>;

class Collections : public ::testing::Test {
protected:
    void SetUp() override { code.SetDiagnostics(&diagnostics); }
    LumarikCode code;
    RecordingDiagnostics diagnostics;
};

// Numbers stay sorted, a fourth add is ignored silently; faulty adds and removes are reported
// and change nothing.
TEST_F(Collections, KeepNumberOrderAndReportFaultyCalls) {
    for (int number : {7, 1, 5}) code.AddVar(number);
    EXPECT_EQ(code.Selected().Numbers(), (Numbers{1, 5, 7}));
    EXPECT_EQ(code.Selected().VarType(3), 7);
    EXPECT_FALSE(code.AddVar(0));
    EXPECT_TRUE(code.AddApVar(kApNAImage));
    EXPECT_FALSE(code.AddApVar(kApStopRadius));
    EXPECT_EQ(code.Apertures().Numbers(), Numbers{kApNAImage});
    EXPECT_TRUE(diagnostics.reports.empty());

    code.RemoveVar(7);
    EXPECT_FALSE(code.AddVar(5));
    EXPECT_FALSE(code.AddVar(kParObjectFocal));  // computed only, never chosen
    EXPECT_FALSE(code.RemoveVar(4));
    EXPECT_EQ(code.Selected().VarValue(3), 0.0f);
    code.Selected().SetVarType(1, 5);  // the number is a key: it must stay unique
    EXPECT_EQ(diagnostics.reports, (Reports{"Bad Add:2	5", "Bad Add:2	20", "BadDel", "Bad Item:3",
                                            "Bad Type:5"}));
    EXPECT_EQ(code.Selected().Numbers(), (Numbers{1, 5}));
}

// Replace exchanges in number order or changes nothing; AppendCopy keeps the given order.
TEST_F(Collections, ReplaceAndAppendCopy) {
    for (int number : {0, 5, 7}) code.AddVar(number, true);
    EXPECT_TRUE(code.Selected().Replace(7, 2, 150.0f, true, 100.0f, 200.0f));
    EXPECT_EQ(code.Selected().Numbers(), (Numbers{0, 2, 5}));
    const CVarType& r = code.Selected().Item(2);
    EXPECT_TRUE(r.sVarValue == 150.0f && r.sLimLow == 100.0f && r.sLimHih == 200.0f);
    EXPECT_TRUE(r.bVarValDef && r.bLimLowDef && r.bLimHihDef);
    EXPECT_TRUE(code.Selected().Replace(2, 4, 10.0f, false, 0.0f, 0.0f));
    EXPECT_FALSE(code.Selected().Item(3).bLimLowDef);
    EXPECT_TRUE(diagnostics.reports.empty());
    EXPECT_FALSE(code.Selected().Replace(3, 2, 1.0f, false, 0.0f, 0.0f));
    EXPECT_FALSE(code.Selected().Replace(0, 5, 1.0f, false, 0.0f, 0.0f));
    EXPECT_EQ(code.Selected().Numbers(), (Numbers{0, 4, 5}));
    EXPECT_EQ(diagnostics.reports, (Reports{"BadDel", "Bad Add:3\t5"}));

    code.Selected().Clear();
    for (int number : {7, 0, 3}) {
        CVarType record;
        record.nVarType = static_cast<std::int16_t>(number);
        record.sVarValue = static_cast<float>(number);
        EXPECT_TRUE(code.Selected().AppendCopy(record));
    }
    EXPECT_EQ(code.Selected().Numbers(), (Numbers{7, 0, 3}));
    EXPECT_EQ(code.Selected().VarValue(1), 7.0f);
    EXPECT_FALSE(code.Selected().AppendCopy(CVarType{}));
}

// A carried record takes value and flag from the memory, its limits from the memory where
// defined there, otherwise opened by the margin around a defined value that can be widened.
TEST(CarriedRecord, FillsValueAndLimitsFromMemory) {
    // value, defined, memory limits (bit 0: low = 10, bit 1: high = 500), margin, low, high
    // (0 for an undefined limit)
    const std::tuple<float, bool, int, float, float, float> cases[] = {
        {100, true, 0, 0.1f, 90, 110}, {-200, true, 0, 0.1f, -220, -180},
        {100, true, 3, 0.1f, 10, 500}, {100, true, 1, 0.25f, 10, 125},
        {0, false, 0, 0.1f, 0, 0},     {3.3e38f, true, 0, 0.8f, 0, 0}};
    for (const auto& [value, defined, memoryLimits, margin, low, high] : cases) {
        CVarType memory;
        memory.sVarValue = value;
        memory.bVarValDef = defined;
        memory.sLimLow = 10.0f;
        memory.sLimHih = 500.0f;
        memory.bLimLowDef = (memoryLimits & 1) != 0;
        memory.bLimHihDef = (memoryLimits & 2) != 0;
        const CVarType r = CarriedRecord(3, memory, margin);
        EXPECT_TRUE(r.nVarType == 3 && r.sVarValue == value && r.bVarValDef == defined);
        EXPECT_EQ(r.bLimLowDef, low != 0) << value;
        EXPECT_EQ(r.bLimHihDef, high != 0) << value;
        EXPECT_FLOAT_EQ(r.bLimLowDef ? r.sLimLow : 0.0f, low) << value;
        EXPECT_FLOAT_EQ(r.bLimHihDef ? r.sLimHih : 0.0f, high) << value;
    }
    CVarType zero;  // a defined 0 has both limits at 0
    zero.bVarValDef = true;
    const CVarType r = CarriedRecord(3, zero, 0.5f);
    EXPECT_TRUE(r.bLimLowDef && r.bLimHihDef && r.sLimLow == 0.0f && r.sLimHih == 0.0f);
}

// Selecting a parameter again brings back the value of the last continuous solve, with limits
// opened by the slider margin (clamped to 10..80 %); after an incomplete solve it starts
// without a value.
TEST_F(Collections, ReselectedParameterCarriesItsLastSolvedValue) {
    EXPECT_FLOAT_EQ(code.LimitMargin(), 0.1f);
    code.SetSliderDefaultPercent(95);
    EXPECT_FLOAT_EQ(code.LimitMargin(), 0.8f);
    code.SetSliderDefaultPercent(5);
    EXPECT_FLOAT_EQ(code.LimitMargin(), 0.1f);
    code.SetSliderDefaultPercent(20);
    Choose(code, {{0, 100}, {1, -200}, {5, 10}});
    ASSERT_TRUE(code.Solve(true));
    code.RemoveVar(5);
    code.AddVar(kParImageDist);
    const CVarType ap = code.Selected().Item(code.Selected().PositionOf(kParImageDist));
    EXPECT_TRUE(ap.bVarValDef && ap.sVarValue == 200.0f);
    EXPECT_FLOAT_EQ(ap.sLimLow, 160.0f);
    EXPECT_FLOAT_EQ(ap.sLimHih, 240.0f);

    code.RemoveVar(kParImageDist);
    EXPECT_FALSE(code.Solve(true));
    code.AddVar(kParImageDist);
    EXPECT_FALSE(code.Selected().VarValDef(code.Selected().PositionOf(kParImageDist)));
}

// The memories answer only for their own numbers, the first and the last included, and carry
// into a record chosen again.
TEST_F(Collections, MemoriesAnswerOnlyForTheirOwnNumbers) {
    Choose(code, {{0, 100}, {1, -200}, {5, 10}});
    GiveAperture(code, kApStopRadius, 12.5f);
    ASSERT_TRUE(code.Solve(true));
    EXPECT_TRUE(code.Memory(kSelectableCount - 1).bVarValDef &&
                code.ApertureMemory(kApertureCount - 1).bVarValDef);
    for (int outside : {-1, kSelectableCount}) EXPECT_FALSE(code.Memory(outside).bVarValDef);
    for (int outside : {-1, kApertureCount}) EXPECT_FALSE(code.ApertureMemory(outside).bVarValDef);
    code.RemoveVar(0);
    code.RemoveApVar(kApStopRadius);
    ASSERT_TRUE(code.AddVar(0) && code.AddApVar(kApStopRadius));
    EXPECT_EQ(code.Selected().VarValue(code.Selected().PositionOf(0)), 100.0f);
    EXPECT_EQ(code.Apertures().VarValue(1), 12.5f);
    code.SetApertureValue(kApStopRadius, 7.0f);
    EXPECT_EQ(code.ApertureValue(kApStopRadius), 7.0f);
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
    CVarType r;
    EXPECT_FALSE(ExtendLimits(r, 0.0f, 0.1f));
    EXPECT_FALSE(r.bLimLowDef || r.bLimHihDef);
    EXPECT_TRUE(ExtendLimits(r, -250.0f, 0.1f));
    EXPECT_TRUE(r.bLimLowDef && r.bLimHihDef);
    EXPECT_FLOAT_EQ(r.sLimLow, -275.0f);
    EXPECT_FLOAT_EQ(r.sLimHih, -225.0f);
    CVarType focal;
    EXPECT_TRUE(ExtendLimits(focal, 100.0f, 0.1f));
    EXPECT_TRUE(focal.sLimLow == 90.0f && focal.sLimHih == 110.0f);

    r = WithLimits(100.0f, 90.0f, 110.0f);
    for (float inside : {90.0f, 105.0f, 110.0f}) EXPECT_FALSE(ExtendLimits(r, inside, 0.1f));
    EXPECT_TRUE(ExtendLimits(r, 200.0f, 0.1f));
    EXPECT_TRUE(ExtendLimits(r, -10.0f, 0.1f));
    EXPECT_FLOAT_EQ(r.sLimLow, -11.0f);
    EXPECT_FLOAT_EQ(r.sLimHih, 220.0f);

    CVarType huge;
    ExtendLimits(huge, 3.4e38f, 0.5f);
    EXPECT_TRUE(std::isfinite(huge.sLimHih) && std::isfinite(huge.sLimLow));
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
