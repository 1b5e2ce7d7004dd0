// The collections of chosen parameters: ordering, capacity, diagnostics of faulty calls, and
// the carry-over of values and limits from the value memory.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "ModelTestSupport.h"
#include "core/model/ModelTexts.h"

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

TEST_F(Collections, KeepNumberOrderAndIgnoreAFourthAddSilently) {
    for (int number : {7, 1, 5}) code.AddVar(number);
    EXPECT_EQ(code.Selected().Numbers(), (Numbers{1, 5, 7}));
    EXPECT_EQ(code.Selected().VarType(3), 7);
    EXPECT_FALSE(code.AddVar(0));
    EXPECT_TRUE(code.AddApVar(kApNAImage));
    EXPECT_FALSE(code.AddApVar(kApStopRadius));
    EXPECT_EQ(code.Selected().Numbers(), (Numbers{1, 5, 7}));
    EXPECT_EQ(code.Apertures().Numbers(), Numbers{kApNAImage});
    EXPECT_TRUE(diagnostics.reports.empty());
}

TEST_F(Collections, FaultyAddsAndRemovesAreReportedAndChangeNothing) {
    code.AddVar(1);
    code.AddVar(5);
    EXPECT_FALSE(code.AddVar(5));
    EXPECT_FALSE(code.AddVar(kParObjectFocal));  // computed only, never chosen
    EXPECT_FALSE(code.RemoveVar(4));
    EXPECT_EQ(code.Selected().VarValue(3), 0.0f);
    code.Selected().SetVarType(1, 5);  // the number is a key: it must stay unique
    EXPECT_EQ(diagnostics.reports, (Reports{"Bad Add:2	5", "Bad Add:2	20", "BadDel", "Bad Item:3",
                                            "Bad Type:5"}));
    EXPECT_EQ(code.Selected().Numbers(), (Numbers{1, 5}));
}

// Every field setter at a position without a record reports and changes nothing.
TEST(VarCollection, FieldSettersAtABadPositionReportAndChangeNothing) {
    using Setter = std::function<void(VarCollection&, int)>;
    const std::vector<std::pair<Setter, std::string_view>> setters = {
        {[](VarCollection& c, int p) { c.SetVarValue(p, 1); }, texts::kBadValue},
        {[](VarCollection& c, int p) { c.SetVarValDef(p, true); }, texts::kBadValueDef},
        {[](VarCollection& c, int p) { c.SetLimLow(p, 1); }, texts::kBadLimit},
        {[](VarCollection& c, int p) { c.SetLimHih(p, 1); }, texts::kBadLimit},
        {[](VarCollection& c, int p) { c.SetLimLowDef(p, true); }, texts::kBadLowLimitDef},
        {[](VarCollection& c, int p) { c.SetLimHihDef(p, true); }, texts::kBadHiLimitDef},
        {[](VarCollection& c, int p) { c.SetVarType(p, 4); }, "Bad Type:4"}};
    for (const auto& [call, diagnostic] : setters) {
        VarCollection collection(3, 8);
        RecordingDiagnostics diagnostics;
        collection.SetDiagnostics(&diagnostics);
        CVarType record;
        record.nVarType = 2;
        collection.Add(record);
        for (int position : {0, 2, -1}) call(collection, position);
        EXPECT_EQ(diagnostics.reports, Reports(3, std::string(diagnostic)));
        const CVarType& kept = collection.Item(1);
        EXPECT_TRUE(kept.nVarType == 2 && kept.sVarValue == 0.0f && kept.sLimLow == 0.0f);
        EXPECT_FALSE(kept.bVarValDef || kept.bLimLowDef || kept.bLimHihDef);
    }
}

TEST_F(Collections, ReplaceExchangesInNumberOrderOrChangesNothing) {
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
}

TEST_F(Collections, AppendCopyKeepsTheGivenOrderAndClearEmpties) {
    for (int number : {7, 0, 3}) {
        CVarType record;
        record.nVarType = static_cast<std::int16_t>(number);
        record.sVarValue = static_cast<float>(number);
        EXPECT_TRUE(code.Selected().AppendCopy(record));
    }
    EXPECT_EQ(code.Selected().Numbers(), (Numbers{7, 0, 3}));
    EXPECT_EQ(code.Selected().VarValue(1), 7.0f);
    EXPECT_FALSE(code.Selected().AppendCopy(CVarType{}));
    code.Selected().Clear();
    EXPECT_EQ(code.Selected().Count(), 0);
}

struct CarryCase {
    const char* name;
    friend void PrintTo(const CarryCase& c, std::ostream* os) { *os << c.name; }
    float value;
    bool defined;
    int memoryLimits;  // bit 0: memory holds low = 10, bit 1: memory holds high = 500
    float margin;
    bool lowDef, highDef;
    float low, high;
};

class Carry : public ::testing::TestWithParam<CarryCase> {};

TEST_P(Carry, FillsValueAndLimitsFromMemory) {
    const CarryCase& c = GetParam();
    CVarType memory;
    memory.sVarValue = c.value;
    memory.bVarValDef = c.defined;
    memory.sLimLow = 10.0f;
    memory.sLimHih = 500.0f;
    memory.bLimLowDef = (c.memoryLimits & 1) != 0;
    memory.bLimHihDef = (c.memoryLimits & 2) != 0;
    const CVarType r = CarriedRecord(3, memory, c.margin);
    EXPECT_TRUE(r.nVarType == 3 && r.sVarValue == c.value && r.bVarValDef == c.defined);
    EXPECT_EQ(r.bLimLowDef, c.lowDef);
    EXPECT_EQ(r.bLimHihDef, c.highDef);
    EXPECT_FLOAT_EQ(r.bLimLowDef ? r.sLimLow : 0.0f, c.low);
    EXPECT_FLOAT_EQ(r.bLimHihDef ? r.sLimHih : 0.0f, c.high);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, Carry, ::testing::Values(
    CarryCase{"PositiveValue", 100, true, 0, 0.1f, true, true, 90, 110},
    CarryCase{"NegativeValue", -200, true, 0, 0.1f, true, true, -220, -180},
    CarryCase{"ZeroValue", 0, true, 0, 0.5f, true, true, 0, 0},
    CarryCase{"UndefinedValue", 0, false, 0, 0.1f, false, false, 0, 0},
    CarryCase{"MemoryLimitsWin", 100, true, 3, 0.1f, true, true, 10, 500},
    CarryCase{"OneLimitFromMemory", 100, true, 1, 0.25f, true, true, 10, 125},
    CarryCase{"TooLargeToWiden", 3.3e38f, true, 0, 0.8f, false, false, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Selecting a parameter again brings back the value of the last continuous solve, with limits
// opened by the slider margin; after an incomplete solve it starts without a value.
TEST_F(Collections, ReselectedParameterCarriesItsLastSolvedValue) {
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

TEST(SliderMargin, IsClampedToTenToEightyPercent) {
    LumarikCode code;
    EXPECT_FLOAT_EQ(code.LimitMargin(), 0.1f);
    code.SetSliderDefaultPercent(95);
    EXPECT_FLOAT_EQ(code.LimitMargin(), 0.8f);
    code.SetSliderDefaultPercent(5);
    EXPECT_FLOAT_EQ(code.LimitMargin(), 0.1f);
}

}  // namespace
}  // namespace lumarik::test
